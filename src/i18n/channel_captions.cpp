#include "i18n/channel_captions.h"

#include <array>

#include "config/channel_lists.h"

namespace zrt {

namespace {

constexpr std::array<std::string_view, 6> kListNames{"Combo5_5", "Combo5_6", "Combo5_7",
                                                     "Combo5_8", "Combo5_9", "Combo5_10"};

constexpr std::size_t kCaptionCount = 1 + 2 + 2 * (kListNames.size() + 1) + 2 * kChannelColumnHeaders.size();

// Item 0 of the tone list Combo1 is written with the tone list's own Off text (see the window).
constexpr std::array<Caption, kCaptionCount> makeCaptions() {
    std::array<Caption, kCaptionCount> t{};
    std::size_t i = 0;
    t[i++] = {"", CaptionProp::WindowTitle, 0, kChannelWindowTitle};
    t[i++] = {kTabStripName, CaptionProp::Tab, 0, kChannelGroupTabs[0]};
    t[i++] = {kTabStripName, CaptionProp::Tab, 1, kChannelGroupTabs[1]};
    for (std::size_t k = 0; k < kListNames.size(); ++k)
        for (int item = 0; item < 2; ++item)
            t[i++] = {kListNames[k], CaptionProp::Item, item, kChannelListItems[k][item]};
    for (int item = 0; item < 2; ++item)
        t[i++] = {kUnusedListName, CaptionProp::Item, item, kUnusedListItems[static_cast<std::size_t>(item)]};
    for (std::string_view grid : {kGrid1Name, kGrid2Name})
        for (std::size_t c = 0; c < kChannelColumnHeaders.size(); ++c)
            t[i++] = {grid, CaptionProp::Header, static_cast<int>(c), kChannelColumnHeaders[c]};
    return t;
}

constexpr std::array<Caption, kCaptionCount> kCaptions = makeCaptions();

}  // namespace

std::span<const Caption> channelWindowCaptions() {
    return kCaptions;
}

}  // namespace zrt

#include "config/channel_lists.h"

#include "image/tone_list.h"

namespace zrt {

std::string channelListItem(ChannelList list, int position, int languageIndex) {
    const int k = static_cast<int>(list) - static_cast<int>(ChannelList::Power);
    if (k < 0 || k >= static_cast<int>(kFlagLists.size()) || position < 0 || position > 1) return {};
    return std::string(
        kChannelListItems[static_cast<std::size_t>(k)][static_cast<std::size_t>(position)].in(languageIndex));
}

std::string channelToneItem(int position, int languageIndex) {
    return toneListItem(position, languageIndex);
}

}  // namespace zrt

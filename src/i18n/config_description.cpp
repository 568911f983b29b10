#include "i18n/config_description.h"

#include <span>
#include <string_view>

#include "config/band.h"
#include "config/calibration.h"
#include "config/channel_table.h"
#include "config/configuration.h"
#include "config/features.h"
#include "config/fm.h"
#include "i18n/calibration_captions.h"
#include "i18n/channel_captions.h"
#include "i18n/features_captions.h"
#include "i18n/fm_captions.h"
#include "i18n/main_window_captions.h"

namespace zrt {

namespace {

std::string caption(std::span<const Caption> table, std::string_view control, CaptionProp prop, int language,
                    int index = 0) {
    for (const Caption& c : table)
        if (c.control == control && c.prop == prop && c.index == index)
            return std::string(c.text.in(language));
    return {};
}

// The radio's single-byte texts are Latin-1 as far as this program is concerned (the windows show them so).
std::string fromLatin1(std::string_view bytes) {
    std::string out;
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

// ---- The optional-features window: the function settings, then one block per VFO ----------------------

using Block = FeatureGroup;

// The fields the window shows in one block (hidden fields left out); in the VFO blocks the texts come first,
// as the window has them on top.
std::vector<CaptionedValue> fields(const Features& features, Block block, int language) {
    std::vector<CaptionedValue> lists, texts;
    for (const FeatureListInfo& info : featureLists())
        if (!info.hidden && featureGroupOf(info.id) == block)
            lists.push_back({std::string(info.caption.in(language)),
                             featureItemText(info.id, features[info.id], language)});
    for (const FeatureTextInfo& info : featureTexts())
        if (featureGroupOf(info.id) == block)
            texts.push_back({std::string(info.caption.in(language)), fromLatin1(features.*info.value)});
    if (block == Block::Functions) {
        lists.insert(lists.end(), texts.begin(), texts.end());
        return lists;
    }
    texts.insert(texts.end(), lists.begin(), lists.end());
    return texts;
}

// The channel table's columns on paper and on the terminal: all but the hidden one.
constexpr int kChannelColumns[] = {kLabelColumn, 1, 2, 3, 4, 5, 6, 7, 8, 10, kNameColumn};

}  // namespace

ConfigDescription describeConfiguration(const Configuration& config, int language) {
    ConfigDescription d;
    d.band = {caption(mainWindowCaptions(), "Label1", CaptionProp::Text, language),
              std::string(kBands[static_cast<std::size_t>(config.band.listIndex)].text)};

    const auto channelCaptions = channelWindowCaptions();
    d.channels.title = caption(channelCaptions, "", CaptionProp::WindowTitle, language);
    for (int column : kChannelColumns)
        d.channels.header.push_back(
            caption(channelCaptions, kGrid1Name, CaptionProp::Header, language, column));
    d.nameColumn = static_cast<int>(std::size(kChannelColumns)) - 1;
    for (int group = 0; group < 2; ++group)
        d.groupTitles[static_cast<std::size_t>(group)] =
            caption(channelCaptions, kTabStripName, CaptionProp::Tab, language, group);
    for (int n = 1; n <= kChannelCount; ++n) {
        if (config.channels.isEmpty(n)) continue;
        std::vector<std::string> row{rowLabel(groupOf(n), rowOf(n))};
        for (int column : kChannelColumns) {
            if (column == kLabelColumn) continue;
            const std::string text = channelCellText(config.channels, n, column, language);
            row.push_back(column == kNameColumn ? fromLatin1(text) : text);
        }
        d.channels.rows.push_back(std::move(row));
        d.channelNumbers.push_back(n);
    }

    const auto features = featuresCaptions();
    d.features = {
        {caption(features, "", CaptionProp::WindowTitle, language),
         fields(config.features, Block::Functions, language)},
        {caption(features, "Frame3", CaptionProp::Title, language),
         fields(config.features, Block::VfoA, language)},
        {caption(features, "Frame5", CaptionProp::Title, language),
         fields(config.features, Block::VfoB, language)},
    };

    const auto fm = fmCaptions();
    const int mode = config.fm.displayMode;
    d.fm = {
        caption(fm, "", CaptionProp::WindowTitle, language),
        {{caption(fm, "Label1_0", CaptionProp::Text, language), std::to_string(config.fm.currentChannel)},
         {caption(fm, "Label1_1", CaptionProp::Text, language),
          mode >= 0 && mode < kFmDisplayModeCount ? caption(fm, "Combo1_1", CaptionProp::Item, language, mode)
                                                  : std::string()},
         {caption(fm, "Label1_3", CaptionProp::Text, language), config.fm.vfoFreq}}};
    d.fmChannels.header = {caption(fm, "MSFGrid", CaptionProp::Header, language, 0),
                           caption(fm, "MSFGrid", CaptionProp::Header, language, 1)};
    for (int k = 0; k < kFmChannels; ++k)
        d.fmChannels.rows.push_back(
            {std::to_string(k + 1), config.fm.channelFreq[static_cast<std::size_t>(k)]});

    const auto calib = calibrationCaptions();
    d.calibration.title = caption(calib, "", CaptionProp::WindowTitle, language);
    d.calibration.header = {""};
    for (int section = 0; section < 3; ++section)
        d.calibration.header.push_back(
            caption(calib, "Label1_" + std::to_string(section), CaptionProp::Text, language));
    for (int group = 0; group < 2; ++group)
        for (int grade = 0; grade < 3; ++grade) {
            std::vector<std::string> row{
                caption(calib, "SSTab1", CaptionProp::Tab, language, group) + " " +
                caption(calib, "Frame1_" + std::to_string(grade), CaptionProp::Title, language)};
            for (int section = 0; section < 3; ++section)
                row.push_back(std::to_string(
                    config.calib.values[static_cast<std::size_t>(calibIndex(group, grade, section))]));
            d.calibration.rows.push_back(std::move(row));
        }
    return d;
}

std::string printableText(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const bool c1 = b == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) < 0xA0;
        if (b < 0x20 || b == 0x7F || c1) {
            out += '?';
            if (c1) ++i;
        } else {
            out += utf8[i];
        }
    }
    return out;
}

}  // namespace zrt

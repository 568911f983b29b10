#include "i18n/config_description.h"

#include <string_view>

#include "config/band.h"
#include "config/calibration.h"
#include "config/channel_table.h"
#include "config/configuration.h"
#include "config/features.h"
#include "config/fm.h"
#include "config/text.h"
#include "i18n/calibration_captions.h"
#include "i18n/channel_captions.h"
#include "i18n/features_captions.h"
#include "i18n/fm_captions.h"
#include "i18n/main_window_captions.h"

namespace zrt {

namespace {

std::string in(const Text& text, int language) {
    return std::string(text.in(language));
}

// ---- The optional-features window: the function settings, then one block per VFO ----------------------

using Block = FeatureGroup;

// The fields the window shows in one block, hidden ones left out.
std::vector<CaptionedValue> fields(const Features& features, Block block, int language) {
    std::vector<CaptionedValue> out;
    for (const FeatureField& field : featureFieldsOf(block)) {
        if (field.isText) {
            const FeatureTextInfo& info = featureTexts()[static_cast<std::size_t>(field.id)];
            out.push_back({std::string(info.caption.in(language)), latin1ToUtf8(features.*info.value)});
        } else {
            const FeatureListInfo& info = featureLists()[static_cast<std::size_t>(field.id)];
            if (!info.hidden)
                out.push_back({std::string(info.caption.in(language)),
                               featureItemText(info.id, features[info.id], language)});
        }
    }
    return out;
}

// The channel table's columns on paper and on the terminal: all but the hidden one.
constexpr int kChannelColumns[] = {kLabelColumn, 1, 2, 3, 4, 5, 6, 7, 8, 10, kNameColumn};

}  // namespace

ConfigDescription describeConfiguration(const Configuration& config, int language) {
    ConfigDescription d;
    d.band = {in(kBandLabelCaption, language),
              std::string(kBands[static_cast<std::size_t>(config.band.listIndex)].text)};

    d.channels.title = in(kChannelWindowTitle, language);
    for (int column : kChannelColumns)
        d.channels.header.push_back(in(kChannelColumnHeaders[static_cast<std::size_t>(column)], language));
    d.nameColumn = static_cast<int>(std::size(kChannelColumns)) - 1;
    for (std::size_t group = 0; group < 2; ++group)
        d.groupTitles[group] = in(kChannelGroupTabs[group], language);
    for (int n = 1; n <= kChannelCount; ++n) {
        if (config.channels.isEmpty(n)) continue;
        std::vector<std::string> row{rowLabel(groupOf(n), rowOf(n))};
        for (int column : kChannelColumns) {
            if (column == kLabelColumn) continue;
            const std::string text = channelCellText(config.channels, n, column, language);
            row.push_back(column == kNameColumn ? latin1ToUtf8(text) : text);
        }
        d.channels.rows.push_back(std::move(row));
        d.channelNumbers.push_back(n);
    }

    for (Block block : {Block::Functions, Block::VfoA, Block::VfoB})
        d.features.push_back(
            {in(featureGroupTitle(block), language), fields(config.features, block, language)});

    const int mode = config.fm.displayMode;
    d.fm = {in(kFmWindowTitle, language),
            {{in(kFmPresentChannelCaption, language), std::to_string(config.fm.currentChannel)},
             {in(kFmDisplayModeCaption, language),
              mode >= 0 && mode < kFmDisplayModeCount
                  ? in(kFmDisplayModeItems[static_cast<std::size_t>(mode)], language)
                  : std::string()},
             {in(kFmVfoCaption, language), config.fm.vfoFreq}}};
    d.fmChannels.header = {in(kFmPresetHeaders[0], language), in(kFmPresetHeaders[1], language)};
    for (int k = 0; k < kFmChannels; ++k)
        d.fmChannels.rows.push_back(
            {std::to_string(k + 1), config.fm.channelFreq[static_cast<std::size_t>(k)]});

    d.calibration.title = in(kCalibrationWindowTitle, language);
    d.calibration.header = {""};
    for (const Text& section : kCalibrationSectionCaptions)
        d.calibration.header.push_back(in(section, language));
    for (int group = 0; group < 2; ++group)
        for (int grade = 0; grade < 3; ++grade) {
            std::vector<std::string> row{
                in(kCalibrationGroupTabs[static_cast<std::size_t>(group)], language) + " " +
                in(kCalibrationGradeTitles[static_cast<std::size_t>(grade)], language)};
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

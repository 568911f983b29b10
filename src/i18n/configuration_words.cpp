#include "i18n/configuration_words.h"

#include <QString>

#include "config/channel_lists.h"
#include "config/channel_table.h"
#include "i18n/calibration_captions.h"
#include "i18n/channel_captions.h"
#include "i18n/features_captions.h"
#include "i18n/fm_captions.h"
#include "i18n/main_window_captions.h"

namespace zrt::words {

Text caption(std::span<const Caption> table, std::string_view control, CaptionProp prop, int index) {
    for (const Caption& c : table)
        if (c.control == control && c.prop == prop && c.index == index) return c.text;
    return {};
}

std::string withoutColon(std::string_view s) {
    while (!s.empty() && (s.back() == ':' || s.back() == ' '))
        s.remove_suffix(1);
    return std::string(s);
}

std::string snakeCase(std::string_view caption) {
    const std::string s = withoutColon(caption);
    std::string out;
    bool gap = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        const bool lower = c >= 'a' && c <= 'z', upper = c >= 'A' && c <= 'Z', digit = c >= '0' && c <= '9';
        if (!lower && !upper && !digit) {
            gap = true;
            continue;
        }
        if (upper && i > 0 && s[i - 1] >= 'a' && s[i - 1] <= 'z') gap = true;  // camel case
        if (gap && !out.empty()) out += '_';
        gap = false;
        out += upper ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

std::string shown(const std::string& bytes, bool forTable) {
    QString s = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (forTable)
        for (QChar& c : s)
            if (c.unicode() < 0x20 || c.unicode() == 0x7F || (c.unicode() >= 0x80 && c.unicode() < 0xA0))
                c = u'?';
    return s.toStdString();
}

Block blockOf(FeatureList f) {
    const int i = static_cast<int>(f);
    if (i < static_cast<int>(FeatureList::Combo22)) return Block::Features;
    if (i < static_cast<int>(FeatureList::Combo46)) return Block::VfoA;
    return Block::VfoB;
}

Block blockOf(FeatureText f) {
    switch (f) {
        case FeatureText::Text20:
        case FeatureText::Text21:
            return Block::VfoA;
        case FeatureText::Text3:
        case FeatureText::Text4:
            return Block::VfoB;
        default:
            return Block::Features;
    }
}

Text blockTitle(Block block) {
    switch (block) {
        case Block::VfoA:
            return caption(featuresCaptions(), "Frame3", CaptionProp::Title);
        case Block::VfoB:
            return caption(featuresCaptions(), "Frame5", CaptionProp::Title);
        case Block::Features:
            break;
    }
    return caption(featuresCaptions(), "", CaptionProp::WindowTitle);
}

std::vector<Field> fields(const Features& features, Block block, int language, bool forTable) {
    std::vector<Field> lists, texts;
    for (const FeatureListInfo& info : featureLists())
        if (!info.hidden && blockOf(info.id) == block)
            lists.push_back({info.caption, featureItemText(info.id, features[info.id], language)});
    for (const FeatureTextInfo& info : featureTexts())
        if (blockOf(info.id) == block) texts.push_back({info.caption, shown(features.*info.value, forTable)});
    if (block == Block::Features) {
        lists.insert(lists.end(), texts.begin(), texts.end());
        return lists;
    }
    texts.insert(texts.end(), lists.begin(), lists.end());
    return texts;
}

std::string cellText(const ChannelStore& store, int n, int column, int language, bool forTable) {
    const std::string text = channelCellText(store, n, column, language);
    return column == kNameColumn ? shown(text, forTable) : text;
}

std::string fmListText(int position, std::span<const std::string_view> items) {
    return position >= 0 && position < static_cast<int>(items.size()) ? std::string(items[position])
                                                                      : std::string();
}

std::string fmDisplayText(int position, int language) {
    if (position < 0 || position >= kFmDisplayModeCount) return {};
    return std::string(caption(fmCaptions(), "Combo1_1", CaptionProp::Item, position).in(language));
}

std::string calibrationRow(int group, int grade, int language) {
    const auto calib = calibrationCaptions();
    return std::string(caption(calib, "SSTab1", CaptionProp::Tab, group).in(language)) + " " +
           std::string(caption(calib, "Frame1_" + std::to_string(grade), CaptionProp::Title).in(language));
}

// ---- One field of a comparison --------------------------------------------------------------------

namespace {

Text fmSettingCaption(FmSetting s) {
    switch (s) {
        case FmSetting::CurrentChannel:
            return caption(fmCaptions(), "Label1_0", CaptionProp::Text);
        case FmSetting::DisplayMode:
            return caption(fmCaptions(), "Label1_1", CaptionProp::Text);
        case FmSetting::Step:
            return caption(fmCaptions(), "Label1_2", CaptionProp::Text);
        case FmSetting::Vfo:
            break;
    }
    return caption(fmCaptions(), "Label1_3", CaptionProp::Text);
}

Text captionText(const FieldRef& f) {
    switch (f.area) {
        case FieldArea::Band:
            return caption(mainWindowCaptions(), "Label1", CaptionProp::Text);
        case FieldArea::Channel:
            return caption(channelWindowCaptions(), kGrid1Name, CaptionProp::Header, f.column);
        case FieldArea::FeatureList:
            return featureListInfo(static_cast<FeatureList>(f.index)).caption;
        case FieldArea::FeatureText:
            return featureTextInfo(static_cast<FeatureText>(f.index)).caption;
        case FieldArea::FmPreset:
            return caption(fmCaptions(), "MSFGrid", CaptionProp::Header, 1);
        case FieldArea::FmSetting:
            return fmSettingCaption(static_cast<FmSetting>(f.index));
        case FieldArea::Calibration:
            return caption(calibrationCaptions(), "Label1_" + std::to_string(f.index), CaptionProp::Text);
    }
    return {};
}

}  // namespace

std::string place(const FieldRef& f, int language) {
    switch (f.area) {
        case FieldArea::Band:
            return {};
        case FieldArea::Channel:
            return rowLabel(groupOf(f.index), rowOf(f.index));
        case FieldArea::FeatureList:
            return std::string(blockTitle(blockOf(static_cast<FeatureList>(f.index))).in(language));
        case FieldArea::FeatureText:
            return std::string(blockTitle(blockOf(static_cast<FeatureText>(f.index))).in(language));
        case FieldArea::FmPreset:
            return std::string(caption(fmCaptions(), "", CaptionProp::WindowTitle).in(language)) + " " +
                   std::string(caption(fmCaptions(), "MSFGrid", CaptionProp::Header, 0).in(language)) + " " +
                   std::to_string(f.index + 1);
        case FieldArea::FmSetting:
            return std::string(caption(fmCaptions(), "", CaptionProp::WindowTitle).in(language));
        case FieldArea::Calibration:
            return std::string(caption(calibrationCaptions(), "", CaptionProp::WindowTitle).in(language)) +
                   " " + calibrationRow(f.index / 9, f.index % 9 / 3, language);
    }
    return {};
}

std::string fieldCaption(const FieldRef& f, int language) {
    return withoutColon(captionText(f).in(language));
}

std::string fieldKey(const FieldRef& f) {
    if (f.area == FieldArea::FmSetting && static_cast<FmSetting>(f.index) == FmSetting::Step)
        return "fm_step";
    return snakeCase(captionText(f).en);
}

std::string value(const FieldRef& f, const Configuration& c, int language, bool forTable) {
    switch (f.area) {
        case FieldArea::Band:
            return std::string(kBands[static_cast<std::size_t>(c.band.listIndex)].text);
        case FieldArea::Channel:
            return cellText(c.channels, f.index, f.column, language, forTable);
        case FieldArea::FeatureList:
            return featureItemText(static_cast<FeatureList>(f.index),
                                   c.features.list[static_cast<std::size_t>(f.index)], language);
        case FieldArea::FeatureText:
            return shown(c.features.*featureTextInfo(static_cast<FeatureText>(f.index)).value, forTable);
        case FieldArea::FmPreset:
            return c.fm.channelFreq[static_cast<std::size_t>(f.index)];
        case FieldArea::FmSetting:
            switch (static_cast<FmSetting>(f.index)) {
                case FmSetting::CurrentChannel:
                    return std::to_string(c.fm.currentChannel);
                case FmSetting::DisplayMode:
                    return fmDisplayText(c.fm.displayMode, language);
                case FmSetting::Step:
                    return fmListText(c.fm.step, kFmStepItems);
                case FmSetting::Vfo:
                    return c.fm.vfoFreq;
            }
            return {};
        case FieldArea::Calibration:
            return std::to_string(c.calib.values[static_cast<std::size_t>(f.index)]);
    }
    return {};
}

}  // namespace zrt::words

#include "config/configuration_diff.h"

#include <charconv>
#include <cmath>

#include "config/channel_table.h"

namespace zrt {

namespace {

// Two frequency texts mean the same when they are the same number ("155.000" and "155.00000"); other texts
// only when equal.
bool sameFrequency(const std::string& a, const std::string& b) {
    if (a == b) return true;
    double x = 0, y = 0;
    const auto [ea, ra] = std::from_chars(a.data(), a.data() + a.size(), x);
    const auto [eb, rb] = std::from_chars(b.data(), b.data() + b.size(), y);
    return ra == std::errc() && rb == std::errc() && ea == a.data() + a.size() && eb == b.data() + b.size() &&
           std::fabs(x - y) < 5e-6;
}

bool sameFm(const FmStore& a, const FmStore& b, FmSetting s) {
    switch (s) {
        case FmSetting::CurrentChannel:
            return a.currentChannel == b.currentChannel;
        case FmSetting::DisplayMode:
            return a.displayMode == b.displayMode;
        case FmSetting::Step:
            return a.step == b.step;
        case FmSetting::Vfo:
            return sameFrequency(a.vfoFreq, b.vfoFreq);
    }
    return true;
}

}  // namespace

std::vector<FieldRef> differingFields(const Configuration& a, const Configuration& b) {
    std::vector<FieldRef> out;
    if (a.band.listIndex != b.band.listIndex) out.push_back({FieldArea::Band});
    for (int n = 1; n <= kChannelCount; ++n)
        for (int column : kComparedChannelColumns)
            // Cells as the table shows them: a list column's stored item text is what the radio has.
            if (channelCellText(a.channels, n, column, kEnglish) !=
                channelCellText(b.channels, n, column, kEnglish))
                out.push_back({FieldArea::Channel, n, column});
    for (const FeatureListInfo& info : featureLists())
        if (a.features[info.id] != b.features[info.id])
            out.push_back({FieldArea::FeatureList, static_cast<int>(info.id)});
    for (const FeatureTextInfo& info : featureTexts())
        if (info.filter == KeyFilter::Frequency
                ? !sameFrequency(a.features.*info.value, b.features.*info.value)
                : a.features.*info.value != b.features.*info.value)
            out.push_back({FieldArea::FeatureText, static_cast<int>(info.id)});
    for (FmSetting s : {FmSetting::CurrentChannel, FmSetting::DisplayMode, FmSetting::Step, FmSetting::Vfo})
        if (!sameFm(a.fm, b.fm, s)) out.push_back({FieldArea::FmSetting, static_cast<int>(s)});
    for (int k = 0; k < kFmChannels; ++k)
        if (!sameFrequency(a.fm.channelFreq[static_cast<std::size_t>(k)],
                           b.fm.channelFreq[static_cast<std::size_t>(k)]))
            out.push_back({FieldArea::FmPreset, k});
    for (int i = 0; i < kCalibValues; ++i)
        if (a.calib.values[static_cast<std::size_t>(i)] != b.calib.values[static_cast<std::size_t>(i)])
            out.push_back({FieldArea::Calibration, i});
    return out;
}

}  // namespace zrt

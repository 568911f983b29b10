#include "i18n/calibration_captions.h"

#include <array>
#include <string>
#include <vector>

#include "config/calibration.h"

namespace zrt {

namespace {

using P = CaptionProp;

template <std::size_t N>
std::array<std::string, N> arrayNames(const std::string& control) {
    std::array<std::string, N> names;
    for (std::size_t i = 0; i < N; ++i)
        names[i] = control + "_" + std::to_string(i);
    return names;
}

}  // namespace

std::span<const Caption> calibrationCaptions() {
    // The control names must outlive the table's string views.
    static const auto kFrameNames = arrayNames<6>("Frame1");
    static const auto kSectionLabelNames = arrayNames<kCalibValues>("Label1");
    static const std::vector<Caption> table = [] {
        std::vector<Caption> t{
            {"", P::WindowTitle, 0, kCalibrationWindowTitle},
            {"SSTab1", P::Tab, 0, kCalibrationGroupTabs[0]},
            {"SSTab1", P::Tab, 1, kCalibrationGroupTabs[1]},
        };
        for (std::size_t f = 0; f < kFrameNames.size(); ++f)
            t.push_back({kFrameNames[f], P::Title, 0, kCalibrationGradeTitles[f % 3]});
        for (std::size_t i = 0; i < kSectionLabelNames.size(); ++i)
            t.push_back({kSectionLabelNames[i], P::Text, 0, kCalibrationSectionCaptions[i % 3]});
        return t;
    }();
    return table;
}

}  // namespace zrt

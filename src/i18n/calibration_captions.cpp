#include "i18n/calibration_captions.h"

#include <array>
#include <string>
#include <vector>

#include "config/calibration.h"

namespace zrt {

namespace {

using P = CaptionProp;

constexpr Text kGradeTitles[3] = {{"High Power Grades", "高功率等级"},
                                  {"Middle Power Grades", "中功率等级"},
                                  {"Low Power Grades", "低功率等级"}};
constexpr Text kSectionCaptions[3] = {{"High Sect", "高段"}, {"Mid Sect", "中段"}, {"Low Sect", "低段"}};

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
            {"", P::WindowTitle, 0, {"Debugging Information", "调试信息"}},
            {"SSTab1", P::Tab, 0, {"A Channel", "A组频段"}},
            {"SSTab1", P::Tab, 1, {"B Channel", "B组频段"}},
        };
        for (std::size_t f = 0; f < kFrameNames.size(); ++f)
            t.push_back({kFrameNames[f], P::Title, 0, kGradeTitles[f % 3]});
        for (std::size_t i = 0; i < kSectionLabelNames.size(); ++i)
            t.push_back({kSectionLabelNames[i], P::Text, 0, kSectionCaptions[i % 3]});
        return t;
    }();
    return table;
}

}  // namespace zrt

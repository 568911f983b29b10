// Captions of the calibration window (Form4).
#pragma once

#include <array>
#include <span>

#include "i18n/captions.h"

namespace zrt {

inline constexpr Text kCalibrationWindowTitle{"Debugging Information", "调试信息"};
// The tabs of the two groups (SSTab1).
inline constexpr std::array<Text, 2> kCalibrationGroupTabs{
    {{"A Channel", "A组频段"}, {"B Channel", "B组频段"}}};
// The frames of the three power grades of a group, high first (Frame1(0..2), again as Frame1(3..5)).
inline constexpr std::array<Text, 3> kCalibrationGradeTitles{{{"High Power Grades", "高功率等级"},
                                                              {"Middle Power Grades", "中功率等级"},
                                                              {"Low Power Grades", "低功率等级"}}};
// The three sections of a grade, high first (Label1(0..2), repeated in every frame).
inline constexpr std::array<Text, 3> kCalibrationSectionCaptions{
    {{"High Sect", "高段"}, {"Mid Sect", "中段"}, {"Low Sect", "低段"}}};

std::span<const Caption> calibrationCaptions();

}  // namespace zrt

// The 18 power calibration values and the sliders that show them.
#pragma once

#include <array>

namespace zrt {

inline constexpr int kCalibValues = 18;

struct Calibration {
    std::array<int, kCalibValues> values{};  // CalibValues, index 9 * group + 3 * grade + section
    // The sliders' own positions; before the first decode they show a typical layout that is not copied
    // into the values.
    std::array<int, kCalibValues> sliders{{180, 175, 170, 190, 185, 180, 200, 195, 190,
                                           185, 180, 175, 195, 190, 185, 215, 205, 150}};
    bool unlocked = false;  // the calibration mode's gesture unlocks the sliders
};

}  // namespace zrt

// The 18 power calibration values and the sliders that show them.
#pragma once

#include <array>

namespace zrt {

inline constexpr int kCalibValues = 18;
inline constexpr int kCalibMax = 255;

// Index of a value: group 0 = A, 1 = B; grade 0 high, 1 middle, 2 low power; section 0 high, 1 middle, 2 low.
constexpr int calibIndex(int group, int grade, int section) {
    return 9 * group + 3 * grade + section;
}

struct Calibration {
    // CalibValues, index 9 * group + 3 * grade + section; the sliders show exactly these. Before the first
    // read or Open they hold a typical layout, not zeros: what the window shows is what a write would send.
    std::array<int, kCalibValues> values{
        {180, 175, 170, 190, 185, 180, 200, 195, 190, 185, 180, 175, 195, 190, 185, 215, 205, 150}};
    // The values came from a read, an Open or the user's own slider moves. Until then a calibration write
    // asks first, since it would replace the radio's own calibration with values nobody chose.
    bool known = false;
    bool unlocked = false;  // the calibration mode's gesture unlocks the sliders
    bool operator==(const Calibration&) const = default;
};

// A slider's value changed (by the user or by the decode): the entry takes the value, and the values count as
// known. An index outside 0..17 or a value outside 0..255 changes nothing and returns false.
bool setCalibSlider(Calibration& calib, int index, int value);

}  // namespace zrt

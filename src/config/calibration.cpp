#include "config/calibration.h"

namespace zrt {

bool setCalibSlider(Calibration& calib, int index, int value) {
    if (index < 0 || index >= kCalibValues || value < 0 || value > kCalibMax) return false;
    calib.values[static_cast<std::size_t>(index)] = value;
    calib.known = true;
    return true;
}

}  // namespace zrt

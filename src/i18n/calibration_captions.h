// Captions of the calibration window (Form4).
#pragma once

#include <span>

#include "i18n/captions.h"

namespace zrt {

std::span<const Caption> calibrationCaptions();

}  // namespace zrt

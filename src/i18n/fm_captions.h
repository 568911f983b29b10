// Captions of the FM radio window (Form5).
#pragma once

#include <span>

#include "i18n/captions.h"

namespace zrt {

std::span<const Caption> fmCaptions();

}  // namespace zrt

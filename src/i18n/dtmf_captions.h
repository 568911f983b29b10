// Captions of the DTMF window (Form2).
#pragma once

#include <span>

#include "i18n/captions.h"

namespace zrt {

std::span<const Caption> dtmfCaptions();

}  // namespace zrt

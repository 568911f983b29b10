// The captions of the About box (FrmAbout) in both languages.
#pragma once

#include <span>

#include "i18n/captions.h"

namespace zrt {

std::span<const Caption> aboutCaptions();

}  // namespace zrt

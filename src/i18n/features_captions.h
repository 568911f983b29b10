// Captions of the optional-features window (Form3): the window's title, tabs, frames and check boxes, and
// every translated field caption and list item of the optional-features tables.
#pragma once

#include <span>

#include "i18n/captions.h"

namespace zrt {

std::span<const Caption> featuresCaptions();

}  // namespace zrt

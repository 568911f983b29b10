// The captions of the channel window (Form1): title, group tabs, list items and the table headers.
#pragma once

#include <span>

#include "i18n/captions.h"

namespace zrt {

// Object names of the channel window's controls.
inline constexpr std::string_view kGrid1Name = "Grid1";
inline constexpr std::string_view kGrid2Name = "Grid2";
inline constexpr std::string_view kTabStripName = "TabStrip1";

std::span<const Caption> channelWindowCaptions();

}  // namespace zrt

// The captions of the channel window (Form1): title, group tabs, list items and the table headers.
#pragma once

#include <array>
#include <span>

#include "i18n/captions.h"

namespace zrt {

// Object names of the channel window's controls.
inline constexpr std::string_view kGrid1Name = "Grid1";
inline constexpr std::string_view kGrid2Name = "Grid2";
inline constexpr std::string_view kTabStripName = "TabStrip1";

// Combo5(11) belongs to the list array but serves no column (names are typed into a text box); it is never
// shown, and its two items follow the language like those of its siblings.
inline constexpr std::string_view kUnusedListName = "Combo5_11";
inline constexpr std::array<Text, 2> kUnusedListItems{{{"On", "开"}, {"Off", "关"}}};

std::span<const Caption> channelWindowCaptions();

}  // namespace zrt

// The 265-item tone list shared by the channel tables and the VFO tone fields.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zrt {

inline constexpr int kToneListSize = 265;
inline constexpr int kFirstCtcss = 1;
inline constexpr int kFirstDcsNormal = 51;
inline constexpr int kFirstDcsInverted = 158;

// Item text at a position; position 0 is the Off item in the given language (0 Chinese, 1 English).
std::string toneListItem(int position, int languageIndex);
// The first position whose text equals the text exactly; 0 (Off) when none does.
int toneListIndex(std::string_view text);

}  // namespace zrt

// The key filters of the channel table's two text editors: what a typed character becomes. Like the
// length limits, they judge typing only; text the program puts into an editor is never cut.
#pragma once

#include <optional>

#include "config/typing_rule.h"

namespace zrt {

inline constexpr int kFrequencyMaxLength = 9;  // Text1
inline constexpr int kNameMaxLength = 6;       // Text2

// Text1: digits, "." and Backspace; every other key is dropped.
std::optional<char32_t> filterFrequencyKey(char32_t key);
// Text2: "a".."z" become upper case; then codes 35 ("#") to 122 ("z"), "." and Backspace pass.
std::optional<char32_t> filterNameKey(char32_t key);

}  // namespace zrt

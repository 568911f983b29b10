// What a text box lets the user put into it: a rule per character and a length limit, alike for typed keys,
// pastes, drops and input methods. Text the program puts into a box is never judged by them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zrt {

// What a typed character becomes, or nothing when the box refuses it. Every rule lets Backspace through, as
// the key that edits; filterTyping never inserts it or any other control character.
using KeyRule = std::optional<char32_t> (*)(char32_t key);
inline constexpr char32_t kBackspaceKey = U'\b';

struct TypedText {
    std::u32string text;
    std::size_t cursor = 0;
};

// An edit of the user turned `before` into `after`, leaving the cursor at `cursor` (just behind what it
// inserted). Every inserted character passes the rule as if it had been typed, changed or dropped, and
// insertion stops where the box would hold more than maxLength characters (0: no limit). Characters that were
// there before are left alone, so a longer text that the program put there can still be edited shorter.
TypedText filterTyping(KeyRule rule, std::size_t maxLength, std::u32string_view before,
                       std::u32string_view after, std::size_t cursor);

}  // namespace zrt

#include "config/typing_rule.h"

#include <algorithm>

namespace zrt {

TypedText filterTyping(KeyRule rule, std::size_t maxLength, std::u32string_view before,
                       std::u32string_view after, std::size_t cursor) {
    cursor = std::min(cursor, after.size());
    // What follows the cursor was there before (an insertion leaves the cursor behind itself); when it was
    // not (an undo, say), the longest common tail is taken instead.
    std::size_t suffix = after.size() - cursor;
    if (suffix > before.size() || before.substr(before.size() - suffix) != after.substr(cursor)) {
        suffix = 0;
        while (suffix < before.size() && suffix < after.size() &&
               before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
            ++suffix;
    }
    std::size_t prefix = 0;
    while (prefix < before.size() - suffix && prefix < after.size() - suffix &&
           before[prefix] == after[prefix])
        ++prefix;

    TypedText out;
    out.text = after.substr(0, prefix);
    std::size_t kept = before.size() - (before.size() - suffix - prefix);  // what stays of `before`
    for (std::size_t i = prefix; i < after.size() - suffix; ++i) {
        if (maxLength != 0 && kept >= maxLength) break;
        const std::optional<char32_t> c = rule ? rule(after[i]) : std::optional<char32_t>(after[i]);
        if (!c || *c < 0x20 || *c == 0x7F) continue;  // Backspace and other controls are no characters
        out.text += *c;
        ++kept;
    }
    out.cursor = out.text.size();
    out.text += after.substr(after.size() - suffix);
    return out;
}

}  // namespace zrt

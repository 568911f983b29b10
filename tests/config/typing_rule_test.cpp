// What every text box lets in, whichever way the text arrives: typed, pasted, dropped or composed.
#include "config/typing_rule.h"

#include <gtest/gtest.h>

#include "config/channel_keys.h"
#include "config/feature_rules.h"

namespace zrt {
namespace {

std::string utf8(std::u32string_view text) {
    std::string out;
    for (const char32_t c : text)
        out += c < 0x80 ? std::string(1, static_cast<char>(c)) : "<U+" + std::to_string(c) + ">";
    return out;
}

TEST(TypingRule, EveryBoxFiltersWhatAnEditInsertsAndStopsAtItsLength) {
    struct Case {
        const char* box;
        KeyRule rule;
        std::size_t maxLength;
        std::u32string before, after;
        std::size_t cursor;  // where the edit left the cursor
        std::u32string text;
        std::size_t cursorAfter;
    };
    const KeyRule digits = digitKey;
    const KeyRule frequency = frequencyKey;
    const KeyRule chars = displayCharKey;
    const Case cases[] = {
        // Each character as if typed, changed or dropped, up to the length; the text box tests hold each box.
        {"name: middle-click paste onto itself", filterNameKey, 6, U"ABCDEF", U"ABCDEFABCDEF", 12, U"ABCDEF",
         6},
        {"name: over a selection", filterNameKey, 6, U"ABCDEF", U"ABxEF", 3, U"ABXEF", 3},
        {"name: the ends of the range", filterNameKey, 6, U"", U"!\"#_z{~\x7F", 8, U"#_Z", 3},
        {"channel frequency: control characters", filterFrequencyKey, 9, U"", U"1\t4\b5", 5, U"145", 3},
        {"display characters: repeated text", chars, 6, U"ABAB", U"ABaAB", 3, U"ABAAB", 3},
        {"display characters: full-width", chars, 6, U"", U"Ａ1", 2, U"1", 1},
        {"password: inserted in the middle", digits, 4, U"14", U"1x234", 4, U"1234", 3},
        // A longer text that the program put there is never cut: it may be edited shorter, not longer, and
        // the characters it already had stay editable.
        {"password set by the program", digits, 4, U"1234567", U"123456", 6, U"123456", 6},
        {"password set by the program, typed into", digits, 4, U"1234567", U"12345678", 8, U"1234567", 7},
        {"frequency set by the program, typed into", frequency, 9, U"FFF.F", U"FFF.FX", 6, U"FFF.F", 5},
        {"name with a byte 255", filterNameKey, 6, U"A\u00FFB", U"A\u00FFxB", 3, U"A\u00FFXB", 3},
        // An edit that leaves the cursor elsewhere (an undo) is judged by what changed.
        {"name: cursor before the change", filterNameKey, 6, U"AB", U"ABc", 0, U"ABC", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        const TypedText out = filterTyping(c.rule, c.maxLength, c.before, c.after, c.cursor);
        EXPECT_EQ(utf8(out.text), utf8(c.text));
        EXPECT_EQ(out.cursor, c.cursorAfter);
    }
}

}  // namespace
}  // namespace zrt

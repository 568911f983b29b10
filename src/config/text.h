// A text of the program in its two languages, and the few plain-text helpers the core's readers of typed and
// imported texts share. LanguageIndex 0 is simplified Chinese, 1 English.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zrt {

inline constexpr int kChinese = 0;
inline constexpr int kEnglish = 1;

struct Text {
    std::string_view en;
    std::string_view zh;
    constexpr std::string_view in(int languageIndex) const { return languageIndex == kChinese ? zh : en; }
};

// Fills %1, %2, ... of a text; a number with no value gives nothing.
std::string fillText(std::string_view text, const std::vector<std::string>& values);

// The text without the spaces and tabs around it.
std::string_view trimBlanks(std::string_view text);
// "a".."z" raised; every other byte as it is.
std::string asciiUpper(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// The radio's single-byte texts as this program shows them: each byte is the character of that code
// (Latin-1), written as UTF-8.
std::string latin1ToUtf8(std::string_view bytes);
// The characters of a UTF-8 text; a byte that starts no complete sequence gives U+FFFD and is passed over
// alone.
std::u32string utf8Characters(std::string_view utf8);

}  // namespace zrt

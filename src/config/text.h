// A text of the program in its two languages. LanguageIndex 0 is simplified Chinese, 1 English.
#pragma once

#include <string_view>

namespace zrt {

inline constexpr int kChinese = 0;
inline constexpr int kEnglish = 1;

struct Text {
    std::string_view en;
    std::string_view zh;
    constexpr std::string_view in(int languageIndex) const { return languageIndex == kChinese ? zh : en; }
};

}  // namespace zrt

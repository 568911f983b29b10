// The item texts of the channel table's list columns 5..10 (Combo5(5)..Combo5(10)) and of the tone
// column list, in both languages, as the table, the decode and the caption table use them.
#pragma once

#include <array>
#include <string>

#include "config/text.h"

namespace zrt {

inline constexpr int kFirstListColumn = 5;  // Combo5(5): power
inline constexpr int kLastListColumn = 10;  // Combo5(10): scramble
inline constexpr int kHiddenColumn = 9;     // Combo5(9): no width, no texts, but a store slot

// Items 0 and 1 of Combo5(k), k = 5..10.
inline constexpr std::array<std::array<Text, 2>, kLastListColumn - kFirstListColumn + 1> kChannelListItems{{
    {{{"Low", "低"}, {"High", "高"}}},
    {{{"Carry", "载波"}, {"Off", "关"}}},
    {{{"Off", "禁止"}, {"On", "使能"}}},
    {{{"Narrow", "窄带"}, {"wide", "宽带"}}},
    {{{"", ""}, {"", ""}}},
    {{{"On", "开"}, {"Off", "关"}}},
}};

// A new wide channel shows "Wide" with a capital, unlike item 1 of Combo5(8).
inline constexpr Text kNewChannelWide{"Wide", "宽带"};

// Item `position` (0 or 1) of Combo5(column), column 5..10; "" for anything else.
std::string channelListItem(int column, int position, int languageIndex);

// Item `position` of the tone list Combo1 (0 is the Off item of the language).
std::string channelToneItem(int position, int languageIndex);

}  // namespace zrt

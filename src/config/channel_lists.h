// The item texts of a channel's lists (the table's Combo5(5)..Combo5(10)) and of the tone list, in both
// languages, as the table, the command line and the caption table show them.
#pragma once

#include <array>
#include <string>

#include "config/channel_store.h"
#include "config/text.h"

namespace zrt {

// Items 0 and 1 of each list of kFlagLists, in that order (power .. scramble); the hidden list has no texts.
inline constexpr std::array<std::array<Text, 2>, kFlagLists.size()> kChannelListItems{{
    {{{"Low", "低"}, {"High", "高"}}},
    {{{"Carry", "载波"}, {"Off", "关"}}},
    {{{"Off", "禁止"}, {"On", "使能"}}},
    {{{"Narrow", "窄带"}, {"wide", "宽带"}}},
    {{{"", ""}, {"", ""}}},
    {{{"On", "开"}, {"Off", "关"}}},
}};

// A new wide channel shows "Wide" with a capital, unlike item 1 of Combo5(8).
inline constexpr Text kNewChannelWide{"Wide", "宽带"};

// Item `position` (0 or 1) of a flag list; "" for the tone lists and anything else.
std::string channelListItem(ChannelList list, int position, int languageIndex);

// Item `position` of the tone list Combo1 (0 is the Off item of the language).
std::string channelToneItem(int position, int languageIndex);

}  // namespace zrt

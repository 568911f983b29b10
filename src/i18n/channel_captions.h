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

inline constexpr Text kChannelWindowTitle{"Channel Edit", "信道编辑"};
// The tabs of group A and group B.
inline constexpr std::array<Text, 2> kChannelGroupTabs{{{"Group A", "A组频段"}, {"Group B", "B组频段"}}};
// The headers of the table's columns 0 ("Fre", the row label) to 11 (the name); column 9 is the hidden one.
inline constexpr std::array<Text, 12> kChannelColumnHeaders{{
    {"Fre", "频道"},
    {"RX Fre", "接收频率"},
    {"TX Fre", "发射频率"},
    {"QT/DQT Dec", "接收亚音频"},
    {"QT/DQT Enc", "发射亚音频"},
    {"Power", "功率"},
    {"Channel lock", "繁忙信道锁定"},
    {"Add scan", "扫描添加"},
    {"Band", "宽/窄带"},
    {"", ""},
    {"Scramble", "倒频"},
    {"Channel Name", "频道名称"},
}};

std::span<const Caption> channelWindowCaptions();

}  // namespace zrt

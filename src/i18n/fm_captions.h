// Captions of the FM radio window (Form5).
#pragma once

#include <array>
#include <span>

#include "i18n/captions.h"

namespace zrt {

inline constexpr Text kFmWindowTitle{"FM Channel Set", "FM频道设置"};
inline constexpr Text kFmPresentChannelCaption{"Present Channel:", "当前收音机工作频道:"};  // Label1(0)
inline constexpr Text kFmDisplayModeCaption{"FM Display Mode:", "显示模式:"};               // Label1(1)
inline constexpr Text kFmVfoCaption{"FM VFO:", "收音机全频频率:"};                          // Label1(3)
// The items of the display mode list Combo1(1).
inline constexpr std::array<Text, 2> kFmDisplayModeItems{{{"Channel", "频道"}, {"Frequency", "频率"}}};
// The headers of the presets' table MSFGrid.
inline constexpr std::array<Text, 2> kFmPresetHeaders{{{"Channel", "频道"}, {"Frequency(MHz)", "频率(MHz)"}}};

std::span<const Caption> fmCaptions();

}  // namespace zrt

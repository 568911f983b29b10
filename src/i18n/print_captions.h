// The few texts of the printed configuration that no window has.
#pragma once

#include "config/text.h"

namespace zrt {

inline constexpr Text kPrintDate{"Date:", "日期:"};
inline constexpr Text kPrintFile{"File:", "文件:"};
inline constexpr Text kPrintUsedChannels{"Used channels: %1", "已用信道: %1"};
inline constexpr Text kPrintNoChannels{"No channels", "没有信道"};
inline constexpr Text kPrintPreviewTitle{"Print Preview", "打印预览"};
inline constexpr Text kPrintPage{"Page %1 of %2", "第 %1 页，共 %2 页"};

}  // namespace zrt

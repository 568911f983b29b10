// The command line's own texts in both languages; the program's messages come from config/messages.h.
// %1, %2 ... are filled in with fillText().
#pragma once

#include "config/text.h"

namespace zrt::cli {

inline constexpr Text kNoPort{"No serial port given: use --port DEVICE (or set ZRT410_PORT).",
                              "未指定串口：请使用 --port 设备（或设置环境变量 ZRT410_PORT）。"};
inline constexpr Text kSaved{"Saved %1", "已保存 %1"};
inline constexpr Text kAnsweredOk{"OK", "确定"};
inline constexpr Text kVerifying{"Reading the radio back to check the write…", "正在读回对讲机以校验写入……"};
inline constexpr Text kBlockDiffers{"Block 0x%1: first difference at 0x%2 (written 0x%3, read 0x%4)",
                                    "数据块 0x%1：首个不同的字节在 0x%2（写入 0x%3，读回 0x%4）"};
inline constexpr Text kVerifyFailed{"Check failed: %1 of the %2 blocks written differ.",
                                    "校验失败：写入的 %2 个数据块中有 %1 个不同。"};
inline constexpr Text kVerifyPassed{"Checked: the radio holds all %1 blocks written.",
                                    "校验通过：对讲机中的 %1 个数据块与写入的一致。"};
inline constexpr Text kInterrupted{"Interrupted: the radio was told to leave programming mode.",
                                   "已中断：已通知对讲机退出编程模式。"};
inline constexpr Text kPartlyWritten{
    "The radio's memory may be only partly written: write it again before use.",
    "对讲机的存储可能只写入了一部分：使用前请重新写入。"};

// Headings of `show` that no window has.
inline constexpr Text kChannelsNone{"No channel is set.", "没有已设置的信道。"};

}  // namespace zrt::cli

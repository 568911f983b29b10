// The command line's texts for several radios, in both languages; %1, %2 ... are filled in with fillText().
#pragma once

#include "config/text.h"

namespace zrt::cli {

inline constexpr Text kColumnPort{"Port", "串口"};
inline constexpr Text kColumnResult{"Result", "结果"};
inline constexpr Text kColumnTime{"Time", "用时"};
inline constexpr Text kColumnFile{"File", "文件"};
inline constexpr Text kColumnProgrammed{"Programmed", "已编程"};
inline constexpr Text kColumnFailed{"Failed", "失败"};
inline constexpr Text kFirstDifference{"%1 at 0x%2", "%1，首个不同在 0x%2"};
inline constexpr Text kNoDeviceMatches{"No serial device matches %1", "没有与 %1 匹配的串口设备"};
inline constexpr Text kNoPortListed{"The system lists no serial port.", "系统中没有串口。"};
inline constexpr Text kNotAFolder{"Not a folder that can be written to: %1", "无法写入的文件夹：%1"};
inline constexpr Text kLogNotOpened{"The log file could not be opened: %1", "无法打开日志文件：%1"};
inline constexpr Text kRadioProgrammed{"%1: radio %2 programmed", "%1：第 %2 台对讲机编程完成"};
inline constexpr Text kRadioNotProgrammed{"%1: radio not programmed: %2", "%1：对讲机未编程：%2"};
inline constexpr Text kStationWaiting{"Waiting for radios on %1 port(s); Ctrl+C ends.",
                                      "正在 %1 个串口上等待对讲机；按 Ctrl+C 结束。"};
inline constexpr Text kStationStopping{
    "Stopping once the radios in hand are done (Ctrl+C again cuts them off)…",
    "当前的对讲机完成后停止（再按 Ctrl+C 立即中断）……"};

}  // namespace zrt::cli

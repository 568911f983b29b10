// The words of programming several radios, shared by the Program Several Radios window and the command
// line: what a port is doing and what became of its radio, and the window's caption table.
#pragma once

#include <span>

#include "i18n/captions.h"
#include "session/station_cycle.h"

namespace zrt {

std::span<const Caption> stationCaptions();

constexpr Text phaseText(StationPhase phase) {
    switch (phase) {
        case StationPhase::Waiting:
            return {"waiting for a radio", "等待对讲机"};
        case StationPhase::Writing:
            return {"writing", "正在写入"};
        case StationPhase::Settling:
        case StationPhase::Verifying:
            return {"checking", "正在校验"};
        case StationPhase::Reading:
            return {"reading", "正在读取"};
        case StationPhase::Leaving:
            return {"done: switch it off", "完成：请关闭对讲机"};
        case StationPhase::Ended:
            return {"stopped", "已停止"};
    }
    return {"", ""};
}

constexpr Text resultText(RadioResult result) {
    switch (result) {
        case RadioResult::Written:
            return {"written", "已写入"};
        case RadioResult::Verified:
            return {"verified", "已校验"};
        case RadioResult::Read:
            return {"read", "已读取"};
        case RadioResult::BandRefused:
            return {"refused band", "频段不符"};
        case RadioResult::CalibrationRefused:
            return {"calibration not read: not written", "校准数据未读出：未写入"};
        case RadioResult::NoAnswer:
            return {"no answer", "无应答"};
        case RadioResult::StoppedAnswering:
            return {"stopped answering", "中途无应答"};
        case RadioResult::VerifyFailed:
            return {"verify failed", "校验失败"};
        case RadioResult::CablePulled:
            return {"cable pulled", "连线断开"};
        case RadioResult::Interrupted:
            return {"interrupted", "已中断"};
    }
    return {"", ""};
}

// What a port can come to before any radio is reached.
inline constexpr Text kPortNotOpened{"port not opened", "串口无法打开"};
inline constexpr Text kPortRefused{"port not opened: no permission", "串口无法打开：没有权限"};
inline constexpr Text kNotSaved{"not saved", "未能保存"};
inline constexpr Text kStationSummary{"Programmed: %1    Failed: %2", "已编程：%1    失败：%2"};

}  // namespace zrt

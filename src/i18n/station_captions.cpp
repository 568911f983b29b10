#include "i18n/station_captions.h"

#include <array>

namespace zrt {

namespace {

using P = CaptionProp;

constexpr std::array kStation{
    Caption{"", P::WindowTitle, 0, {"Program Several Radios", "多台对讲机编程"}},
    Caption{"FramePorts", P::Title, 0, {"Ports", "串口"}},
    Caption{"lblPortHeader", P::Text, 0, {"Port", "串口"}},
    Caption{"lblProgressHeader", P::Text, 0, {"Progress", "进度"}},
    Caption{"lblStateHeader", P::Text, 0, {"State", "状态"}},
    Caption{"lblCountHeader", P::Text, 0, {"Programmed", "已编程"}},
    Caption{"lblNoPorts", P::Text, 0, {"No serial port found.", "未找到串口。"}},
    Caption{"cmdRefresh", P::Text, 0, {"Refresh", "刷新"}},
    Caption{"FrameSource", P::Title, 0, {"Write", "写入内容"}},
    Caption{"optCurrent", P::Text, 0, {"The current configuration", "当前配置"}},
    Caption{"optFile", P::Text, 0, {"A data file:", "数据文件："}},
    Caption{"cmdBrowse", P::Text, 0, {"Browse…", "浏览…"}},
    Caption{"chkVerify",
            P::Text,
            0,
            {"Verify (read each radio back and compare)", "校验（读回每台对讲机并比较）"}},
    Caption{"cmdStart", P::Text, 0, {"Start", "开始"}},
    Caption{"cmdStop", P::Text, 0, {"Stop", "停止"}},
};

}  // namespace

std::span<const Caption> stationCaptions() {
    return kStation;
}

}  // namespace zrt

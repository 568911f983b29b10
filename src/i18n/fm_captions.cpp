#include "i18n/fm_captions.h"

namespace zrt {

namespace {

using P = CaptionProp;

constexpr Caption kFmCaptions[] = {
    {"", P::WindowTitle, 0, {"FM Channel Set", "FM频道设置"}},
    {"Label1_3", P::Text, 0, {"FM VFO:", "收音机全频频率:"}},
    {"Label1_0", P::Text, 0, {"Present Channel:", "当前收音机工作频道:"}},
    {"Label1_1", P::Text, 0, {"FM Display Mode:", "显示模式:"}},
    // The step label is hidden and reads the same in both languages.
    {"Label1_2", P::Text, 0, {"收音机步进频率:", "收音机步进频率:"}},
    {"Combo1_1", P::Item, 0, {"Channel", "频道"}},
    {"Combo1_1", P::Item, 1, {"Frequency", "频率"}},
    {"Command1", P::Text, 0, {"OK", "确定"}},
    {"Command2", P::Text, 0, {"Cancel", "取消"}},
    {"MSFGrid", P::Header, 0, {"Channel", "频道"}},
    {"MSFGrid", P::Header, 1, {"Frequency(MHz)", "频率(MHz)"}},
};

}  // namespace

std::span<const Caption> fmCaptions() {
    return kFmCaptions;
}

}  // namespace zrt

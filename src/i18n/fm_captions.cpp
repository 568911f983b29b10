#include "i18n/fm_captions.h"

namespace zrt {

namespace {

using P = CaptionProp;

constexpr Caption kFmCaptions[] = {
    {"", P::WindowTitle, 0, kFmWindowTitle},
    {"Label1_3", P::Text, 0, kFmVfoCaption},
    {"Label1_0", P::Text, 0, kFmPresentChannelCaption},
    {"Label1_1", P::Text, 0, kFmDisplayModeCaption},
    // The step label is hidden and reads the same in both languages.
    {"Label1_2", P::Text, 0, {"收音机步进频率:", "收音机步进频率:"}},
    {"Combo1_1", P::Item, 0, kFmDisplayModeItems[0]},
    {"Combo1_1", P::Item, 1, kFmDisplayModeItems[1]},
    {"Command1", P::Text, 0, {"OK", "确定"}},
    {"Command2", P::Text, 0, {"Cancel", "取消"}},
    {"MSFGrid", P::Header, 0, kFmPresetHeaders[0]},
    {"MSFGrid", P::Header, 1, kFmPresetHeaders[1]},
};

}  // namespace

std::span<const Caption> fmCaptions() {
    return kFmCaptions;
}

}  // namespace zrt

#include "i18n/about_captions.h"

#include <array>

namespace zrt {

namespace {

constexpr std::array kAbout{
    Caption{"", CaptionProp::WindowTitle, 0, {"Help", "帮助"}},
    Caption{
        "lblTitle", CaptionProp::Text, 0, {"ZR-T410 Radio Programming Software", "ZR-T410 对讲机编程软件"}},
    Caption{
        "lblVersion", CaptionProp::Text, 0, {"English edition V" ZRT_VERSION, "简体中文版 V" ZRT_VERSION}},
};

}  // namespace

std::span<const Caption> aboutCaptions() {
    return kAbout;
}

}  // namespace zrt

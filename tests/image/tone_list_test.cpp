// Lookups the field round-trip property does not make: the list's ends and texts that are not in it.
#include "image/tone_list.h"

#include <gtest/gtest.h>

#include "config/text.h"

namespace zrt {
namespace {

TEST(ToneList, EndsAndTextsOutsideTheList) {
    EXPECT_EQ(toneListItem(0, kChinese), "关闭");
    EXPECT_EQ(toneListItem(264, kEnglish), "D754I");
    EXPECT_EQ(toneListItem(265, kEnglish), "");
    for (const char* text : {"00.0", "FFF.F", "Off", "d023n", ""})
        EXPECT_EQ(toneListIndex(text), 0) << text;
}

}  // namespace
}  // namespace zrt

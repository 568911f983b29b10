#include "image/tone_list.h"

#include <gtest/gtest.h>

#include <set>

#include "config/text.h"

namespace zrt {
namespace {

TEST(ToneList, HasItsItemsInOrder) {
    EXPECT_EQ(toneListItem(0, kEnglish), "Off");
    EXPECT_EQ(toneListItem(0, kChinese), "关闭");
    EXPECT_EQ(toneListItem(1, kEnglish), "67.0");
    EXPECT_EQ(toneListItem(51, kEnglish), "D017N");  // the codes, normal then inverted
    EXPECT_EQ(toneListItem(158, kEnglish), "D017I");
    EXPECT_EQ(toneListItem(264, kEnglish), "D754I");
    EXPECT_EQ(toneListItem(265, kEnglish), "");

    std::set<std::string> distinct;
    for (int p = 0; p < kToneListSize; ++p)
        distinct.insert(toneListItem(p, kEnglish));
    EXPECT_EQ(distinct.size(), 265u);
    for (int p = 1; p < kToneListSize; ++p)
        EXPECT_EQ(toneListIndex(toneListItem(p, kEnglish)), p);
}

TEST(ToneList, UnknownTextIsOff) {
    EXPECT_EQ(toneListIndex("00.0"), 0);
    EXPECT_EQ(toneListIndex("FFF.F"), 0);
    EXPECT_EQ(toneListIndex("Off"), 0);
    EXPECT_EQ(toneListIndex("d023n"), 0);
    EXPECT_EQ(toneListIndex("D703N"), 51 + 99);
}

}  // namespace
}  // namespace zrt

// The optional features: items the table makes, and what StartForm resets and keeps.
#include <gtest/gtest.h>

#include <string>

#include "config/configuration.h"

namespace zrt {
namespace {

using FL = FeatureList;

// Items the table makes rather than lists, and positions a list does not have.
TEST(FeaturesItems, MadeItemsAndPositionsOutsideTheList) {
    struct Case {
        FL list;
        int position;
        std::string en, zh;
    };
    const Case cases[] = {
        {FL::Combo19, 7, "7 Minute", "7 分钟"},
        {FL::Combo35, 15, "15 Hour", "15 小时"},
        {FL::Combo22, 1, "67.0", "67.0"},
        {FL::Combo47, 264, "D754I", "D754I"},
        {FL::Combo1, 2, "", ""},
        {FL::Combo1, -1, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(featureItemText(c.list, c.position, kEnglish), c.en) << featureListInfo(c.list).control;
        EXPECT_EQ(featureItemText(c.list, c.position, kChinese), c.zh) << featureListInfo(c.list).control;
    }
}

TEST(FeaturesStartForm, ResetsEveryFieldButThePasswordTheVfoFrequenciesAndTheCheckBoxes) {
    Features f;
    f.list.fill(99);
    f.text6 = f.text2 = "12";
    f.text21 = f.text4 = "5.00000";
    f.text31 = "HELLO";
    f.text1 = "1234";
    f.text20 = "150.00000";
    f.text3 = "440.00000";
    f.check12 = true;
    f.check13 = false;
    featuresStartForm(f);

    const std::pair<FL, int> defaults[] = {
        {FL::Combo1, 1},  {FL::Combo18, 2}, {FL::Combo35, 0}, {FL::Combo11, 0}, {FL::Combo10, 0},
        {FL::Combo39, 0}, {FL::Combo3, 4},  {FL::Combo37, 4}, {FL::Combo5, 4},  {FL::Combo36, 4},
        {FL::Combo19, 1}, {FL::Combo33, 1}, {FL::Combo21, 1}, {FL::Combo31, 0}, {FL::Combo14, 3},
        {FL::Combo15, 0}, {FL::Combo22, 0}, {FL::Combo47, 0}, {FL::Combo24, 1}, {FL::Combo30, 2},
        {FL::Combo49, 2}, {FL::Combo27, 1}, {FL::Combo50, 1}, {FL::Combo12, 1}, {FL::Combo29, 1},
        {FL::Combo4, 4},
    };
    for (auto [list, position] : defaults)
        EXPECT_EQ(f[list], position) << featureListInfo(list).control;
    for (const auto& info : featureLists())
        EXPECT_EQ(f[info.id], info.defaultPosition) << info.control;
    EXPECT_EQ(f.text6, "1");
    EXPECT_EQ(f.text2, "1");
    EXPECT_EQ(f.text21, "0.00000");
    EXPECT_EQ(f.text4, "0.00000");
    EXPECT_EQ(f.text31, "");
    EXPECT_EQ(f.text1, "1234");
    EXPECT_EQ(f.text20, "150.00000");
    EXPECT_EQ(f.text3, "440.00000");
    EXPECT_TRUE(f.check12);
    EXPECT_FALSE(f.check13);
}

}  // namespace
}  // namespace zrt

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
        {FL::TimeOutTimer, 7, "7 Minute", "7 分钟"},
        {FL::AutoPowerOff, 15, "15 Hour", "15 小时"},
        {FL::VfoADecodeTone, 1, "67.0", "67.0"},
        {FL::VfoBEncodeTone, 264, "D754I", "D754I"},
        {FL::ADisplayMode, 2, "", ""},
        {FL::ADisplayMode, -1, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(featureItemText(c.list, c.position, kEnglish), c.en) << featureListInfo(c.list).control;
        EXPECT_EQ(featureItemText(c.list, c.position, kChinese), c.zh) << featureListInfo(c.list).control;
    }
}

TEST(FeaturesStartForm, ResetsEveryFieldButThePasswordTheVfoFrequenciesAndTheCheckBoxes) {
    Features f;
    f.list.fill(99);
    f.aChannelNumber = f.bChannelNumber = "12";
    f.vfoAOffset = f.vfoBOffset = "5.00000";
    f.displayCharacters = "HELLO";
    f.password = "1234";
    f.vfoAFrequency = "150.00000";
    f.vfoBFrequency = "440.00000";
    f.allowCancel = true;
    f.voxOffWhileReceiving = false;
    featuresStartForm(f);

    for (const auto& info : featureLists())
        EXPECT_EQ(f[info.id], info.defaultPosition) << info.control;
    EXPECT_EQ(f.aChannelNumber, "1");
    EXPECT_EQ(f.bChannelNumber, "1");
    EXPECT_EQ(f.vfoAOffset, "0.00000");
    EXPECT_EQ(f.vfoBOffset, "0.00000");
    EXPECT_EQ(f.displayCharacters, "");
    EXPECT_EQ(f.password, "1234");
    EXPECT_EQ(f.vfoAFrequency, "150.00000");
    EXPECT_EQ(f.vfoBFrequency, "440.00000");
    EXPECT_TRUE(f.allowCancel);
    EXPECT_FALSE(f.voxOffWhileReceiving);
}

}  // namespace
}  // namespace zrt

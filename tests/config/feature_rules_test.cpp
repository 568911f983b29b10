// What the optional-features boxes' checks make of a text, the items the lists make, and what StartForm
// resets and keeps.
#include "config/feature_rules.h"

#include <gtest/gtest.h>

#include "config/configuration.h"

namespace zrt {
namespace {

TEST(FeatureChecks, VfoFrequencyAgainstTheBand) {
    const BandLimits band0{136, 174, 400, 470};
    const BandLimits band3{136, 174, 245, 250};
    const BandLimits band2{144, 148, 430, 440};
    struct Case {
        BandLimits limits;
        std::string text, result;
    };
    const Case cases[] = {
        {band0, "174", "136.00000"},  // upper limit excluded
        {band0, "173.9999", "173.99500"},
        {band0, "136", "136.00000"},        // lower limit included
        {band0, "145.00625", "145.00625"},  // on the 6.25 kHz raster
        {band0, "145.005", "145.00500"},    // on the 5 kHz raster
        {band0, "145.003", "145.00000"},    // a tie goes to 6.25 kHz
        {band0, "469.019", "469.01875"},
        {band0, "470", "136.00000"},
        {band0, "", "136.00000"},
        {band0, "145.1.2", "145.10000"},     // the leading number counts
        {band0, "173.999996", "136.00000"},  // rounds onto the upper limit
        {band3, "247.5", "247.50000"},
        {band2, "150", "136.00000"},  // replaced even where 136 MHz is
                                      // outside the band
        {band2, "435", "435.00000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkVfoFrequency(c.text, c.limits), c.result) << c.text;
}

TEST(FeatureChecks, VfoOffset) {
    const std::pair<std::string, std::string> cases[] = {
        {"120", "99.99500"}, {"99.995", "99.99500"}, {"99.996", "99.99500"}, {"5", "5.00000"},
        {"0.6", "0.60000"},  {"", "0.00000"},        {"1.00300", "1.00000"}, {"12.34567", "12.34500"},
    };
    for (const auto& [text, result] : cases)
        EXPECT_EQ(checkVfoOffset(text), result) << text;
}

TEST(FeatureChecks, ChannelNumbers) {
    const std::pair<std::string, std::string> lostFocus[] = {
        {"", ""}, {"0", ""}, {"00", ""}, {"007", "7"}, {"64", "64"}, {"1", "1"}, {"12ab", "12"},
    };
    for (const auto& [text, result] : lostFocus)
        EXPECT_EQ(checkChannelNumber(text), result) << text;
    const std::pair<std::string, std::string> change[] = {
        {"7", "7"}, {"70", "64"}, {"64", "64"}, {"65", "64"}, {"100", "64"}, {"", ""}, {"0064", "0064"},
    };
    for (const auto& [text, result] : change)
        EXPECT_EQ(channelNumberChange(text), result) << text;
}

// Items the table makes rather than lists, and positions a list does not have.
TEST(FeaturesItems, MadeItemsAndPositionsOutsideTheList) {
    struct Case {
        FeatureList list;
        int position;
        std::string en, zh;
    };
    const Case cases[] = {
        {FeatureList::TimeOutTimer, 7, "7 Minute", "7 分钟"},
        {FeatureList::AutoPowerOff, 15, "15 Hour", "15 小时"},
        {FeatureList::VfoBEncodeTone, 264, "D754I", "D754I"},
        {FeatureList::ADisplayMode, -1, "", ""},
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

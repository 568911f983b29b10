// The optional-features tables: what the window, the captions and the command line build from them.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "config/configuration.h"
#include "image/tone_list.h"

namespace zrt {
namespace {

using FL = FeatureList;

TEST(FeaturesTable, EveryFieldHasItsOwnControlAndLabel) {
    std::set<std::string_view> controls, labels;
    int translatedCaptions = 0;
    for (const auto& f : featureLists()) {
        EXPECT_TRUE(controls.insert(f.control).second) << f.control;
        EXPECT_TRUE(labels.insert(f.label).second) << f.label;
        translatedCaptions += f.caption.en != f.caption.zh;
        EXPECT_GT(f.count, 0) << f.control;
        EXPECT_LE(static_cast<int>(f.items.size()), f.count) << f.control;
        EXPECT_GE(f.defaultPosition, 0) << f.control;
        EXPECT_LT(f.defaultPosition, f.count) << f.control;
    }
    for (const auto& t : featureTexts()) {
        EXPECT_TRUE(controls.insert(t.control).second) << t.control;
        EXPECT_TRUE(labels.insert(t.label).second) << t.label;
        translatedCaptions += t.caption.en != t.caption.zh;
    }
    // 57 field labels; all but the call-tone label are translated.
    EXPECT_EQ(labels.size(), 57u);
    EXPECT_EQ(translatedCaptions, 56);
    EXPECT_EQ(featureListInfo(FL::Combo4).caption.en, featureListInfo(FL::Combo4).caption.zh);
}

TEST(FeaturesTable, FortyListsHaveTranslatedItemsAndTheRestAreLanguageNeutral) {
    int translated = 0;
    for (const auto& f : featureLists()) {
        bool any = false;
        for (int p = 0; p < f.count; ++p)
            any = any || featureItemText(f.id, p, kEnglish) != featureItemText(f.id, p, kChinese);
        translated += any;
    }
    EXPECT_EQ(translated, 40);
    for (FL neutral : {FL::Combo18, FL::Combo3, FL::Combo37, FL::Combo5, FL::Combo36, FL::Combo21,
                       FL::Combo14, FL::Combo15, FL::Combo4})
        for (int p = 0; p < featureListInfo(neutral).count; ++p)
            EXPECT_EQ(featureItemText(neutral, p, kEnglish), featureItemText(neutral, p, kChinese));
}

TEST(FeaturesTable, ItemTexts) {
    struct Case {
        FL list;
        int position;
        std::string en, zh;
    };
    const Case cases[] = {
        {FL::Combo19, 0, "Off", "关闭"},
        {FL::Combo19, 7, "7 Minute", "7 分钟"},
        {FL::Combo35, 0, "Off", "关"},
        {FL::Combo35, 15, "15 Hour", "15 小时"},
        {FL::Combo33, 0, "Group B", "B组"},
        {FL::Combo33, 1, "Group A", "A组"},
        {FL::Combo22, 0, "Off", "关闭"},
        {FL::Combo22, 1, "67.0", "67.0"},
        {FL::Combo47, 264, "D754I", "D754I"},
        {FL::Combo30, 2, "Off", "无异频"},
        {FL::Combo4, 0, "关闭", "关闭"},
        {FL::Combo4, 5, "TONE5", "TONE5"},
        {FL::Combo14, 7, "8", "8"},
        {FL::Combo1, 2, "", ""},  // past the end
        {FL::Combo1, -1, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(featureItemText(c.list, c.position, kEnglish), c.en) << featureListInfo(c.list).control;
        EXPECT_EQ(featureItemText(c.list, c.position, kChinese), c.zh) << featureListInfo(c.list).control;
    }
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(featureItemText(FL::Combo19, k, kChinese), std::to_string(k) + " 分钟");
    for (int k = 1; k <= 15; ++k)
        EXPECT_EQ(featureItemText(FL::Combo35, k, kEnglish), std::to_string(k) + " Hour");
    EXPECT_EQ(featureListInfo(FL::Combo19).count, 8);
    EXPECT_EQ(featureListInfo(FL::Combo35).count, 16);
    EXPECT_EQ(featureListInfo(FL::Combo46).count, kToneListSize);
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

// The optional-features window: its fields wired to the configuration, the checks on leaving a box, pages and
// service gestures.
#include "editors/features/features_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>

#include "support/ui_driver.h"

namespace zrt {
namespace {

using namespace ui_test;
using FL = FeatureList;
using FT = FeatureText;

class FeaturesWindowTest : public WindowTest {
  protected:
    FeaturesWindow window{session};

    QLineEdit* box(FeatureText f) { return window.findChild<QLineEdit*>(qs(featureTextInfo(f).control)); }
    QComboBox* list(FeatureList f) { return window.findChild<QComboBox*>(qs(featureListInfo(f).control)); }
    QLabel* label(FeatureList f) { return window.findChild<QLabel*>(qs(featureListInfo(f).label)); }
};

TEST_F(FeaturesWindowTest, EveryFieldShowsItsValueUncutAndHiddenFieldsStayHidden) {
    edit([](Configuration& c) {
        c.features[FL::MainChannel] = 0;
        c.features[FL::VfoAEncodeTone] = 200;
        c.features[FL::VfoACallTone] = 2;
        c.features.aChannelNumber = "12";
        c.features.voxOffWhileReceiving = false;
        c.features.displayCharacters =
            "ABCDEFGH";  // texts the program sets are never cut to the typing limit
        c.features.vfoAFrequency = "FFF.FFFFF";
    });
    const Features& f = session.config().features;
    for (const FeatureListInfo& info : featureLists()) {
        ASSERT_NE(list(info.id), nullptr) << info.control;
        EXPECT_EQ(list(info.id)->isHidden(), info.hidden) << info.control;
        EXPECT_EQ(label(info.id)->isHidden(), info.hidden) << info.label;
        EXPECT_EQ(list(info.id)->currentIndex(), f[info.id]) << info.control;
    }
    EXPECT_EQ(box(FT::AChannelNumber)->text(), "12");
    EXPECT_EQ(box(FT::DisplayCharacters)->text(), "ABCDEFGH");
    EXPECT_EQ(box(FT::VfoAFrequency)->text(), "FFF.FFFFF");
    EXPECT_FALSE(child<QCheckBox>(&window, "Check13")->isChecked());

    list(FL::LampMode)->setCurrentIndex(2);
    EXPECT_EQ(f[FL::LampMode], 2);
    list(FL::VfoACompanding)->setCurrentIndex(0);  // hidden, still a field
    EXPECT_EQ(f[FL::VfoACompanding], 0);
    // Such a text stays editable: a backspace shortens it, a further character is refused.
    QLineEdit* chars = box(FT::DisplayCharacters);
    chars->end(false);
    QTest::keyClick(chars, Qt::Key_Backspace);
    QTest::keyClicks(chars, "x");
    EXPECT_EQ(chars->text(), "ABCDEFG");
    EXPECT_EQ(f.displayCharacters, "ABCDEFG");
}

// The VFO and channel-number boxes run their check when the user leaves them (for another page too) or
// presses Enter, not when he switches to another window; a box the focus merely passes while the pages change
// is not checked. The rules themselves are the configuration's; these are their wiring.
TEST_F(FeaturesWindowTest, BoxesRunTheirCheckWhenLeft) {
    enum How { Typed, Left, Entered, OtherWindow, OtherPage };
    struct Case {
        int band;
        FeatureText box;
        const char* typed;
        How how;
        const char* shown;
    };
    const Case cases[] = {
        {0, FT::VfoAFrequency, "174", Left, "136.00000"},
        {0, FT::VfoAFrequency, "174", OtherWindow, "174"},
        {0, FT::VfoAFrequency, "173.9999", Entered, "173.99500"},
        {0, FT::VfoAFrequency, "145.12", OtherPage, "145.12000"},
        {2, FT::VfoBFrequency, "400", Left, "136.00000"},
        {0, FT::VfoBOffset, "120", Left, "99.99500"},
        {0, FT::AChannelNumber, "70", Typed, "64"},  // as soon as the second digit is typed
        {0, FT::BChannelNumber, "007", Left, "7"},
    };
    window.show();
    QApplication::setActiveWindow(&window);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        edit([&](Configuration& config) {
            setBand(config, c.band);
            config.features.vfoBFrequency =
                "250.00000";  // outside band 0, and never entered on a page switch
        });
        window.showPage(c.box == FT::AChannelNumber || c.box == FT::BChannelNumber ? 1 : 2);
        QLineEdit* b = box(c.box);
        b->setFocus();
        b->clear();
        QTest::keyClicks(b, QString::fromLatin1(c.typed));
        if (c.how == Left) leave(b);
        if (c.how == OtherWindow) leave(b, Qt::ActiveWindowFocusReason);
        if (c.how == Entered) {
            QTest::keyClick(b, Qt::Key_Return);
            EXPECT_EQ(QApplication::focusWidget(), b);
        }
        if (c.how == OtherPage) {
            auto* tabs = child<QTabBar>(&window, "TabStrip1");
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
            EXPECT_EQ(box(FT::VfoBFrequency)->text(), "250.00000");
        }
        EXPECT_EQ(b->text(), c.shown);
        if (c.how != OtherWindow) {
            EXPECT_EQ(session.config().features.*featureTextInfo(c.box).value, c.shown);
        }
    }
}

// The timing is the configuration's; here, that the labels are the gestures' and the locked lists follow.
TEST_F(FeaturesWindowTest, ServiceGesturesOnTheLabels) {
    std::int32_t now = 1000;
    window.setGestureClock([&now] { return now; });
    EXPECT_FALSE(list(FL::PowerOnPassword)->isEnabled());
    EXPECT_FALSE(label(FL::Roger)->isEnabled());
    for (ServiceMode mode : {ServiceMode::FeatureUnlock, ServiceMode::CalibWrite})
        for (int i : {2, 0, 1})
            QTest::mouseClick(label(kGestureFields[static_cast<int>(mode)][i]), Qt::LeftButton);
    const ServiceFlags& service = session.config().service;
    EXPECT_TRUE(service.featureUnlock);
    EXPECT_TRUE(service.calibWrite);
    EXPECT_TRUE(session.config().calib.unlocked);
    EXPECT_FALSE(service.crossBandWrite);
    for (FL f : {FL::PowerOnPassword, FL::FmSearchMode, FL::Roger}) {
        EXPECT_TRUE(list(f)->isEnabled());
        EXPECT_TRUE(label(f)->isEnabled());
    }
    // Ending the unlock clears the flag and no more: the fields stay usable.
    edit([](Configuration& c) { endServiceMode(c, ServiceMode::FeatureUnlock); });
    EXPECT_TRUE(list(FL::FmSearchMode)->isEnabled());
}

}  // namespace
}  // namespace zrt

// The optional-features window: its fields, captions, typing rules, pages and service gestures.
#include "editors/features/features_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include "i18n/features_captions.h"
#include "platform/qt_text.h"
#include "session/session.h"

namespace zrt {
namespace {

using FL = FeatureList;
using FT = FeatureText;

class FeaturesWindowTest : public ::testing::Test {
  protected:
    Session session;
    FeaturesWindow window{session};

    QLineEdit* edit(FeatureText f) { return window.findChild<QLineEdit*>(qs(featureTextInfo(f).control)); }
    QComboBox* combo(FeatureList f) { return window.findChild<QComboBox*>(qs(featureListInfo(f).control)); }
    QLabel* label(FeatureList f) { return window.findChild<QLabel*>(qs(featureListInfo(f).label)); }
    QWidget* widget(const char* name) { return window.findChild<QWidget*>(QString::fromLatin1(name)); }

    static void key(QWidget* w, int code, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
        QApplication::sendEvent(w, &release);
    }
    static void type(QWidget* w, const QString& keys) {
        for (QChar c : keys)
            key(w, c.toUpper().unicode(), QString(c));
    }
    static void enter(QWidget* w) { key(w, Qt::Key_Return, QStringLiteral("\r")); }
    static void leave(QWidget* w) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(w, &out);
    }
    static void click(QWidget* w) {
        const QPointF at(2, 2);
        QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(w, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(w, &release);
    }
};

TEST_F(FeaturesWindowTest, EveryFieldExistsAndHiddenFieldsStayHidden) {
    EXPECT_EQ(window.objectName(), "Form3");
    for (const FeatureListInfo& info : featureLists()) {
        QComboBox* c = combo(info.id);
        ASSERT_NE(c, nullptr) << info.control;
        EXPECT_EQ(c->count(), info.count) << info.control;
        EXPECT_EQ(c->isHidden(), info.hidden) << info.control;
        ASSERT_NE(label(info.id), nullptr) << info.label;
        EXPECT_EQ(label(info.id)->isHidden(), info.hidden) << info.label;
    }
    for (const FeatureTextInfo& info : featureTexts()) {
        ASSERT_NE(edit(info.id), nullptr) << info.control;
        EXPECT_FALSE(edit(info.id)->isHidden()) << info.control;
        // Lengths are kept by the key rules, never by the box (which would cut what the program sets).
        EXPECT_EQ(edit(info.id)->maxLength(), QLineEdit().maxLength()) << info.control;
    }
    for (const char* frame : {"Frame1", "Frame2", "Frame3", "Frame5"})
        EXPECT_NE(window.findChild<QGroupBox*>(QString::fromLatin1(frame)), nullptr) << frame;
    ASSERT_NE(window.findChild<QTabBar*>(QStringLiteral("TabStrip1")), nullptr);
    EXPECT_EQ(window.findChild<QTabBar*>(QStringLiteral("TabStrip1"))->count(), 2);
    EXPECT_TRUE(widget("Check12")->isHidden());
    EXPECT_TRUE(widget("Check13")->isHidden());
}

TEST_F(FeaturesWindowTest, CaptionsInBothLanguagesFollowTheTable) {
    combo(FL::TimeOutTimer)->setCurrentIndex(3);
    for (int language : {kChinese, kEnglish}) {
        session.setLanguage(language);
        window.applyLanguage();
        EXPECT_EQ(applyCaptions(&window, featuresCaptions(), language), 0);
        for (const Caption& c : featuresCaptions()) {
            QString shown;
            ASSERT_TRUE(readCaption(&window, c, &shown)) << c.control;
            EXPECT_EQ(shown, qs(c.text, language)) << c.control << " " << c.index;
        }
        // Computed items, language-neutral items and the never-translated call-tone label.
        EXPECT_EQ(combo(FL::TimeOutTimer)->itemText(3), language == kChinese ? "3 分钟" : "3 Minute");
        EXPECT_EQ(combo(FL::AutoPowerOff)->itemText(15), language == kChinese ? "15 小时" : "15 Hour");
        EXPECT_EQ(combo(FL::VfoADecodeTone)->itemText(0), language == kChinese ? "关闭" : "Off");
        EXPECT_EQ(combo(FL::VfoADecodeTone)->itemText(158), "D017I");
        EXPECT_EQ(combo(FL::KeyLockMode)->itemText(0), "K+S");
        EXPECT_EQ(label(FL::VfoACallTone)->text(), qs(featureListInfo(FL::VfoACallTone).caption.zh));
        EXPECT_EQ(combo(FL::TimeOutTimer)->currentIndex(), 3);  // a switch changes texts only
    }
    EXPECT_EQ(window.windowTitle(), "Optional Features");
    EXPECT_EQ(label(FL::ADisplayMode)->text(), "A Display Mode:");
}

TEST_F(FeaturesWindowTest, VfoFrequencyBoxChecksTheBandWhenLeft) {
    struct Case {
        int band;
        FeatureText box;
        QString typed, shown;
    };
    const Case cases[] = {
        {0, FT::VfoAFrequency, "174", "136.00000"},       {0, FT::VfoAFrequency, "173.9999", "173.99500"},
        {0, FT::VfoAFrequency, "145.00625", "145.00625"}, {0, FT::VfoBFrequency, "435.003", "435.00000"},
        {2, FT::VfoBFrequency, "400", "136.00000"},       {0, FT::VfoAOffset, "120", "99.99500"},
        {0, FT::VfoBOffset, "120", "99.99500"},           {0, FT::VfoBOffset, "5", "5.00000"},
    };
    for (const Case& c : cases) {
        session.edit(Change::everything(), [&](Configuration& c_) { setBand(c_, c.band); });
        QLineEdit* box = edit(c.box);
        box->clear();
        type(box, c.typed);
        EXPECT_EQ(box->text(), c.typed);
        leave(box);
        EXPECT_EQ(box->text(), c.shown) << c.typed.toStdString();
        EXPECT_EQ(qs(session.config().features.*featureTextInfo(c.box).value), c.shown);
    }
}

TEST_F(FeaturesWindowTest, SwitchingToAnotherWindowLeavesTheBoxBeingEdited) {
    QLineEdit* box = edit(FT::VfoAFrequency);
    box->setText(QStringLiteral("174"));
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(box, &out);
    EXPECT_EQ(box->text(), "174");
}

TEST_F(FeaturesWindowTest, TheCloseBoxOnlyHides) {
    window.show();
    EXPECT_FALSE(window.close());
    EXPECT_FALSE(window.isVisible());
    window.show();
    EXPECT_TRUE(window.isVisible());
}

TEST_F(FeaturesWindowTest, EnterNormalisesAFrequencyInPlace) {
    window.show();
    QApplication::setActiveWindow(&window);
    window.showPage(2);
    QLineEdit* box = edit(FT::VfoAFrequency);
    box->setFocus();
    box->clear();
    type(box, "173.9999");
    enter(box);
    EXPECT_EQ(box->text(), "173.99500");
    EXPECT_EQ(session.config().features.vfoAFrequency, "173.99500");
    EXPECT_EQ(QApplication::focusWidget(), box);
}

// Switching pages changes no value: only the box the user was in is checked on leaving it, never one the
// focus merely passes while the pages change.
TEST_F(FeaturesWindowTest, SwitchingPagesChecksOnlyTheBoxTheUserLeft) {
    session.edit(Change::everything(),
                 [&](Configuration& c_) { c_.features.vfoBFrequency = "250.00000"; });  // outside band 0
    window.refresh();
    window.show();
    QApplication::setActiveWindow(&window);
    auto* tabs = window.findChild<QTabBar*>("TabStrip1");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QLineEdit* a = edit(FT::VfoAFrequency);
    QTest::mouseClick(a, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), a);
    a->selectAll();
    QTest::keyClicks(a, "145.12");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    EXPECT_EQ(window.page(), 1);
    EXPECT_EQ(session.config().features.vfoAFrequency, "145.12000");  // the box he left
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(window.page(), 2);
    EXPECT_EQ(edit(FT::VfoBFrequency)->text(), "250.00000");
    EXPECT_EQ(session.config().features.vfoBFrequency, "250.00000");
}

TEST_F(FeaturesWindowTest, ChannelNumbers) {
    QLineEdit* a = edit(FT::AChannelNumber);
    a->clear();
    type(a, "7");
    EXPECT_EQ(a->text(), "7");
    type(a, "0");
    EXPECT_EQ(a->text(), "64");  // as soon as the second digit is typed
    EXPECT_EQ(session.config().features.aChannelNumber, "64");
    type(a, "x.");
    EXPECT_EQ(a->text(), "64");

    QLineEdit* b = edit(FT::BChannelNumber);
    for (const auto& [typed, shown] : {std::pair{"0", ""}, {"", ""}, {"007", "7"}}) {
        b->clear();
        type(b, typed);
        leave(b);
        EXPECT_EQ(b->text(), shown) << typed;
        EXPECT_EQ(session.config().features.bChannelNumber, shown) << typed;
    }
    b->setText("12");
    enter(b);
    EXPECT_EQ(b->text(), "12");  // Enter runs the check and is itself discarded
}

TEST_F(FeaturesWindowTest, KeyRulesOfTheTextBoxes) {
    struct Case {
        FeatureText box;
        QString typed, shown;
    };
    const Case cases[] = {
        {FT::DisplayCharacters, "ab 1", "AB1"},          {FT::DisplayCharacters, "abcdefgh", "ABCDEF"},
        {FT::DisplayCharacters, "*#-z.", "*#-Z"},        {FT::Password, "12a345", "1234"},
        {FT::VfoAFrequency, "145.1234567", "145.12345"}, {FT::VfoAOffset, "-12345678", "12345678"},
    };
    for (const Case& c : cases) {
        QLineEdit* box = edit(c.box);
        box->clear();
        type(box, c.typed);
        EXPECT_EQ(box->text(), c.shown) << c.typed.toStdString();
    }
    // A paste passes the same rules.
    QLineEdit* chars = edit(FT::DisplayCharacters);
    chars->clear();
    chars->insert(QStringLiteral("ab-1"));
    EXPECT_EQ(chars->text(), "AB-1");
    chars->insert(QStringLiteral(" x"));
    EXPECT_EQ(chars->text(), "AB-1X");
    EXPECT_EQ(session.config().features.displayCharacters, "AB-1X");
}

TEST_F(FeaturesWindowTest, TextsThatTheProgramSetsAreNeverCut) {
    session.edit(Change::everything(),
                 [&](Configuration& c_) { c_.features.displayCharacters = "ABCDEFGH"; });
    session.edit(Change::everything(), [&](Configuration& c_) { c_.features.vfoAFrequency = "FFF.FFFFF"; });
    session.edit(Change::everything(), [&](Configuration& c_) { c_.features.password = "123456"; });
    window.refresh();
    EXPECT_EQ(edit(FT::DisplayCharacters)->text(), "ABCDEFGH");
    EXPECT_EQ(edit(FT::VfoAFrequency)->text(), "FFF.FFFFF");
    EXPECT_EQ(edit(FT::Password)->text(), "123456");
    EXPECT_EQ(session.config().features.displayCharacters, "ABCDEFGH");
    // They stay editable: a backspace shortens them, a further character is refused.
    QLineEdit* chars = edit(FT::DisplayCharacters);
    chars->end(false);
    key(chars, Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(chars->text(), "ABCDEFG");
    type(chars, "x");
    EXPECT_EQ(chars->text(), "ABCDEFG");
}

TEST_F(FeaturesWindowTest, RefreshShowsTheConfigurationAndEditsWriteIt) {
    session.edit(Change::everything(), [](Configuration& c) {
        Features& f = c.features;
        f[FL::MainChannel] = 0;
        f[FL::VfoAEncodeTone] = 200;
        f[FL::VfoACallTone] = 2;
        f.aChannelNumber = "12";
        f.vfoBOffset = "7.60000";
        f.voxOffWhileReceiving = false;
    });
    EXPECT_EQ(combo(FL::MainChannel)->currentIndex(), 0);
    EXPECT_EQ(combo(FL::MainChannel)->currentText(), "Group B");
    EXPECT_EQ(combo(FL::VfoAEncodeTone)->currentIndex(), 200);
    EXPECT_EQ(combo(FL::VfoACallTone)->currentIndex(), 2);
    EXPECT_EQ(edit(FT::AChannelNumber)->text(), "12");
    EXPECT_EQ(edit(FT::VfoBOffset)->text(), "7.60000");
    EXPECT_FALSE(static_cast<QCheckBox*>(widget("Check13"))->isChecked());

    const Features& f = session.config().features;
    combo(FL::LampMode)->setCurrentIndex(2);
    EXPECT_EQ(f[FL::LampMode], 2);
    combo(FL::VfoACompanding)->setCurrentIndex(0);  // hidden, still a field
    EXPECT_EQ(f[FL::VfoACompanding], 0);
    for (const FeatureListInfo& info : featureLists())
        EXPECT_EQ(combo(info.id)->currentIndex(), f[info.id]) << info.control;
}

TEST_F(FeaturesWindowTest, PagesShareTheVoxFrame) {
    window.show();
    auto* tabs = window.findChild<QTabBar*>(QStringLiteral("TabStrip1"));
    EXPECT_EQ(window.page(), 1);
    for (int page : {2, 1, 2}) {
        emit tabs->tabBarClicked(page - 1);
        EXPECT_EQ(window.page(), page);
        EXPECT_EQ(tabs->currentIndex(), page - 1);
        EXPECT_EQ(widget("Frame2")->isVisible(), page == 1);
        EXPECT_EQ(widget("Frame3")->isVisible(), page == 2);
        EXPECT_EQ(widget("Frame5")->isVisible(), page == 2);
        EXPECT_TRUE(widget("Frame1")->isVisible());
    }
}

TEST_F(FeaturesWindowTest, ServiceGestures) {
    std::int32_t now = 1000;
    window.setGestureClock([&now] { return now; });
    int signalled = 0;
    DocumentSignals notifier(session.document());
    QObject::connect(&notifier, &DocumentSignals::changed, [&signalled](const Change& change) {
        if (change.has(Part::Service)) ++signalled;
    });
    auto clickGroup = [&](ServiceMode mode, std::initializer_list<std::pair<int, int>> clicks) {
        for (auto [labelIndex, time] : clicks) {
            now = time;
            click(label(kGestureFields[static_cast<int>(mode)][labelIndex]));
        }
    };
    EXPECT_FALSE(combo(FL::PowerOnPassword)->isEnabled());
    EXPECT_FALSE(label(FL::Roger)->isEnabled());

    clickGroup(ServiceMode::FeatureUnlock, {{0, 1000}, {1, 1002}, {2, 1006}});  // a pause over 5 s
    EXPECT_FALSE(session.config().service.featureUnlock);
    EXPECT_EQ(signalled, 0);
    clickGroup(ServiceMode::FeatureUnlock, {{0, 1007}, {1, 1010}});  // 1006, 1007, 1010: three within 5 s
    EXPECT_TRUE(session.config().service.featureUnlock);
    EXPECT_EQ(signalled, 1);
    for (FL f : {FL::PowerOnPassword, FL::FmSearchMode, FL::Roger}) {
        EXPECT_TRUE(combo(f)->isEnabled());
        EXPECT_TRUE(label(f)->isEnabled());
    }

    clickGroup(ServiceMode::CalibWrite, {{2, 2000}, {0, 2001}, {1, 2001}});
    EXPECT_TRUE(session.config().service.calibWrite);
    EXPECT_TRUE(session.config().calib.unlocked);
    EXPECT_FALSE(session.config().service.crossBandWrite);
    EXPECT_EQ(signalled, 2);

    // Ending the unlock clears the flag and no more: the fields stay usable.
    session.edit(Change::everything(),
                 [&](Configuration& c_) { endServiceMode(c_, ServiceMode::FeatureUnlock); });
    window.refresh();
    EXPECT_TRUE(combo(FL::FmSearchMode)->isEnabled());
    EXPECT_TRUE(label(FL::FmSearchMode)->isEnabled());
}

}  // namespace
}  // namespace zrt

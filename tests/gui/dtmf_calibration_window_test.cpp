#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include "editors/calibration/calibration_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "session/session.h"
#include "support/key_input.h"

namespace zrt {
namespace {

using testing_support::typeKeys;

TEST(DtmfWindow, CodeFieldsTakeDtmfCharactersOnly) {
    struct Case {
        const char* field;
        const char* keys;
        const char* shown;
    };
    const Case cases[] = {
        {"Text2", "1a*# e 9", "1A*#9"},
        {"Text4", "bcdBCD0", "BCDBCD0"},
        {"Text2", "12345678901234567", "1234567890123456"},  // a seventeenth character is refused
        {"Text4", "ABCDABCDABCDABCDA", "ABCDABCDABCDABCD"},
        {"Text3", "123456789", "12345678"},  // the hidden own code holds eight
        {"Text1_7", "xyz+-12", "12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        Session session;
        DtmfWindow window(session);
        auto* edit = window.findChild<QLineEdit*>(c.field);
        ASSERT_TRUE(edit);
        typeKeys(edit, QString::fromLatin1(c.keys));
        EXPECT_EQ(edit->text(), c.shown);
    }
}

TEST(DtmfWindow, FieldsFollowTheConfigurationAndLimitOnlyTyping) {
    Session session;
    DtmfWindow window(session);
    auto* text2 = window.findChild<QLineEdit*>("Text2");
    typeKeys(text2, "12");
    EXPECT_EQ(session.config().dtmf.aniStart, "12");

    // What the program puts into a box is never cut to the typing limit.
    session.edit(Change::everything(), [&](Configuration& c_) { c_.dtmf.aniStart = "12345678901234567890"; });
    window.refresh();
    EXPECT_EQ(text2->text(), "12345678901234567890");
    typeKeys(text2, "5");
    EXPECT_EQ(text2->text(), "12345678901234567890");
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    QApplication::sendEvent(text2, &backspace);
    EXPECT_EQ(session.config().dtmf.aniStart, "1234567890123456789");

    // New resets the fields.
    session.newConfiguration();
    window.refresh();
    EXPECT_EQ(text2->text(), "");
    EXPECT_EQ(window.findChild<QComboBox*>("Combo1")->currentText(), "Start Send");
    EXPECT_EQ(window.findChild<QComboBox*>("Combo16")->currentText(), "Fast");
    EXPECT_EQ(window.findChild<QComboBox*>("Combo17")->currentText(), "1200MS");
    EXPECT_EQ(window.findChild<QComboBox*>("Combo18")->currentText(), "Empty");
}

TEST(DtmfWindow, PasteGoesThroughTheFilterAndTheLimit) {
    Session session;
    DtmfWindow window(session);
    auto* text4 = window.findChild<QLineEdit*>("Text4");
    QApplication::clipboard()->setText("12ab e#*9999999999999");
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    QApplication::sendEvent(text4, &paste);
    EXPECT_EQ(text4->text(), "12AB#*9999999999");
    EXPECT_EQ(session.config().dtmf.aniEnd, "12AB#*9999999999");
}

// Nothing here reaches the radio or a file; the window says so where the user types, in both languages.
TEST(DtmfWindow, SaysThatItsSettingsGoNowhere) {
    Session session;
    DtmfWindow window(session);
    auto* note = window.findChild<QLabel*>("LabelNotStored");
    ASSERT_TRUE(note);
    EXPECT_TRUE(note->isVisibleTo(&window));
    for (const auto& [language, text] :
         {std::pair{kEnglish, "These settings are not written to the radio and not saved in data files."},
          {kChinese, "这些设置不会写入对讲机，也不会保存到数据文件中。"}}) {
        session.setLanguage(language);
        window.applyLanguage();
        EXPECT_EQ(note->text().toStdString(), text);
    }
}

TEST(DtmfWindow, OnlyTheFiveFieldsAreReachable) {
    Session session;
    DtmfWindow window(session);
    for (const char* name : {"Text2", "Text4", "Combo1", "Combo16", "Combo17"})
        EXPECT_TRUE(window.findChild<QWidget*>(name)->isVisibleTo(&window)) << name;
    for (const char* name : {"Text3", "Combo18", "Text1_0", "Option1", "Option2", "Frame1"})
        EXPECT_FALSE(window.findChild<QWidget*>(name)->isVisibleTo(&window)) << name;
}

TEST(DtmfWindow, LanguageSwitchKeepsTheChoices) {
    Session session;
    DtmfWindow window(session);
    auto* combo1 = window.findChild<QComboBox*>("Combo1");
    auto* combo17 = window.findChild<QComboBox*>("Combo17");
    combo1->setCurrentIndex(2);
    combo17->setCurrentIndex(9);
    session.setLanguage(kChinese);
    window.applyLanguage();
    EXPECT_EQ(combo1->currentText(), QStringLiteral("两者"));
    EXPECT_EQ(combo17->currentText(), QStringLiteral("1800毫秒"));
    EXPECT_EQ(session.config().dtmf.aniSending, 2);
    EXPECT_EQ(session.config().dtmf.firstDigitDelay, 9);

    // A typed text that is no item stays as typed in either language.
    combo1->setEditText("PTT");
    EXPECT_EQ(session.config().dtmf.aniSending, -1);
    session.setLanguage(kEnglish);
    window.applyLanguage();
    EXPECT_EQ(combo1->currentText(), "PTT");
    EXPECT_EQ(session.config().dtmf.aniSendingText, "PTT");
}

TEST(CalibrationWindow, SliderMoveSetsItsEntryAndLabelOnly) {
    Session session;
    session.edit(Change::everything(), [&](Configuration& c_) { c_.calib.unlocked = true; });
    CalibrationWindow window(session);
    const Calibration before = session.config().calib;
    // Right after load the sliders show the values that a calibration write would send; showing them makes
    // them no values the user chose.
    for (int i = 0; i < kCalibValues; ++i) {
        EXPECT_EQ(window.findChild<QSlider*>(QStringLiteral("Slider1_%1").arg(i))->value(), before.values[i]);
        EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label2_%1").arg(i))->text(),
                  QString::number(before.values[i]));
    }
    EXPECT_FALSE(session.config().calib.known);
    window.findChild<QSlider*>("Slider1_10")->setValue(200);
    EXPECT_TRUE(session.config().calib.known);
    for (int i = 0; i < kCalibValues; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(session.config().calib.values[i], i == 10 ? 200 : before.values[i]);
        EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label2_%1").arg(i))->text(),
                  QString::number(i == 10 ? 200 : before.values[i]));
    }
}

TEST(CalibrationWindow, SlidersFollowTheLockAndTheDecode) {
    Session session;
    CalibrationWindow window(session);
    auto* slider = window.findChild<QSlider*>("Slider1_16");
    ASSERT_TRUE(slider);
    EXPECT_EQ(slider->minimum(), 0);
    EXPECT_EQ(slider->maximum(), 255);
    EXPECT_EQ(slider->singleStep(), 1);
    EXPECT_EQ(slider->pageStep(), 5);
    EXPECT_EQ(slider->tickInterval(), 15);
    EXPECT_FALSE(slider->isEnabled());
    session.edit(Change::everything(), [&](Configuration& c_) { c_.calib.unlocked = true; });
    window.refresh();
    EXPECT_TRUE(slider->isEnabled());

    MemoryImage in = session.imageIn();
    in.set(0x7E2, 77);  // index 16: group B, low grade, middle section
    session.decode(in);
    window.refresh();
    EXPECT_EQ(slider->value(), 77);
    EXPECT_EQ(window.findChild<QLabel*>("Label2_16")->text(), "77");
    EXPECT_EQ(session.config().calib.values[16], 77);
}

}  // namespace
}  // namespace zrt

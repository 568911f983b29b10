#include "editors/fm/fm_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QWheelEvent>

#include "config/messages.h"
#include "image/address_map.h"
#include "session/session.h"
#include "support/key_input.h"

namespace zrt {
namespace {

using testing_support::typeKeys;

void pressEnter(QWidget* w) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(w, &press);
}

struct FmFixture {
    Session session;
    FmWindow window{session};
    QTableWidget* grid = window.findChild<QTableWidget*>("MSFGrid");
    QLineEdit* text1 = window.findChild<QLineEdit*>("Text1");
    QLineEdit* text2 = window.findChild<QLineEdit*>("Text2");
    QLabel* label2 = window.findChild<QLabel*>("Label2");
    QComboBox* present = window.findChild<QComboBox*>("Combo1_0");
    QComboBox* display = window.findChild<QComboBox*>("Combo1_1");
    QComboBox* step = window.findChild<QComboBox*>("Combo1_2");

    QString cell(int row) const { return grid->item(row - 1, 1)->text(); }
};

struct TypedCase {
    const char* keys;
    const char* result;  // the cell (or the VFO box) afterwards
    bool message;
};

const TypedCase kTypedCases[] =
    {
        {"108", "99.00", true},    {"86.99", "99.00", true},  {"107.9", "107.90", false},
        {"87", "87.00", false},    {"98.16", "98.15", false}, {"98.149", "98.10", false},
        {"9x8.1", "98.10", false},                             // the letter is dropped
        {"", "", false},           {"1.2.3", "99.00", false},  // not a number: nothing changes
};

TEST(FmWindow, GridCellCommitRules) {
    for (const TypedCase& c : kTypedCases) {
        SCOPED_TRACE(c.keys);
        FmFixture f;
        ASSERT_TRUE(f.grid && f.text1 && f.label2);
        f.session.edit(Change::everything(), [&](Configuration& c_) { c_.fmWindow.cells[2] = "99.00"; });
        f.window.refresh();
        f.window.editCell(3);
        EXPECT_EQ(f.window.editedRow(), 3);
        EXPECT_EQ(f.text1->text(), "99.00");
        f.text1->clear();
        typeKeys(f.text1, QString::fromLatin1(c.keys));
        pressEnter(f.text1);  // Enter hands the focus to the grid, which commits
        EXPECT_EQ(f.cell(3), QString::fromLatin1(c.result));
        EXPECT_EQ(f.session.config().fmWindow.cells[2], c.result);
        EXPECT_EQ(f.session.config().fm.channelFreq[2], "");  // the store changes only on OK
        EXPECT_EQ(f.window.messageShown(), c.message);
        EXPECT_EQ(f.label2->isVisibleTo(&f.window), c.message);
        EXPECT_FALSE(f.text1->isVisibleTo(&f.window));
        if (c.message) {
            EXPECT_EQ(f.label2->text(), "Beyond the scope of frequency(87-107.9), please input again.");
            EXPECT_TRUE(f.text1->text().isEmpty());
        }
    }
}

TEST(FmWindow, VfoCommitRules) {
    for (const TypedCase& c : kTypedCases) {
        SCOPED_TRACE(c.keys);
        FmFixture f;
        f.session.edit(Change::everything(), [&](Configuration& c_) { c_.fmWindow.vfo = "99.00"; });
        f.window.refresh();
        f.text2->clear();
        typeKeys(f.text2, QString::fromLatin1(c.keys));
        f.window.commitVfo();
        const bool notANumber = std::string(c.keys) == "1.2.3";
        // A refused VFO frequency empties the box; a text that is not a number stays as typed.
        const QString expected = c.message    ? QString()
                                 : notANumber ? QStringLiteral("1.2.3")
                                              : QString::fromLatin1(c.result);
        EXPECT_EQ(f.text2->text(), expected);
        EXPECT_EQ(f.session.config().fmWindow.vfo, expected.toStdString());
        EXPECT_EQ(f.window.messageShown(), c.message);
    }
}

TEST(FmWindow, MessageLineInChineseAndItsTimer) {
    FmFixture f;
    f.session.setLanguage(kChinese);
    f.window.editCell(1);
    typeKeys(f.text1, "200");
    f.window.commitCellEditor();
    EXPECT_EQ(f.label2->text(), QStringLiteral("超出频率范围(87-107.9)，请重输。"));
    for (int tick = 1; tick <= 3; ++tick) {
        f.window.tickMessage();
        EXPECT_TRUE(f.label2->isVisibleTo(&f.window)) << tick;
    }
    f.window.tickMessage();
    EXPECT_FALSE(f.label2->isVisibleTo(&f.window));
    EXPECT_FALSE(f.window.messageShown());
}

TEST(FmWindow, CancelKeepsTheWorkingCopyAndALaterOkStoresIt) {
    FmFixture f;
    f.window.show();
    f.window.editCell(4);
    typeKeys(f.text1, "100.27");
    f.window.cancel();  // commits the open editor, then hides without storing
    EXPECT_FALSE(f.window.isVisible());
    EXPECT_EQ(f.cell(4), "100.25");
    EXPECT_EQ(f.session.config().fm.channelFreq[3], "");

    f.window.show();
    f.present->setEditText("12");
    f.display->setCurrentIndex(1);
    f.text2->setText("98.15");
    f.window.ok();
    EXPECT_FALSE(f.window.isVisible());
    EXPECT_EQ(f.session.config().fm.channelFreq[3], "100.25");
    EXPECT_EQ(f.session.config().fm.currentChannel, 12);
    EXPECT_EQ(f.session.config().fm.displayMode, 1);
    EXPECT_EQ(f.session.config().fm.vfoFreq, "98.15");
}

TEST(FmWindow, OkKeepsThePreviousChannelWhenTheTextIsNoChannel) {
    FmFixture f;
    f.session.edit(Change::everything(), [&](Configuration& c_) { c_.fm.currentChannel = 7; });
    f.session.edit(Change::everything(), [&](Configuration& c_) { c_.fmWindow.presentChannel = "7"; });
    f.window.refresh();
    f.window.show();
    f.present->setEditText("30");
    f.display->setCurrentIndex(1);
    f.window.ok();
    EXPECT_EQ(f.session.config().fm.currentChannel, 7);
    EXPECT_EQ(f.session.config().fm.displayMode, 0);  // a refused OK applies nothing
    EXPECT_TRUE(f.window.messageShown());
    EXPECT_TRUE(f.window.isVisible());  // stays open so the message can be read
    // The message speaks of the channel, in the language in force.
    EXPECT_EQ(f.label2->text().toStdString(), msg::kFmChannelOutOfRange.en);
    f.session.setLanguage(kChinese);
    f.window.applyLanguage();
    EXPECT_EQ(f.label2->text().toStdString(), msg::kFmChannelOutOfRange.zh);
    f.session.setLanguage(kEnglish);

    f.present->setEditText("25");
    f.window.ok();
    EXPECT_EQ(f.session.config().fm.currentChannel, 25);
    EXPECT_FALSE(f.window.isVisible());
}

// OK stores what the boxes show: the checks run when the user leaves a box, not again on OK, so a decoded
// VFO outside the range that nobody touched goes back to the radio unchanged.
TEST(FmWindow, OkKeepsADecodedVfoThatNobodyTouched) {
    FmFixture f;
    MemoryImage in;
    in.fill(0xFF);
    in.set(addr::kFmVfo, 0x00);
    in.set(addr::kFmVfo + 1, 0xD2);  // 108.00
    f.session.decode(in);
    f.window.refresh();
    f.window.show();
    f.window.ok();
    EXPECT_FALSE(f.window.messageShown());
    EXPECT_EQ(f.text2->text(), "108.00");
    f.session.encode();
    EXPECT_EQ(f.session.imageOut()[addr::kFmVfo], 0x00);
    EXPECT_EQ(f.session.imageOut()[addr::kFmVfo + 1], 0xD2);
}

// Only the channel tables follow the wheel; the FM grid stays where it is.
TEST(FmWindow, TheGridIgnoresTheWheel) {
    FmFixture f;
    f.window.show();
    QScrollBar* bar = f.grid->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    for (int delta : {-120, -360, 120}) {
        const QPointF at(10, 10);
        QWheelEvent wheel(at, f.grid->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.grid->viewport(), &wheel);
        EXPECT_EQ(bar->value(), 0) << delta;
    }
}

TEST(FmWindow, TypingThePresentChannelTakesDigitsOnly) {
    FmFixture f;
    f.present->setEditText("");
    typeKeys(f.present->lineEdit(), "a1.x2");
    EXPECT_EQ(f.present->currentText(), "12");
    EXPECT_EQ(f.session.config().fmWindow.presentChannel, "12");
}

TEST(FmWindow, ShowsADecodedImage) {
    FmFixture f;
    f.display->setCurrentIndex(1);
    f.step->setCurrentIndex(2);
    MemoryImage in;
    in.fill(0xFF);
    in.set(addr::fmChannel(1), 0x00);
    in.set(addr::fmChannel(1) + 1, 0x82);
    in.set(addr::kFmStartChannel, 12);
    in.set(addr::kFmDisplayMode, 0);
    in.set(addr::kFmStep, 9);  // a step the list does not have
    in.set(addr::kFmVfo, 0x00);
    in.set(addr::kFmVfo + 1, 0x6F);
    f.session.decode(in);
    f.window.refresh();
    EXPECT_EQ(f.cell(1), "100.00");
    EXPECT_EQ(f.cell(2), "");
    EXPECT_EQ(f.present->currentText(), "12");
    EXPECT_EQ(f.display->currentIndex(), 0);
    EXPECT_EQ(f.step->currentIndex(), 2);
    EXPECT_EQ(f.session.config().fm.step, 9);
    EXPECT_EQ(f.text2->text(), "98.10");
    EXPECT_FALSE(f.step->isVisibleTo(&f.window));
}

}  // namespace
}  // namespace zrt

// The FM window: its boxes wired to the FM rules, its message, and OK and Cancel.
#include "editors/fm/fm_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "image/address_map.h"
#include "support/ui_driver.h"

namespace zrt {
namespace {

using namespace ui_test;

class FmWindowTest : public WindowTest {
  protected:
    FmWindow window{session};
    QTableWidget* grid = child<QTableWidget>(&window, "MSFGrid");
    QLineEdit* cellEditor = child<QLineEdit>(&window, "Text1");
    QLineEdit* vfo = child<QLineEdit>(&window, "Text2");
    QLabel* message = child<QLabel>(&window, "Label2");
    QComboBox* present = child<QComboBox>(&window, "Combo1_0");
    QComboBox* display = child<QComboBox>(&window, "Combo1_1");
};

// The rules are the configuration's: here, that the grid's editor and the VFO box apply them, show the
// message and change only the working copy.
TEST_F(FmWindowTest, GridAndVfoCommitThroughTheRules) {
    struct Case {
        bool vfo;
        const char* typed;
        const char* result;  // the cell or the VFO box afterwards
        bool message;
    };
    const Case cases[] = {
        {false, "108", "99.00", true},
        {true, "108", "", true},          // a refused VFO frequency empties the box
        {true, "1.2.3", "1.2.3", false},  // not a number: stays as typed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.vfo ? "VFO " : "cell ") + c.typed);
        Session s;
        FmWindow w(s);
        s.edit(Change::everything(),
               [](Configuration& config) { config.fmWindow.cells[2] = config.fmWindow.vfo = "99.00"; });
        QLineEdit* box = child<QLineEdit>(&w, c.vfo ? "Text2" : "Text1");
        if (!c.vfo) w.editCell(3);
        box->clear();
        QTest::keyClicks(box, QString::fromLatin1(c.typed));
        if (c.vfo) {
            w.commitVfo();
            EXPECT_EQ(box->text(), c.result);
        } else {
            QTest::keyClick(box, Qt::Key_Return);  // Enter hands the focus to the grid, which commits
            EXPECT_FALSE(box->isVisibleTo(&w));
            EXPECT_EQ(cell(child<QTableWidget>(&w, "MSFGrid"), 2, 1), c.result);
        }
        EXPECT_EQ(c.vfo ? s.config().fmWindow.vfo : s.config().fmWindow.cells[2], c.result);
        EXPECT_EQ(s.config().fm.channelFreq[2], "");  // the store changes only on OK
        EXPECT_EQ(w.messageShown(), c.message);
        EXPECT_EQ(child<QLabel>(&w, "Label2")->isVisibleTo(&w), c.message);
    }
}

// OK with a present channel that is no channel applies nothing and stays open for its message.
TEST_F(FmWindowTest, CancelKeepsTheWorkingCopyAndALaterOkStoresIt) {
    window.show();
    window.editCell(4);
    QTest::keyClicks(cellEditor, "100.27");
    window.cancel();  // commits the open editor, then hides without storing
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(cell(grid, 3, 1), "100.25");
    EXPECT_EQ(session.config().fm.channelFreq[3], "");

    window.show();
    present->setEditText("30");
    display->setCurrentIndex(1);
    window.ok();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(message->text(), qs(msg::kFmChannelOutOfRange, kEnglish));
    present->setEditText("12");
    window.ok();
    EXPECT_FALSE(window.isVisible());
    const FmStore& fm = session.config().fm;
    EXPECT_EQ(fm.channelFreq[3], "100.25");
    EXPECT_EQ(fm.currentChannel, 12);
    EXPECT_EQ(fm.displayMode, 1);
}

// The window shows what the decode made. OK stores what the boxes show: the checks run when the user leaves a
// box, not again on OK, so a decoded VFO outside the range that nobody touched goes back to the radio
// unchanged.
TEST_F(FmWindowTest, OkKeepsADecodedVfoThatNobodyTouched) {
    MemoryImage in;
    in.fill(0xFF);
    in.set(addr::fmChannel(1) + 1, 0x82);
    in.set(addr::fmChannel(1), 0x00);  // 100.00
    in.set(addr::kFmVfo, 0x00);
    in.set(addr::kFmVfo + 1, 0xD2);  // 108.00
    session.decode(in);
    EXPECT_EQ(cell(grid, 0, 1), "100.00");
    window.show();
    window.ok();
    EXPECT_FALSE(window.messageShown());
    EXPECT_EQ(vfo->text(), "108.00");
    session.encode();
    EXPECT_EQ(session.imageOut()[addr::kFmVfo], 0x00);
    EXPECT_EQ(session.imageOut()[addr::kFmVfo + 1], 0xD2);
}

}  // namespace
}  // namespace zrt

// The channel window driven through its tables with mouse, key and wheel events.
#include "editors/channel/channel_window.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QWheelEvent>

#include "config/channel_table.h"
#include "editors/channel/channel_grid.h"
#include "image/address_map.h"
#include "session/session.h"
#include "ui/msgbox.h"
#include "ui/wheel/grid_wheel_hook.h"

namespace zrt {
namespace {

class ChannelWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setMsgBoxResponder([this](const MsgBoxRequest& r) {
            messages.push_back(r.prompt);
            return msg::kResultOk;
        });
        window = std::make_unique<ChannelWindow>(session);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override {
        window.reset();
        setMsgBoxResponder({});
    }

    ChannelGrid* grid(int group) const { return window->grid(group); }
    QLineEdit* text1() const { return window->findChild<QLineEdit*>("Text1"); }
    QLineEdit* text2() const { return window->findChild<QLineEdit*>("Text2"); }
    QComboBox* list(const char* name) const { return window->findChild<QComboBox*>(name); }
    QString cell(int group, int row, int column) const { return grid(group)->item(row - 1, column)->text(); }

    void clickCell(int group, int row, int column, Qt::MouseButton button = Qt::LeftButton) {
        ChannelGrid* g = grid(group);
        QTableWidgetItem* item = g->item(row - 1, column);
        g->scrollToItem(item);
        QTest::mouseClick(g->viewport(), button, {}, g->visualItemRect(item).center());
    }
    void selectGroup(int group) {
        auto* tabs = window->findChild<QTabBar*>("TabStrip1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(group - 1).center());
        ASSERT_EQ(window->currentGroup(), group);
    }
    // Types a frequency into the cell and presses Enter.
    void enterFrequency(int group, int row, int column, const QString& text) {
        clickCell(group, row, column);
        ASSERT_TRUE(text1()->isVisible());
        QTest::keyClicks(text1(), text);
        QTest::keyClick(text1(), Qt::Key_Return);
    }
    // Opens the list of a cell and picks its item in the drop-down with the keys.
    void chooseItem(int group, int row, int column, QComboBox* l, int position) {
        clickCell(group, row, column);
        ASSERT_TRUE(l->isVisible());
        QAbstractItemView* view = l->view();
        ASSERT_TRUE(view->isVisible()) << "the drop-down opens with the list";
        QTest::keyClick(view, Qt::Key_Home);
        for (int i = 0; i < position; ++i)
            QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Return);
    }
    void wheel(ChannelGrid* g, int distance) {
        const QPointF at = g->viewport()->rect().center();
        QWheelEvent e(at, g->viewport()->mapToGlobal(at), QPoint(), QPoint(0, distance), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(g->viewport(), &e);
    }

    Session session;
    std::unique_ptr<ChannelWindow> window;
    QStringList messages;
};

TEST_F(ChannelWindowTest, NewChannelGetsItsDefaults) {
    enterFrequency(kGroupA, 1, 1, "145.123");
    EXPECT_FALSE(text1()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), grid(kGroupA));
    const QStringList row = {"145.12000", "145.12000", "Off", "Off", "High", "Off",
                             "On",        "Wide",      "",    "Off", ""};
    for (int c = 1; c <= 11; ++c)
        EXPECT_EQ(cell(kGroupA, 1, c), row[c - 1]) << "column " << c;
    const ChannelStore& s = session.config().channels;
    EXPECT_EQ(s[0].txFrequency, "145.12000");
    EXPECT_EQ(s[0].bandwidth, 1);

    // A new receive frequency of that channel changes only the receive frequency.
    enterFrequency(kGroupA, 1, 1, "146.007");
    EXPECT_EQ(cell(kGroupA, 1, 1), "146.00625");
    EXPECT_EQ(cell(kGroupA, 1, 2), "145.12000");

    // Band position 2 makes new channels narrow.
    session.chooseBand(2, [] { return false; });
    enterFrequency(kGroupA, 2, 1, "435");
    EXPECT_EQ(cell(kGroupA, 2, 8), "Narrow");
    EXPECT_EQ(s[1].bandwidth, 0);
}

TEST_F(ChannelWindowTest, EditorCoversTheCellAndBlankRowsOpenTheirReceiveFrequency) {
    clickCell(kGroupA, 5, 5);  // the power cell of a blank row
    EXPECT_TRUE(text1()->isVisible());
    EXPECT_FALSE(list("Combo5_5")->isVisible());
    EXPECT_TRUE(text1()->hasFocus());
    EXPECT_EQ(grid(kGroupA)->currentColumn(), 1);
    ChannelGrid* g = grid(kGroupA);
    const QRect cellRect(g->viewport()->mapTo(window.get(), g->visualItemRect(g->item(4, 1)).topLeft()),
                         g->visualItemRect(g->item(4, 1)).size());
    EXPECT_TRUE(text1()->geometry().contains(cellRect));

    // A right press only focuses the grid, which commits the open editor.
    QTest::keyClicks(text1(), "150");
    clickCell(kGroupA, 9, 3, Qt::RightButton);
    EXPECT_FALSE(text1()->isVisible());
    EXPECT_EQ(cell(kGroupA, 5, 1), "150.00000");
    EXPECT_EQ(QApplication::focusWidget(), grid(kGroupA));

    // Enter on a cell arms the editor as a left press does.
    grid(kGroupA)->setCurrentCell(4, 11);
    QTest::keyClick(grid(kGroupA), Qt::Key_Return);
    EXPECT_TRUE(text2()->isVisible());
}

TEST_F(ChannelWindowTest, OutOfBandFrequencyIsRefusedWithTheMessage) {
    for (const char* typed : {"174", "135.99999"}) {
        messages.clear();
        enterFrequency(kGroupA, 3, 1, typed);
        ASSERT_EQ(messages.size(), 1) << typed;
        EXPECT_EQ(messages[0], "Beyond the scope of frequency band");
        EXPECT_EQ(cell(kGroupA, 3, 1), "");
        EXPECT_TRUE(session.config().channels.isEmpty(3));
        EXPECT_FALSE(text1()->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), grid(kGroupA));
    }
    // Keys that are no part of a frequency never reach the box.
    clickCell(kGroupA, 3, 1);
    QTest::keyClicks(text1(), "1a4-5 .5x678901");
    EXPECT_EQ(text1()->text(), "145.56789");
}

TEST_F(ChannelWindowTest, EmptyingFrequencies) {
    enterFrequency(kGroupA, 4, 1, "145");
    session.edit(Change::everything(), [&](Configuration& c_) { c_.channels[3].name = "NAME"; });
    window->refresh();
    // Emptying the transmit frequency changes nothing.
    clickCell(kGroupA, 4, 2);
    QTest::keyClick(text1(), Qt::Key_Backspace);
    EXPECT_EQ(text1()->text(), "");
    QTest::keyClick(text1(), Qt::Key_Return);
    EXPECT_EQ(cell(kGroupA, 4, 2), "145.00000");
    // Emptying the receive frequency empties the row but its label, and the channel.
    clickCell(kGroupA, 4, 1);
    QTest::keyClick(text1(), Qt::Key_Backspace);
    QTest::keyClick(text1(), Qt::Key_Return);
    for (int c = 1; c <= 11; ++c)
        EXPECT_EQ(cell(kGroupA, 4, c), "") << c;
    EXPECT_EQ(cell(kGroupA, 4, 0), "A4");
    EXPECT_TRUE(session.config().channels.isEmpty(4));
    EXPECT_EQ(session.config().channels[3].name, "");
}

TEST_F(ChannelWindowTest, NameEditorFiltersAndLimitsTyping) {
    enterFrequency(kGroupA, 6, 1, "145");
    clickCell(kGroupA, 6, 11);
    ASSERT_TRUE(text2()->isVisible());
    for (Qt::Key key : {Qt::Key_A, Qt::Key_B, Qt::Key_Minus, Qt::Key_1, Qt::Key_Space, Qt::Key_X})
        QTest::keyClick(text2(), key);
    EXPECT_EQ(text2()->text(), "AB-1X");
    QTest::keyClicks(text2(), "yz");
    EXPECT_EQ(text2()->text(), "AB-1XY");  // a seventh character is refused
    QTest::keyClick(text2(), Qt::Key_Return);
    EXPECT_EQ(cell(kGroupA, 6, 11), "AB-1XY");
    EXPECT_EQ(session.config().channels[5].name, "AB-1XY");
    EXPECT_EQ(QApplication::focusWidget(), grid(kGroupA));

    // A longer name from an image stays whole in the editor and through its commit.
    session.edit(Change::everything(), [&](Configuration& c_) { c_.channels[5].name = "ABCDEFGH"; });
    window->refresh();
    clickCell(kGroupA, 6, 11);
    EXPECT_EQ(text2()->text(), "ABCDEFGH");
    QTest::keyClick(text2(), Qt::Key_Return);
    EXPECT_EQ(session.config().channels[5].name, "ABCDEFGH");
}

TEST_F(ChannelWindowTest, ListChoiceOnGroupBLeavesTheFocusOnItsTable) {
    selectGroup(kGroupB);
    EXPECT_TRUE(grid(kGroupB)->isVisible());
    EXPECT_FALSE(grid(kGroupA)->isVisible());
    enterFrequency(kGroupB, 1, 1, "435.5");
    EXPECT_EQ(session.config().channels[64].rxFrequency, "435.50000");
    EXPECT_TRUE(session.config().channels.isEmpty(1));

    chooseItem(kGroupB, 1, 5, list("Combo5_5"), 0);
    EXPECT_EQ(cell(kGroupB, 1, 5), "Low");
    EXPECT_EQ(session.config().channels[64].power, 0);
    EXPECT_FALSE(list("Combo5_5")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), grid(kGroupB));

    chooseItem(kGroupB, 1, 4, list("Combo1"), 1);
    EXPECT_EQ(cell(kGroupB, 1, 4), "67.0");
    EXPECT_EQ(session.config().channels[64].encodeTone.position, 1);
    EXPECT_EQ(session.config().channels[64].encodeTone.text, "67.0");
    EXPECT_EQ(QApplication::focusWidget(), grid(kGroupB));

    // A list that loses the focus without a choice commits nothing.
    clickCell(kGroupB, 1, 7);
    ASSERT_TRUE(list("Combo5_7")->isVisible());
    list("Combo5_7")->hidePopup();
    grid(kGroupB)->setFocus();
    EXPECT_FALSE(list("Combo5_7")->isVisible());
    EXPECT_EQ(cell(kGroupB, 1, 7), "On");
}

TEST_F(ChannelWindowTest, WheelMovesOneRowPerEventWithinTheBounds) {
    ChannelGrid* a = grid(kGroupA);
    const int last = a->verticalScrollBar()->maximum() + 1;
    ASSERT_GT(last, 3);
    EXPECT_EQ(a->topRow(), 1);
    wheel(a, 120);  // away from the user at the top stays at row 1
    EXPECT_EQ(a->topRow(), 1);
    wheel(a, -120);
    EXPECT_EQ(a->topRow(), 2);
    wheel(a, -360);
    EXPECT_EQ(a->topRow(), 3);
    wheel(a, 360);
    EXPECT_EQ(a->topRow(), 2);
    for (int i = 0; i < 80; ++i)
        wheel(a, -120);
    EXPECT_EQ(a->topRow(), last);
    wheel(a, -120);
    EXPECT_EQ(a->topRow(), last);

    // After the switch to group B the wheel scrolls Grid2 and no longer Grid1.
    selectGroup(kGroupB);
    wheel(grid(kGroupB), -120);
    wheel(a, 120);
    EXPECT_EQ(grid(kGroupB)->topRow(), 2);
    EXPECT_EQ(a->topRow(), last);
}

TEST_F(ChannelWindowTest, DecodedChannelsLandInTheirRows) {
    MemoryImage in;
    in.fill(0xFF);
    const std::array<std::uint8_t, 13> record{0x00, 0x25, 0x51, 0x14, 0xFF, 0,   0,
                                              0,    0x00, 0x00, 0xFF, 0xFF, 0x01};
    for (int n : {64, 65}) {
        for (std::size_t k = 0; k < record.size(); ++k)
            in.set(addr::channelRecord(n) + k, record[k]);
        in.set(addr::channelName(n), 'N');
    }
    in.set(addr::channelName(1), 'X');  // a blank channel's name stays out of sight
    session.decode(in);
    window->refresh();
    const QStringList row = {"145.12500", "", "00.0", "Off", "High", "Carry", "Off", "Narrow", "", "On", "N"};
    for (int c = 1; c <= 11; ++c) {
        EXPECT_EQ(cell(kGroupA, 64, c), row[c - 1]) << c;
        EXPECT_EQ(cell(kGroupB, 1, c), row[c - 1]) << c;
        EXPECT_EQ(cell(kGroupA, 1, c), "") << c;
        EXPECT_EQ(cell(kGroupB, 64, c), "") << c;
    }
}

TEST_F(ChannelWindowTest, OpenFrequencyEditorCommitsBeforeATransfer) {
    clickCell(kGroupA, 7, 1);
    QTest::keyClicks(text1(), "146.52");
    window->commitFrequencyEditor();
    EXPECT_FALSE(text1()->isVisible());
    EXPECT_EQ(session.config().channels[6].rxFrequency, "146.52000");
    window->commitFrequencyEditor();  // nothing open: nothing happens
    EXPECT_EQ(session.config().channels[6].rxFrequency, "146.52000");

    // Closing only hides the window; the table keeps its rows.
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isHidden());
    EXPECT_EQ(cell(kGroupA, 7, 1), "146.52000");

    // New empties the store and the rows.
    window->startForm();
    EXPECT_EQ(cell(kGroupA, 7, 1), "");
    EXPECT_TRUE(session.config().channels.isEmpty(7));
}

// The row labels are a fixed column: a narrow window scrolled sideways keeps them in view, and a click on
// a label opens nothing.
TEST_F(ChannelWindowTest, RowLabelsStayInViewWhenScrolledSideways) {
    for (int group : {kGroupA, kGroupB}) {
        if (group == kGroupB) selectGroup(kGroupB);
        window->resize(320, 400);
        ChannelGrid* g = grid(group);
        QApplication::processEvents();
        ASSERT_GT(g->horizontalScrollBar()->maximum(), 0);
        g->horizontalScrollBar()->setValue(g->horizontalScrollBar()->maximum());
        QApplication::processEvents();
        for (int row : {1, 2}) {
            const QPoint at =
                g->viewport()->mapTo(g, QPoint(4, g->visualItemRect(g->item(row - 1, 1)).center().y()));
            QWidget* shown = g->childAt(at);
            ASSERT_TRUE(shown);
            auto* view = qobject_cast<QAbstractItemView*>(shown->parentWidget());
            ASSERT_TRUE(view);
            EXPECT_EQ(view->indexAt(shown->mapFrom(g, at)).data().toString(),
                      QString::fromStdString(rowLabel(group, row)));
            QTest::mouseClick(shown, Qt::LeftButton, {}, shown->mapFrom(g, at));
            EXPECT_FALSE(text1()->isVisible());
        }
    }
}

}  // namespace
}  // namespace zrt

// The channel window driven through its tables with mouse, key and wheel events: what the editors over the
// cells hand to the store, where the focus goes, how the tables scroll.
#include "editors/channel/channel_window.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>

#include "config/channel_table.h"
#include "editors/channel/channel_grid.h"
#include "support/ui_driver.h"

namespace zrt {
namespace {

using ui_test::child;

class ChannelWindowTest : public ui_test::WindowTest {
  protected:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    ChannelGrid* grid(int group) const { return window.grid(group); }
    QLineEdit* text1() const { return child<QLineEdit>(&window, "Text1"); }
    QLineEdit* text2() const { return child<QLineEdit>(&window, "Text2"); }
    QString cell(int group, int row, int column) const { return ui_test::cell(grid(group), row - 1, column); }
    const Channel& channel(int n) const { return session.config().channels[static_cast<std::size_t>(n - 1)]; }

    void clickCell(int group, int row, int column, Qt::MouseButton button = Qt::LeftButton) {
        ChannelGrid* g = grid(group);
        QTableWidgetItem* item = g->item(row - 1, column);
        g->scrollToItem(item);
        QTest::mouseClick(g->viewport(), button, {}, g->visualItemRect(item).center());
    }
    void selectGroup(int group) {
        auto* tabs = child<QTabBar>(&window, "TabStrip1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(group - 1).center());
        ASSERT_EQ(window.currentGroup(), group);
    }
    void enterFrequency(int group, int row, const QString& text) {
        clickCell(group, row, kRxColumn);
        ASSERT_TRUE(text1()->isVisible());
        QTest::keyClicks(text1(), text);
        QTest::keyClick(text1(), Qt::Key_Return);
    }
    // Opens the list of a cell and picks its item in the drop-down with the keys.
    void chooseItem(int group, int row, int column, const char* list, int position) {
        clickCell(group, row, column);
        QAbstractItemView* view = child<QComboBox>(&window, list)->view();
        ASSERT_TRUE(view->isVisible()) << "the drop-down opens with the list";
        QTest::keyClick(view, Qt::Key_Home);
        for (int i = 0; i < position; ++i)
            QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Return);
    }

    ChannelWindow window{session};
};

TEST_F(ChannelWindowTest, TypedFrequenciesReachTheStoreOrAreRefused) {
    enterFrequency(kGroupA, 1, "145.123");
    EXPECT_FALSE(text1()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), grid(kGroupA));
    EXPECT_EQ(cell(kGroupA, 1, 2), "145.12000");
    EXPECT_EQ(cell(kGroupA, 1, 8), "Wide");
    EXPECT_EQ(channel(1).txFrequency, "145.12000");

    enterFrequency(kGroupA, 3, "174");
    EXPECT_TRUE(askedOnly(msg::kOutOfBand, kEnglish));
    EXPECT_EQ(cell(kGroupA, 3, 1), "");
    EXPECT_TRUE(session.config().channels.isEmpty(3));
    EXPECT_EQ(QApplication::focusWidget(), grid(kGroupA));
}

TEST_F(ChannelWindowTest, BlankRowsOpenTheirReceiveFrequencyAndARightPressCommits) {
    clickCell(kGroupA, 5, 5);  // the power cell of a blank row
    EXPECT_TRUE(text1()->hasFocus());
    EXPECT_FALSE(child<QComboBox>(&window, "Combo5_5")->isVisible());
    EXPECT_EQ(grid(kGroupA)->currentColumn(), kRxColumn);

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

// A name longer than the editor's six characters came from an image: it stays whole through an edit.
TEST_F(ChannelWindowTest, NamesCommitAndALongerNameFromAnImageStaysWhole) {
    enterFrequency(kGroupA, 6, "145");
    clickCell(kGroupA, 6, 11);
    ui_test::type(text2(), QStringLiteral("ab-1"));
    QTest::keyClick(text2(), Qt::Key_Return);
    EXPECT_EQ(channel(6).name, "AB-1");
    EXPECT_EQ(QApplication::focusWidget(), grid(kGroupA));

    edit([](Configuration& c) { c.channels[5].name = "ABCDEFGH"; });
    window.refresh();
    clickCell(kGroupA, 6, 11);
    EXPECT_EQ(text2()->text(), "ABCDEFGH");
    QTest::keyClick(text2(), Qt::Key_Return);
    EXPECT_EQ(channel(6).name, "ABCDEFGH");
}

TEST_F(ChannelWindowTest, ListChoiceOnGroupBLeavesTheFocusOnItsTable) {
    selectGroup(kGroupB);
    EXPECT_FALSE(grid(kGroupA)->isVisible());
    enterFrequency(kGroupB, 1, "435.5");
    EXPECT_EQ(channel(65).rxFrequency, "435.50000");

    chooseItem(kGroupB, 1, 4, "Combo1", 1);
    EXPECT_EQ(cell(kGroupB, 1, 4), "67.0");
    EXPECT_EQ(channel(65).encodeTone.position, 1);
    EXPECT_EQ(channel(65).encodeTone.text, "67.0");
    EXPECT_FALSE(child<QComboBox>(&window, "Combo1")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), grid(kGroupB));

    // A list that loses the focus without a choice commits nothing.
    clickCell(kGroupB, 1, 7);
    auto* scan = child<QComboBox>(&window, "Combo5_7");
    ASSERT_TRUE(scan->isVisible());
    scan->hidePopup();
    grid(kGroupB)->setFocus();
    EXPECT_FALSE(scan->isVisible());
    EXPECT_EQ(cell(kGroupB, 1, 7), "On");
}

TEST_F(ChannelWindowTest, WheelMovesOneRowPerEventWithinTheBounds) {
    ChannelGrid* a = grid(kGroupA);
    const int last = a->verticalScrollBar()->maximum() + 1;
    ASSERT_GT(last, 3);
    const std::pair<int, int> moves[] = {{120, 1}, {-120, 2}, {-360, 3}, {360, 2}};
    for (auto [delta, top] : moves) {
        ui_test::wheel(a->viewport(), delta);
        EXPECT_EQ(a->topRow(), top) << delta;
    }
    for (int i = 0; i < 80; ++i)
        ui_test::wheel(a->viewport(), -120);
    EXPECT_EQ(a->topRow(), last);

    // After the switch to group B the wheel scrolls Grid2 and no longer Grid1.
    selectGroup(kGroupB);
    ui_test::wheel(grid(kGroupB)->viewport(), -120);
    ui_test::wheel(a->viewport(), 120);
    EXPECT_EQ(grid(kGroupB)->topRow(), 2);
    EXPECT_EQ(a->topRow(), last);
}

TEST_F(ChannelWindowTest, OpenFrequencyEditorCommitsBeforeATransfer) {
    clickCell(kGroupA, 7, 1);
    QTest::keyClicks(text1(), "146.52");
    window.commitFrequencyEditor();
    EXPECT_FALSE(text1()->isVisible());
    EXPECT_EQ(channel(7).rxFrequency, "146.52000");
    window.commitFrequencyEditor();  // nothing open: nothing happens
    EXPECT_EQ(channel(7).rxFrequency, "146.52000");

    // Closing only hides the window; the table keeps its rows.
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isHidden());
    EXPECT_EQ(cell(kGroupA, 7, 1), "146.52000");
}

// The row labels are a fixed column: a narrow window scrolled sideways keeps them in view, and a click on
// a label opens nothing.
TEST_F(ChannelWindowTest, RowLabelsStayInViewWhenScrolledSideways) {
    for (int group : {kGroupA, kGroupB}) {
        if (group == kGroupB) selectGroup(kGroupB);
        window.resize(320, 400);
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

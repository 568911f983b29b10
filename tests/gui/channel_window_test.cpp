// The channel tables in the real window, driven with mouse, key and wheel events: what the editors over the
// cells hand to the store, where the focus goes, how the tables scroll; and their spreadsheet habits: every
// key reaches its command, undo and redo name their step and give back what was there, rows go through the
// clipboard, a full group's insert asks, a list choice on several rows sets the used ones, and unsaved
// changes are shown and asked about.
#include "editors/channel/channel_window.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QScrollBar>
#include <QSlider>
#include <QTabBar>
#include <QTableView>
#include <QUndoStack>

#include "app/transfer_controller.h"
#include "app/undo_history.h"
#include "config/channel_clipboard.h"
#include "config/channel_edit.h"
#include "config/channel_table.h"
#include "editors/calibration/calibration_window.h"
#include "editors/channel/channel_grid.h"
#include "editors/dtmf/dtmf_window.h"
#include "i18n/edit_captions.h"
#include "support/ui_driver.h"

namespace zrt {
namespace {

using ui_test::child;

class ChannelWindowTest : public ui_test::WindowTest {
  protected:
    void SetUp() override {
        main().show();
        main().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
        window = main().channelWindow();
        // A1..A4 used, A2 blank: made before the window's history starts counting as the user's.
        for (int n : {1, 3, 4})
            session.edit(Change::channels(n, n), [n](Configuration& c) {
                commitFrequency(c.channels, c.band, n, ChannelFrequency::Receive, std::to_string(144 + n));
            });
        main().history().stack().clear();
        main().history().setClean();
        grid()->setFocus();
        answer = msg::kResultCancel;
    }

    ChannelGrid* grid(int group = kGroupA) const { return window->grid(group); }
    QLineEdit* text1() const { return child<QLineEdit>(window, "Text1"); }
    QLineEdit* text2() const { return child<QLineEdit>(window, "Text2"); }
    QString cell(int group, int row, int column) const { return ui_test::cell(grid(group), row - 1, column); }
    const Channel& channel(int n) const { return session.config().channels[static_cast<std::size_t>(n - 1)]; }
    std::string rx(int n) const { return channel(n).rxFrequency; }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(grid(), k, m); }
    QString undoText() { return main().history().undoAction()->text(); }
    void undo() { main().history().undoAction()->trigger(); }

    void clickCell(int group, int row, int column, Qt::MouseButton button = Qt::LeftButton) {
        ChannelGrid* g = grid(group);
        QTableWidgetItem* item = g->item(row - 1, column);
        g->scrollToItem(item);
        QTest::mouseClick(g->viewport(), button, {}, g->visualItemRect(item).center());
    }
    void selectGroup(int group) {
        auto* tabs = child<QTabBar>(window, "TabStrip1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(group - 1).center());
        ASSERT_EQ(window->currentGroup(), group);
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
        QAbstractItemView* view = child<QComboBox>(window, list)->view();
        ASSERT_TRUE(view->isVisible()) << "the drop-down opens with the list";
        QTest::keyClick(view, Qt::Key_Home);
        for (int i = 0; i < position; ++i)
            QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Return);
    }

    ChannelWindow* window = nullptr;
};

// The receive frequency's editor: a blank row opens it whatever cell was clicked; Enter, a right press on the
// table or a transfer's start commits it; a frequency out of the band is refused with the message.
TEST_F(ChannelWindowTest, TheFrequencyEditorCommitsOnEveryWayOutOrRefuses) {
    clickCell(kGroupA, 5, 5);  // the power cell of a blank row
    EXPECT_TRUE(text1()->hasFocus());
    EXPECT_FALSE(child<QComboBox>(window, "Combo5_5")->isVisible());
    EXPECT_EQ(grid()->currentColumn(), kRxColumn);
    QTest::keyClicks(text1(), "150");
    clickCell(kGroupA, 9, 3, Qt::RightButton);
    EXPECT_FALSE(text1()->isVisible());
    EXPECT_EQ(rx(5), "150.00000");
    EXPECT_EQ(QApplication::focusWidget(), grid());

    clickCell(kGroupA, 7, 1);
    QTest::keyClicks(text1(), "146.52");
    emit main().transfer().aboutToStart();
    EXPECT_FALSE(text1()->isVisible());
    EXPECT_EQ(rx(7), "146.52000");
    window->commitFrequencyEditor();  // nothing open: nothing happens
    EXPECT_EQ(rx(7), "146.52000");

    enterFrequency(kGroupA, 20, "174");
    EXPECT_TRUE(askedOnly(msg::kOutOfBand, kEnglish));
    EXPECT_FALSE(text1()->isVisible());
    EXPECT_EQ(cell(kGroupA, 20, 1), "");
    EXPECT_TRUE(session.config().channels.isEmpty(20));
    EXPECT_EQ(QApplication::focusWidget(), grid());
}

// A name longer than the editor's six characters came from an image: it stays whole through an edit.
TEST_F(ChannelWindowTest, NamesCommitAndALongerNameFromAnImageStaysWhole) {
    clickCell(kGroupA, 1, 11);
    ui_test::type(text2(), QStringLiteral("ab-1"));
    ui_test::enter(text2());
    EXPECT_EQ(channel(1).name, "AB-1");
    EXPECT_EQ(QApplication::focusWidget(), grid());

    edit([](Configuration& c) { c.channels[0].name = "ABCDEFGH"; });
    clickCell(kGroupA, 1, 11);
    EXPECT_EQ(text2()->text(), "ABCDEFGH");
    ui_test::enter(text2());
    EXPECT_EQ(channel(1).name, "ABCDEFGH");
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
    EXPECT_FALSE(child<QComboBox>(window, "Combo1")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), grid(kGroupB));

    // A list that loses the focus without a choice commits nothing.
    clickCell(kGroupB, 1, 7);
    auto* scan = child<QComboBox>(window, "Combo5_7");
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

// The row labels are a fixed column: a narrow window scrolled sideways keeps them in view, and a click on
// a label opens nothing.
TEST_F(ChannelWindowTest, RowLabelsStayInViewWhenScrolledSideways) {
    for (int group : {kGroupA, kGroupB}) {
        if (group == kGroupB) selectGroup(kGroupB);
        main().subWindowOf(window)->resize(320, 400);
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

TEST_F(ChannelWindowTest, EveryKeyReachesItsCommandAndUndoRedoNameTheirStep) {
    // Channels A1..A12, each as the first receive frequency of A1, A3 or A4 it holds, or '-' when blank.
    const std::string a1 = rx(1), a3 = rx(3), a4 = rx(4);
    const auto rows = [&] {
        std::string s;
        for (int n = 1; n <= 12; ++n)
            s += rx(n).empty() ? '-' : rx(n) == a1 ? '1' : rx(n) == a3 ? '3' : rx(n) == a4 ? '4' : '?';
        return s;
    };
    window->selectChannels(3, 4);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("Location,")));
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasFormat(qs(kChannelRecordsMime)));
    struct Case {
        const char* what;
        int first, last;  // the rows selected before the key; 0: those the last command left selected
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* rows;
        const char* undo;
    };
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, none = Qt::NoModifier, alt = Qt::AltModifier;
    const Case cases[] = {
        {"paste", 10, 10, Qt::Key_V, ctrl, "1-34-----34-", "Undo Paste 2 channels"},
        {"undo", 1, 1, Qt::Key_Z, ctrl, "1-34--------", "Undo"},
        {"redo", 1, 1, Qt::Key_Y, ctrl, "1-34-----34-", "Undo Paste 2 channels"},
        {"undo again", 1, 1, Qt::Key_Z, ctrl, "1-34--------", "Undo"},
        {"redo, the other key", 1, 1, Qt::Key_Z, ctrl | Qt::ShiftModifier, "1-34-----34-",
         "Undo Paste 2 channels"},
        {"delete", 10, 11, Qt::Key_Delete, none, "1-34--------", "Undo Delete 2 channels"},
        {"cut", 1, 1, Qt::Key_X, ctrl, "--34--------", "Undo Cut 1 channels"},
        {"insert", 3, 3, Qt::Key_Insert, none, "---34-------", "Undo Insert channel A3"},
        {"move down", 4, 5, Qt::Key_Down, alt, "----34------", "Undo Move Down"},
        {"move up, the moved rows still selected", 0, 0, Qt::Key_Up, alt, "---34-------", "Undo Move Up"},
    };
    for (const Case& c : cases) {
        if (c.first) window->selectChannels(c.first, c.last);
        key(c.key, c.modifiers);
        EXPECT_EQ(rows(), c.rows) << c.what;
        EXPECT_EQ(undoText(), QString::fromUtf8(c.undo)) << c.what;
        EXPECT_TRUE(asked.empty()) << c.what << ": " << asked.front().prompt.toStdString();
    }
    EXPECT_TRUE(QApplication::clipboard()->text().contains(qs(a1))) << "cut";

    // Rows by the keyboard and by their labels.
    window->selectChannels(1, 1);
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(window->selectedChannels(), (std::vector<int>{1, 2, 3}));
    QTableView* labels = grid()->findChild<QTableView*>(QStringLiteral("RowLabels"));
    const auto labelOf = [&](int row) { return labels->visualRect(labels->model()->index(row, 0)).center(); };
    QTest::mouseClick(labels->viewport(), Qt::LeftButton, Qt::NoModifier, labelOf(5));
    QTest::mouseClick(labels->viewport(), Qt::LeftButton, Qt::ShiftModifier, labelOf(7));
    QTest::mouseClick(labels->viewport(), Qt::LeftButton, Qt::ControlModifier, labelOf(9));
    EXPECT_EQ(window->selectedChannels(), (std::vector<int>{6, 7, 8, 10}));

    // A typed cell is one step named after its cell; undone, the cell shows what it held, in both languages.
    grid()->setCurrentCell(11, kRxColumn);
    key(Qt::Key_Return);
    auto* editor = ui_test::child<QLineEdit>(window, "Text1");
    ui_test::type(editor, QStringLiteral("150"));
    ui_test::enter(editor);
    EXPECT_EQ(rx(12), "150.00000");
    EXPECT_EQ(undoText(), QStringLiteral("Undo Set A12 receive frequency"));
    session.setLanguage(kChinese);
    EXPECT_EQ(undoText(), QStringLiteral("撤销 设置 A12 接收频率"));
    undo();
    EXPECT_EQ(rx(12), "");
    EXPECT_EQ(ui_test::cell(grid(), 11, kRxColumn), QString());
}

// A spreadsheet's tab-separated block pastes at the current row; refused rows and rows past the group's end
// are listed with their reasons, the rest pasted, as one step.
TEST_F(ChannelWindowTest, PasteReportsRefusedRows) {
    QApplication::clipboard()->setText(QStringLiteral("1\tA\t145.5\n2\tB\t999\n3\tC\t146\n"));
    window->selectChannels(63, 63);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(rx(63), "145.50000");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].prompt.startsWith(qs(kPasteSummary, kEnglish).arg(1).arg(2)))
        << asked[0].prompt.toStdString();
    EXPECT_TRUE(asked[0].prompt.contains(qs(kPasteBeyondGroup, kEnglish).arg(3)));
    EXPECT_EQ(main().history().stack().count(), 1);
}

// Insert into a group whose last channel is used asks first; Cancel keeps everything.
TEST_F(ChannelWindowTest, InsertAtAFullGroupAsks) {
    session.edit(Change::channels(64, 64), [](Configuration& c) {
        commitFrequency(c.channels, c.band, 64, ChannelFrequency::Receive, "160");
    });
    window->selectChannels(1, 1);
    for (int reply : {msg::kResultCancel, msg::kResultOk}) {
        answer = reply;
        key(Qt::Key_Insert);
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(std::exchange(asked, {})[0].prompt,
                  qs(kInsertDropsQuestion, kEnglish).arg(QStringLiteral("A64")));
        EXPECT_EQ(rx(64) == "160.00000", reply == msg::kResultCancel);
    }
}

// A list choice with several rows selected sets every selected channel that has a receive frequency.
TEST_F(ChannelWindowTest, BulkSetSkipsBlankRows) {
    window->selectChannels(1, 4);
    grid()->selectionModel()->setCurrentIndex(grid()->model()->index(2, kFirstListColumn),
                                              QItemSelectionModel::NoUpdate);
    key(Qt::Key_Return);
    auto* power = ui_test::child<QComboBox>(window, "Combo5_5");
    ASSERT_TRUE(power->isVisible());
    power->hidePopup();
    emit power->activated(0);
    for (int n : {1, 3, 4})
        EXPECT_EQ(session.config().channels[static_cast<std::size_t>(n - 1)].power, 0) << n;
    EXPECT_TRUE(session.config().channels[1].isEmpty());
    EXPECT_EQ(ui_test::cell(grid(), 1, kFirstListColumn), QString());
    EXPECT_EQ(undoText(), QStringLiteral("Undo Set power of 4 channels"));
}

// "*" in the title while the configuration differs from the last read, Open or Save; New then asks to save
// first, and Cancel there stops New before its own question.
TEST_F(ChannelWindowTest, UnsavedChangesShowAndAreAskedAbout) {
    const QString title = main().windowTitle();
    window->selectChannels(1, 1);
    key(Qt::Key_Delete);
    EXPECT_EQ(main().windowTitle(), QStringLiteral("*") + title);
    undo();
    EXPECT_EQ(main().windowTitle(), title);
    main().history().redoAction()->trigger();

    key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(askedOnly(msg::kSaveChangesQuestion, kEnglish));
    EXPECT_EQ(rx(3), "147.00000");
    setMsgBoxResponder([this](const MsgBoxRequest& r) {
        asked.push_back(r);
        return r.style == msg::kSaveChangesQuestion.style ? msg::kResultDiscard : msg::kResultOk;
    });
    key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(asked.size(), 2u) << "then New's own question";
    EXPECT_EQ(rx(3), "");
    undo();
    EXPECT_EQ(rx(3), "147.00000") << "New is a step too";

    // One drag of a calibration slider is one step, however many values it passes.
    auto* slider = ui_test::child<QSlider>(main().calibrationWindow(), "Slider1_0");
    const int before = main().history().stack().index();
    emit slider->sliderPressed();
    for (int v : {10, 20, 30})
        slider->setValue(v);
    emit slider->sliderReleased();
    EXPECT_EQ(main().history().stack().index(), before + 1);
    EXPECT_EQ(session.config().calib.values[0], 30);

    // Typing into one box of another window is one step until the focus moves on.
    trigger("MNDTMF");
    QApplication::processEvents();
    auto* code = ui_test::child<QLineEdit>(main().dtmfWindow(), "Text2");
    code->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), code);
    const int steps = main().history().stack().index();
    ui_test::type(code, QStringLiteral("123"));
    EXPECT_EQ(main().history().stack().index(), steps + 1);
    EXPECT_EQ(undoText(), QStringLiteral("Undo Edit DTMF"));
    undo();
    EXPECT_EQ(session.config().dtmf.aniStart, "");
}

}  // namespace
}  // namespace zrt

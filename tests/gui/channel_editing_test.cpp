// Spreadsheet habits of the channel tables in the real window: every key reaches its command, undo and redo
// name their step and give back what was there, rows go through the clipboard, a full group's insert asks,
// a list choice on several rows sets the used ones, and unsaved changes are shown and asked about.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QSlider>
#include <QTableView>
#include <QUndoStack>

#include "app/undo_history.h"
#include "config/channel_clipboard.h"
#include "config/channel_edit.h"
#include "config/channel_table.h"
#include "editors/calibration/calibration_window.h"
#include "editors/channel/channel_grid.h"
#include "editors/channel/channel_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "i18n/edit_captions.h"
#include "support/ui_driver.h"

namespace zrt {
namespace {

class ChannelEditing : public ui_test::WindowTest {
  protected:
    void SetUp() override {
        main().show();
        main().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
        channels = main().channelWindow();
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
    ChannelGrid* grid() const { return channels->grid(kGroupA); }
    std::string rx(int n) const {
        return session.config().channels[static_cast<std::size_t>(n - 1)].rxFrequency;
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(grid(), k, m); }
    QString undoText() { return main().history().undoAction()->text(); }
    void undo() { main().history().undoAction()->trigger(); }

    ChannelWindow* channels = nullptr;
};

TEST_F(ChannelEditing, EveryKeyReachesItsCommandAndUndoRedoNameTheirStep) {
    struct Case {
        const char* what;
        int first, last;  // the rows selected before the key
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::function<void()> check;
    };
    const std::string a1 = rx(1), a3 = rx(3), a4 = rx(4);
    const Case cases[] = {
        {"copy", 3, 4, Qt::Key_C, Qt::ControlModifier,
         [&] {
             EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("Location,")));
             EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasFormat(qs(kChannelRecordsMime)));
         }},
        {"paste", 10, 10, Qt::Key_V, Qt::ControlModifier,
         [&] {
             EXPECT_EQ(rx(10), a3);
             EXPECT_EQ(rx(11), a4);
             EXPECT_EQ(undoText(), QStringLiteral("Undo Paste 2 channels"));
         }},
        {"undo", 1, 1, Qt::Key_Z, Qt::ControlModifier, [&] { EXPECT_EQ(rx(10), ""); }},
        {"redo", 1, 1, Qt::Key_Y, Qt::ControlModifier, [&] { EXPECT_EQ(rx(11), a4); }},
        {"undo again", 1, 1, Qt::Key_Z, Qt::ControlModifier, [&] { EXPECT_EQ(rx(11), ""); }},
        {"redo, the other key", 1, 1, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier,
         [&] { EXPECT_EQ(rx(11), a4); }},
        {"delete", 10, 11, Qt::Key_Delete, Qt::NoModifier,
         [&] {
             EXPECT_EQ(rx(10) + rx(11), "");
             EXPECT_EQ(undoText(), QStringLiteral("Undo Delete 2 channels"));
         }},
        {"cut", 1, 1, Qt::Key_X, Qt::ControlModifier,
         [&] {
             EXPECT_EQ(rx(1), "");
             EXPECT_TRUE(QApplication::clipboard()->text().contains(qs(a1)));
         }},
        {"insert", 3, 3, Qt::Key_Insert, Qt::NoModifier,
         [&] {
             EXPECT_EQ(rx(3), "");
             EXPECT_EQ(rx(4), a3);
             EXPECT_EQ(undoText(), QStringLiteral("Undo Insert channel A3"));
         }},
        {"move down", 4, 5, Qt::Key_Down, Qt::AltModifier,
         [&] {
             EXPECT_EQ(rx(5), a3);
             EXPECT_EQ(rx(4), "");
             EXPECT_EQ(channels->selectedChannels(), (std::vector<int>{5, 6}));
         }},
        {"move up", 5, 6, Qt::Key_Up, Qt::AltModifier, [&] { EXPECT_EQ(rx(4), a3); }},
    };
    for (const Case& c : cases) {
        channels->selectChannels(c.first, c.last);
        key(c.key, c.modifiers);
        c.check();
        EXPECT_TRUE(asked.empty()) << c.what << ": " << asked.front().prompt.toStdString();
    }

    // Rows by the keyboard and by their labels.
    channels->selectChannels(1, 1);
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(channels->selectedChannels(), (std::vector<int>{1, 2, 3}));
    QTableView* labels = grid()->findChild<QTableView*>(QStringLiteral("RowLabels"));
    const auto labelOf = [&](int row) { return labels->visualRect(labels->model()->index(row, 0)).center(); };
    QTest::mouseClick(labels->viewport(), Qt::LeftButton, Qt::NoModifier, labelOf(5));
    QTest::mouseClick(labels->viewport(), Qt::LeftButton, Qt::ShiftModifier, labelOf(7));
    QTest::mouseClick(labels->viewport(), Qt::LeftButton, Qt::ControlModifier, labelOf(9));
    EXPECT_EQ(channels->selectedChannels(), (std::vector<int>{6, 7, 8, 10}));
    EXPECT_FALSE(ui_test::child<QLineEdit>(channels, "Text1")->isVisible()) << "a label opens nothing";

    // A typed cell is one step named after its cell; undone, the cell shows what it held, in both languages.
    grid()->setCurrentCell(11, kRxColumn);
    key(Qt::Key_Return);
    auto* editor = ui_test::child<QLineEdit>(channels, "Text1");
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
TEST_F(ChannelEditing, PasteReportsRefusedRows) {
    QApplication::clipboard()->setText(QStringLiteral("1\tA\t145.5\n2\tB\t999\n3\tC\t146\n"));
    channels->selectChannels(63, 63);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(rx(63), "145.50000");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].prompt.startsWith(qs(kPasteSummary, kEnglish).arg(1).arg(2)))
        << asked[0].prompt.toStdString();
    EXPECT_TRUE(asked[0].prompt.contains(qs(kPasteBeyondGroup, kEnglish).arg(3)));
    EXPECT_EQ(main().history().stack().count(), 1);
}

// Insert into a group whose last channel is used asks first; Cancel keeps everything.
TEST_F(ChannelEditing, InsertAtAFullGroupAsks) {
    session.edit(Change::channels(64, 64), [](Configuration& c) {
        commitFrequency(c.channels, c.band, 64, ChannelFrequency::Receive, "160");
    });
    channels->selectChannels(1, 1);
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
TEST_F(ChannelEditing, BulkSetSkipsBlankRows) {
    channels->selectChannels(1, 4);
    grid()->selectionModel()->setCurrentIndex(grid()->model()->index(2, kFirstListColumn),
                                              QItemSelectionModel::NoUpdate);
    key(Qt::Key_Return);
    auto* power = ui_test::child<QComboBox>(channels, "Combo5_5");
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
TEST_F(ChannelEditing, UnsavedChangesShowAndAreAskedAbout) {
    const QString title = main().windowTitle();
    channels->selectChannels(1, 1);
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

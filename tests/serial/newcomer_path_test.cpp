// The path a new user takes, in each language, through the real main window against the virtual radio: read
// the radio, change a channel by keyboard, write it back with the editor still open, save, start anew and
// open the saved file. What is typed into a cell and not yet committed must reach the radio and the file.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "app/main_window.h"
#include "devtools/screenshot_tour.h"
#include "editors/channel/channel_grid.h"
#include "editors/channel/channel_window.h"
#include "editors/fm/fm_window.h"
#include "support/serial_fixture.h"
#include "support/transfer_wait.h"
#include "support/ui_driver.h"

namespace zrt {
namespace {

using testing_support::settle;
using ui_test::key;
using ui_test::type;

// Answers the next file dialog with `path` (or cancels it when empty), the way a user would: the folder, then
// the name typed into the name box. QFileDialog::selectFile leaves the name box alone once it has the focus,
// which it gets at some moment after showing, so the name is typed into the box itself. The answer is given
// again on every tick until the dialog has finished.
void answerFileDialog(const QString& path) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        if (!dialog->property("answered").toBool()) {
            dialog->setProperty("answered", true);
            QObject::connect(dialog, &QDialog::finished, timer, [timer] {
                timer->stop();
                timer->deleteLater();
            });
        }
        if (path.isEmpty()) {
            dialog->reject();
        } else {
            const QFileInfo info(path);
            dialog->setDirectory(info.absolutePath());
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name->setText(info.fileName());
            else
                dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        }
    });
    timer->start();
}

// The radio's memory as a configuration, through the program's own decode.
Configuration asConfiguration(const sim::RadioProtocol::Memory& memory) {
    Session s;
    MemoryImage in;
    std::copy(memory.begin(), memory.end(), in.bytes().begin());
    s.decode(in);
    return s.config();
}

class NewcomerPath : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QApplication::setQuitOnLastWindowClosed(false);
        // The radio holds what a user's radio might: a few channels and FM presets.
        Session filled;
        filled.edit(Change::everything(), [&](Configuration& c_) { fillSampleConfiguration(c_); });
        filled.encode();
        bench.startRadio(testing_support::memoryOf(filled.imageOut()), {}, {}, false);

        window = std::make_unique<MainWindow>(session, PortNames(bench.device()));
        window->show();
        window->openStartPort();
        ASSERT_TRUE(window->port().isOpen());
        ASSERT_TRUE(log.shown.empty()) << log.texts().join('|').toStdString();
    }
    void TearDown() override { window.reset(); }

    QAction* action(const char* name) const { return qobject_cast<QAction*>(window->control(name)); }
    // A transfer command, once the previous transfer has given the commands back.
    void transfer(const char* name) {
        ASSERT_TRUE(settle([&] { return action(name)->isEnabled(); })) << name;
        action(name)->trigger();
        ASSERT_TRUE(testing::waitForTransfer(window->transfer())) << name;
    }
    std::string cell(int group, int row, int column) const {
        return window->channelWindow()->grid(group)->item(row - 1, column)->text().toStdString();
    }

    QTemporaryDir dir;
    testing_support::SerialBench bench;
    Session session;
    std::unique_ptr<MainWindow> window;
    testing_support::MessageLog log;
};

TEST_P(NewcomerPath, ReadEditWriteSaveNewOpen) {
    const int language = GetParam();
    if (language == kChinese) action("MNChinese")->trigger();
    const auto said = [&](const msg::Message& m) { return qs(m.text, language); };

    // Read: the tables fill, the channel window comes up.
    transfer("MNRead");
    EXPECT_EQ(log.texts(), QStringList{said(msg::kReadSucceeded)});
    EXPECT_EQ(cell(1, 1, 1), "145.50000");
    EXPECT_EQ(cell(1, 1, 11), "CALL");
    EXPECT_EQ(cell(1, 3, 5), language == kChinese ? "低" : "Low");
    EXPECT_EQ(cell(2, 2, 1), "439.40000");
    EXPECT_TRUE(window->subWindowOf(window->channelWindow())->isVisible());

    // Edit by keyboard: the receive cell of A2, Enter, the new frequency, and no Enter at the end.
    ChannelGrid* grid = window->channelWindow()->grid(1);
    grid->setFocus();
    grid->setCurrentCell(0, 1);
    key(grid, Qt::Key_Down);
    ASSERT_EQ(grid->currentRow(), 1);
    key(grid, Qt::Key_Return);
    auto* editor = window->channelWindow()->findChild<QLineEdit*>(QStringLiteral("Text1"));
    ASSERT_TRUE(editor && editor->isVisible());
    EXPECT_EQ(editor->text().toStdString(), "145.60000");
    EXPECT_TRUE(editor->hasSelectedText());  // typing replaces the old value
    type(editor, QStringLiteral("146.0125"));

    // Write with the editor open: it commits first, and the radio gets what was typed.
    log.shown.clear();
    transfer("MNWrite");
    EXPECT_EQ(log.texts(), QStringList{said(msg::kWriteSucceeded)});
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(cell(1, 2, 1), "146.01250");
    const Configuration written = asConfiguration(bench.radio->memory());
    EXPECT_EQ(written.channels[1].rxFrequency, "146.01250");
    EXPECT_EQ(written.channels[1].txFrequency, "145.00000");  // the transmit frequency stays
    EXPECT_EQ(written.channels[0].name, "CALL");

    // Save with an FM preset emptied in its cell editor, still open: the file has it empty.
    FmWindow* fm = window->fmWindow();
    fm->show();
    window->subWindowOf(fm)->show();
    fm->editCell(1);
    auto* fmEditor = fm->findChild<QLineEdit*>(QStringLiteral("Text1"));
    ASSERT_TRUE(fmEditor && fmEditor->isVisible());
    fmEditor->clear();
    const QString file = dir.filePath(QStringLiteral("radio.dat"));
    answerFileDialog(file);
    action("MNSave")->trigger();
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(QFile(file).size(), 3120);
    EXPECT_FALSE(fmEditor->isVisible());

    // Save again with the name editor of A3 open: the second file has the new name.
    grid->setFocus();
    grid->setCurrentCell(2, 11);
    key(grid, Qt::Key_Return);
    auto* nameEditor = window->channelWindow()->findChild<QLineEdit*>(QStringLiteral("Text2"));
    ASSERT_TRUE(nameEditor && nameEditor->isVisible());
    nameEditor->selectAll();
    type(nameEditor, QStringLiteral("LOCAL"));
    // Typed without an extension, as people do: the file gets one, so that Open lists it.
    answerFileDialog(dir.filePath(QStringLiteral("renamed")));
    action("TSave")->trigger();
    const QString second = dir.filePath(QStringLiteral("renamed.dat"));
    ASSERT_TRUE(QFile::exists(second));
    EXPECT_EQ(cell(1, 3, 11), "LOCAL");

    // New empties the tables; Open brings the file back.
    log.shown.clear();
    action("MNNew")->trigger();
    EXPECT_EQ(log.texts(), QStringList{said(msg::kNewQuestion)});
    EXPECT_EQ(cell(1, 2, 1), "");
    answerFileDialog(file);
    action("MNOpen")->trigger();
    EXPECT_EQ(cell(1, 2, 1), "146.01250");
    EXPECT_EQ(cell(1, 3, 11), "SIMPLX");
    EXPECT_EQ(cell(1, 3, 5), language == kChinese ? "低" : "Low");
    EXPECT_EQ(session.config().fmWindow.cells[0], "");
    EXPECT_EQ(session.config().fmWindow.cells[1], "93.50");
    answerFileDialog(second);
    action("TOpen")->trigger();
    EXPECT_EQ(cell(1, 3, 11), "LOCAL");
    EXPECT_EQ(log.texts(), QStringList{said(msg::kNewQuestion)});  // no message on a good open
}

INSTANTIATE_TEST_SUITE_P(Languages, NewcomerPath, ::testing::Values(kEnglish, kChinese),
                         [](const ::testing::TestParamInfo<int>& i) {
                             return std::string(i.param == kChinese ? "Chinese" : "English");
                         });

}  // namespace
}  // namespace zrt

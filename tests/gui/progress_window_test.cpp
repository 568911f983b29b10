#include "app/progress_window.h"

#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <QLabel>
#include <QProgressBar>

#include "app/transfer_controller.h"
#include "config/text.h"
#include "platform/radio_port.h"
#include "support/transfer_wait.h"
#include "support/ui_driver.h"

namespace zrt {
namespace {

// Each kind of transfer shows its own captions, in the language it was opened in.
TEST(ProgressWindow, CaptionsFollowTheTransferAndTheLanguage) {
    using Kind = ProgressWindow::Kind;
    for (auto [kind, title, label] : {std::tuple{Kind::Reading, msg::kReadingCaption, msg::kReadingLabel},
                                      std::tuple{Kind::Writing, msg::kWritingCaption, msg::kWritingLabel}})
        for (int language : {kEnglish, kChinese}) {
            ProgressWindow w(kind, language);
            EXPECT_EQ(w.windowTitle(), qs(title, language));
            EXPECT_EQ(ui_test::child<QLabel>(&w, "Label1")->text(), qs(label, language));
        }
}

// Only the transfer closes it. Steps that come faster than the bar repaints are gathered; the bar shows the
// latest one soon after.
TEST(ProgressWindow, OnlyTheTransferClosesItAndTheBarCatchesUpWithFastSteps) {
    ProgressWindow w(ProgressWindow::Kind::Writing, kEnglish);
    auto* bar = ui_test::child<QProgressBar>(&w, "ProgressBar1");
    w.show();
    w.reject();  // Escape
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    w.setValue(10);
    EXPECT_EQ(bar->value(), 10);  // the first step shows at once
    for (int v = 11; v <= 30; ++v)
        w.setValue(v);
    EXPECT_EQ(w.value(), 30);
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar->value() == 30; }));
    w.finish();
    EXPECT_FALSE(w.isVisible());
}

QWidget* progressWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "FrmWriting" && w->isVisible()) return w;
    return nullptr;
}

// The transfer runs while the program's event loop goes on: Read returns at once with the window up and
// modal, and the end arrives as a signal. A radio that never answers: the message comes after the window has
// gone, then the commands come back, then finished().
TEST(ProgressWindow, ATransferRunsWithoutANestedLoopAndTellsItsEnd) {
    int master = -1, slave = -1;
    char name[256] = {};
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    Session session;
    RadioPort port;
    ASSERT_TRUE(port.open(qs(name)));
    QWidget owner;
    TransferController controller(session, port, &owner);
    controller.setWatchdogInterval(5);
    QStringList events;
    setMsgBoxResponder([&](const MsgBoxRequest& r) {
        events << (progressWindow() ? "over the window: " : "") + r.prompt;
        return msg::kResultOk;
    });
    QObject::connect(&controller, &TransferController::commandsEnabled,
                     [&](bool on) { events << (on ? "commands on" : "commands off"); });
    QObject::connect(&controller, &TransferController::finished, [&] { events << "finished"; });

    controller.startRead();
    EXPECT_TRUE(controller.running());
    ASSERT_TRUE(progressWindow());
    EXPECT_TRUE(progressWindow()->isModal());
    controller.startWrite();  // ignored while one runs
    EXPECT_EQ(events, QStringList{"commands off"});

    ASSERT_TRUE(testing::waitForTransfer(controller, 10000));
    EXPECT_FALSE(progressWindow());
    EXPECT_EQ(events, (QStringList{"commands off", qs(msg::kCommunicationError.text, kEnglish), "commands on",
                                   "finished"}));
    setMsgBoxResponder({});
    port.close();
    ::close(master);
    ::close(slave);
}

}  // namespace
}  // namespace zrt

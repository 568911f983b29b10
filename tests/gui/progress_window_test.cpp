#include "app/progress_window.h"

#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QWidget>

#include "app/transfer_controller.h"
#include "config/text.h"
#include "platform/qt_text.h"
#include "platform/radio_port.h"
#include "session/session.h"
#include "support/transfer_wait.h"
#include "ui/msgbox.h"

namespace zrt {
namespace {

TEST(ProgressWindow, CaptionsFollowTheTransferAndTheLanguage) {
    struct Case {
        ProgressWindow::Kind kind;
        int language;
        const char* title;
        const char* label;
    };
    const Case cases[] = {
        {ProgressWindow::Kind::Reading, kEnglish, "Reading……", "Reading frequently, please wait a moment."},
        {ProgressWindow::Kind::Reading, kChinese, "正在读取……", "正在读频，请稍候。"},
        {ProgressWindow::Kind::Writing, kEnglish, "Writing……", "Writing frequently, please wait a moment."},
        {ProgressWindow::Kind::Writing, kChinese, "正在写入……", "正在写频，请稍候。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        ProgressWindow w(c.kind, c.language);
        EXPECT_EQ(w.objectName(), "FrmWriting");
        EXPECT_EQ(w.windowTitle(), QString::fromUtf8(c.title));
        auto* label = w.findChild<QLabel*>("Label1");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf8(c.label));
        auto* bar = w.findChild<QProgressBar*>("ProgressBar1");
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->minimum(), 1);
        EXPECT_EQ(bar->maximum(), 196);
    }
}

TEST(ProgressWindow, OnlyTheTransferClosesIt) {
    ProgressWindow w(ProgressWindow::Kind::Reading, kEnglish);
    w.show();
    w.reject();  // Escape
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    w.setValue(57);
    EXPECT_EQ(w.value(), 57);
    w.finish();
    EXPECT_FALSE(w.isVisible());
}

// Steps that come faster than the bar repaints are gathered; the bar shows the latest one soon after.
TEST(ProgressWindow, TheBarCatchesUpWithStepsThatCameTooFast) {
    ProgressWindow w(ProgressWindow::Kind::Writing, kEnglish);
    auto* bar = w.findChild<QProgressBar*>("ProgressBar1");
    ASSERT_NE(bar, nullptr);
    w.show();
    w.setValue(10);
    EXPECT_EQ(bar->value(), 10);  // the first step shows at once
    for (int v = 11; v <= 30; ++v)
        w.setValue(v);
    EXPECT_EQ(w.value(), 30);
    QElapsedTimer waited;
    waited.start();
    while (bar->value() != 30 && waited.elapsed() < 5000)
        QTest::qWait(10);
    EXPECT_EQ(bar->value(), 30);
    w.finish();
}

QWidget* progressWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "FrmWriting" && w->isVisible()) return w;
    return nullptr;
}

bool progressWindowUp() {
    return progressWindow() != nullptr;
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
        events << (progressWindowUp() ? "over the window: " : "") + r.prompt;
        return msg::kResultOk;
    });
    QObject::connect(&controller, &TransferController::commandsEnabled,
                     [&](bool on) { events << (on ? "commands on" : "commands off"); });
    QObject::connect(&controller, &TransferController::finished, [&] { events << "finished"; });

    controller.startRead();
    EXPECT_TRUE(controller.running());
    ASSERT_TRUE(progressWindowUp());
    EXPECT_TRUE(progressWindow()->isModal());
    controller.startWrite();  // ignored while one runs
    EXPECT_EQ(events, QStringList{"commands off"});

    ASSERT_TRUE(testing::waitForTransfer(controller, 10000));
    EXPECT_FALSE(progressWindowUp());
    EXPECT_EQ(events, (QStringList{"commands off",
                                   "Communication error, check the line and the serial connection selection!",
                                   "commands on", "finished"}));
    setMsgBoxResponder({});
    port.close();
    ::close(master);
    ::close(slave);
}

}  // namespace
}  // namespace zrt

// The picture tour that scripts/screenshots.sh runs: every window in both languages, none cut.
#include "app/screenshot_tour.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <memory>

#include "app/main_window.h"
#include "app/msgbox.h"
#include "session/session.h"

namespace zrt {
namespace {

TEST(ScreenshotTour, EveryWindowInBothLanguagesIsShownAndSaved) {
    QApplication::setQuitOnLastWindowClosed(false);
    setMsgBoxResponder([](const MsgBoxRequest&) { return msg::kResultOk; });
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Session session;
    fillSampleConfiguration(session.config);
    auto window =
        std::make_unique<MainWindow>(session, PortNames(QStringLiteral("/nonexistent/zrt410-port")));
    window->show();

    const ScreenshotReport report = takeScreenshots(*window, dir.path());
    EXPECT_TRUE(report.failed.isEmpty()) << report.failed.join('\n').toStdString();
    EXPECT_TRUE(report.clipped.isEmpty()) << report.clipped.join('\n').toStdString();
    const char* windows[] = {"main",           "channel",       "ports",         "dtmf", "features-page1",
                             "features-page2", "calibration-a", "calibration-b", "fm",   "about",
                             "progress-read",  "progress-write"};
    EXPECT_EQ(report.windows, static_cast<int>(std::size(windows)));
    EXPECT_EQ(report.saved.size(), 2 * static_cast<int>(std::size(windows)));
    for (const char* name : windows) {
        for (const char* language : {"en", "zh"}) {
            const QString file =
                QStringLiteral("%1-%2.png").arg(QLatin1String(name), QLatin1String(language));
            const QImage picture(QDir(dir.path()).filePath(file));
            EXPECT_FALSE(picture.isNull()) << file.toStdString();
            EXPECT_GT(picture.width(), 100) << file.toStdString();
        }
    }
    window.reset();
    setMsgBoxResponder({});
}

}  // namespace
}  // namespace zrt

// The start procedure: English, band 0, the editor windows loaded, the main window shown, port 1 opened.
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QTimer>
#include <cstdio>

#include "app/main_window.h"
#include "app/msgbox.h"
#include "app/radio_picture.h"
#include "app/screenshot_tour.h"
#include "app/startup_probe.h"
#include "print/print_document.h"
#include "session/session.h"

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZR-T410"));
    QApplication::setApplicationVersion(QStringLiteral("3.00"));
    QApplication::setWindowIcon(zrt::radioIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("ZR-T410 radio programming software"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"),
        QStringLiteral(
            "Serial device that port entry 1 opens (default: $ZRT410_PORT, else the first serial port)."),
        QStringLiteral("DEVICE"));
    QCommandLineOption screenshotOption(
        QStringLiteral("screenshot"),
        QStringLiteral("Save pictures of every window in both languages into DIR and exit."),
        QStringLiteral("DIR"));
    screenshotOption.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineOption startupOption(
        QStringLiteral("startup-time"),
        QStringLiteral("Print the time to the shown main window and the resident memory, then exit."));
    startupOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(portOption);
    parser.addOption(screenshotOption);
    parser.addOption(startupOption);
    parser.process(app);

    QString portDevice = parser.value(portOption);
    if (portDevice.isEmpty()) portDevice = qEnvironmentVariable("ZRT410_PORT");

    zrt::Session session;
    const bool screenshots = parser.isSet(screenshotOption);
    if (screenshots) zrt::fillSampleConfiguration(session.config);
    zrt::MainWindow window(session, zrt::PortNames(portDevice));
    window.show();

    if (screenshots) {
        // The pictures show the windows as they look with a working cable: no port is opened and no box
        // waits for an answer.
        zrt::setMsgBoxResponder([](const zrt::MsgBoxRequest&) { return 1; });
        const QString dir = parser.value(screenshotOption);
        zrt::ScreenshotReport report = zrt::takeScreenshots(window, dir);
        // The printed document of the same configuration, A4, for scripts/screenshots.sh to picture.
        for (const int language : {zrt::kEnglish, zrt::kChinese}) {
            const QString pdf = QStringLiteral("print-%1.pdf").arg(language == zrt::kEnglish ? "en" : "zh");
            if (!zrt::writeConfigurationPdf(QDir(dir).filePath(pdf), session.config, language,
                                            {QString(), QDate::currentDate()},
                                            zrt::defaultPageLayout(QLocale::c())))
                report.failed << pdf + QStringLiteral(": not saved");
        }
        for (const QString& line : report.failed)
            std::fprintf(stderr, "window not shown: %s\n", qPrintable(line));
        for (const QString& line : report.clipped)
            std::fprintf(stderr, "caption cut: %s\n", qPrintable(line));
        std::printf("screenshots: %d windows, 2 languages\n", report.windows);
        return report.failed.isEmpty() && report.clipped.isEmpty() ? 0 : 1;
    }

    if (parser.isSet(startupOption)) {
        // The port is opened as always; a box about it must not stand in the way of the figure.
        zrt::setMsgBoxResponder([](const zrt::MsgBoxRequest&) { return 1; });
        zrt::probeStartup(&window, sinceMain);
    }
    QTimer::singleShot(0, &window, [&window] { window.openStartPort(); });
    return QApplication::exec();
}

// The start procedure: English, band 0, the editor windows loaded, the main window shown, port 1 opened; or
// where the user left off, from the remembered settings; then the data file named on the command line.
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/app_settings.h"
#include "app/main_window.h"
#include "app/radio_picture.h"
#include "devtools/screenshot_tour.h"
#include "devtools/startup_probe.h"
#include "print/print_document.h"
#include "session/session.h"
#include "ui/msgbox.h"

#ifndef ZRT_APP_ID
#define ZRT_APP_ID "zr-t410"  // the build names the installed desktop entry
#endif

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZR-T410"));
    QApplication::setApplicationVersion(QStringLiteral(ZRT_VERSION));
    QApplication::setWindowIcon(zrt::radioIcon());
    // Lets the desktop match the window with the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZRT_APP_ID));

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
    const QCommandLineOption resetOption(
        QStringLiteral("reset-settings"),
        QStringLiteral("Forget the remembered language, port, folders, recent files and window place, and "
                       "start as on the first day."));
    parser.addOption(portOption);
    parser.addOption(resetOption);
    parser.addOption(screenshotOption);
    parser.addOption(startupOption);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A data file (*.dat) to open at start."),
                                 QStringLiteral("[FILE.dat]"));
    parser.process(app);
    if (parser.positionalArguments().size() > 1) {
        std::fprintf(stderr, "%s: one data file at a time\n", qPrintable(QApplication::applicationName()));
        return 2;
    }

    const bool screenshots = parser.isSet(screenshotOption);
    const bool measuring = parser.isSet(startupOption);
    // The pictures and the measurement show a first start and leave the user's settings alone.
    std::unique_ptr<zrt::AppSettings> settings;
    if (!screenshots && !measuring) {
        settings = std::make_unique<zrt::AppSettings>();
        if (parser.isSet(resetOption)) settings->clear();
    }

    // A device given with --port is remembered for the next start; the environment only counts for this one.
    QString portDevice = parser.value(portOption);
    if (!portDevice.isEmpty() && settings) settings->setPortDevice(portDevice);
    if (portDevice.isEmpty()) portDevice = qEnvironmentVariable("ZRT410_PORT");
    if (portDevice.isEmpty() && settings) portDevice = settings->portDevice();

    zrt::Session session;
    if (screenshots) session.edit(zrt::Change::everything(), zrt::fillSampleConfiguration);
    zrt::MainWindow window(session, screenshots ? zrt::samplePortNames() : zrt::PortNames(portDevice));
    if (screenshots) window.setPortDescriber(zrt::samplePortDescription);
    window.useSettings(settings.get());
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
            if (!zrt::writeConfigurationPdf(QDir(dir).filePath(pdf), session.config(), language,
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

    if (measuring) {
        // The port is opened as always; a box about it must not stand in the way of the figure.
        zrt::setMsgBoxResponder([](const zrt::MsgBoxRequest&) { return 1; });
        zrt::probeStartup(&window, sinceMain);
    }
    const QString file = parser.positionalArguments().value(0);
    QTimer::singleShot(0, &window, [&window, file] {
        window.openStartPort();
        if (!file.isEmpty()) window.openFile(QFileInfo(file).absoluteFilePath());
    });
    return QApplication::exec();
}

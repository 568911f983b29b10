// The start procedure: English, band 0, the editor windows loaded, the main window shown, port 1 opened.
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include "app/main_window.h"
#include "app/msgbox.h"
#include "app/radio_picture.h"
#include "app/startup_probe.h"
#include "session/session.h"

namespace {

// Grabs the main window in English and in Chinese into DIR/main-en.png and DIR/main-zh.png.
int takeScreenshots(zrt::MainWindow& window, const QString& dir) {
    QDir().mkpath(dir);
    auto grab = [&](const char* languageCommand, const QString& file) {
        if (auto* a = qobject_cast<QAction*>(window.control(languageCommand))) a->trigger();
        for (int i = 0; i < 10; ++i)
            QApplication::processEvents();
        return window.grab().save(QDir(dir).filePath(file));
    };
    const bool ok =
        grab("MNEnglish", QStringLiteral("main-en.png")) && grab("MNChinese", QStringLiteral("main-zh.png"));
    return ok ? 0 : 1;
}

}  // namespace

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
    QCommandLineOption screenshotOption(QStringLiteral("screenshot"),
                                        QStringLiteral("Save pictures of the main window into DIR and exit."),
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
    zrt::MainWindow window(session, zrt::PortNames(portDevice));
    window.show();

    if (parser.isSet(screenshotOption)) {
        // The pictures show the window as it looks with a working cable: no port is opened and no box
        // waits for an answer.
        zrt::setMsgBoxResponder([](const zrt::MsgBoxRequest&) { return 1; });
        return takeScreenshots(window, parser.value(screenshotOption));
    }

    if (parser.isSet(startupOption)) {
        // The port is opened as always; a box about it must not stand in the way of the figure.
        zrt::setMsgBoxResponder([](const zrt::MsgBoxRequest&) { return 1; });
        zrt::probeStartup(&window, sinceMain);
    }
    QTimer::singleShot(0, &window, [&window] { window.openStartPort(); });
    return QApplication::exec();
}

// Times the main window's heavy moments with every channel set: building the window, redrawing every editor
// after an Open or a read, and switching the language (the handler, then until the window has repainted).
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "app/main_window.h"
#include "app/progress_window.h"
#include "datafile/data_file.h"
#include "devtools/startup_probe.h"
#include "editors/calibration/calibration_window.h"
#include "editors/channel/channel_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/editor_window.h"
#include "editors/features/features_window.h"
#include "editors/fm/fm_window.h"
#include "session/session.h"
#include "support/full_configuration.h"
#include "ui/msgbox.h"

namespace {

double msOf(const std::function<void()>& work) {
    QElapsedTimer t;
    t.start();
    work();
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// Until no event is left: the repaint that a change scheduled has happened once this returns.
void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents(QEventLoop::AllEvents);
}

struct Figures {
    std::vector<double> values;
    void add(double v) { values.push_back(v); }
    double median() {
        std::sort(values.begin(), values.end());
        return values.empty() ? 0 : values[values.size() / 2];
    }
    double best() { return values.empty() ? 0 : *std::min_element(values.begin(), values.end()); }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the main window with 128 channels set."));
    parser.addHelpOption();
    const QCommandLineOption repeat(QStringLiteral("repeat"), QStringLiteral("Runs of each (default 10)."),
                                    QStringLiteral("N"), QStringLiteral("10"));
    parser.addOption(repeat);
    parser.process(app);
    const int runs = std::max(1, parser.value(repeat).toInt());
    zrt::setMsgBoxResponder([](const zrt::MsgBoxRequest&) { return zrt::msg::kResultOk; });

    zrt::Session session;
    std::unique_ptr<zrt::MainWindow> window;
    const double build = msOf([&] { window = std::make_unique<zrt::MainWindow>(session); });
    const double show = msOf([&] {
        window->show();
        settle();
    });
    std::printf("main window: built in %.1f ms, shown and painted in %.1f ms\n", build, show);

    // Open of a data file with every channel set: the decode, then every editor redraws.
    // Cells that keep their text cost nothing, so every run opens the full file over an empty one.
    const std::vector<std::uint8_t> file = zrt::bench::fullDataFile();
    zrt::MemoryImage blank;
    zrt::encodeImage(zrt::startConfiguration(), blank);
    const std::vector<std::uint8_t> empty = zrt::datafile::serialize(blank);
    const std::vector<zrt::EditorWindow*> editors{window->channelWindow(), window->dtmfWindow(),
                                                  window->featuresWindow(), window->calibrationWindow(),
                                                  window->fmWindow()};
    auto openFile = [&](const std::vector<std::uint8_t>& bytes) {
        zrt::MemoryImage sessionImage;
        zrt::datafile::load(bytes, sessionImage);
        session.decode(sessionImage);
        for (zrt::EditorWindow* e : editors)
            e->refresh();
        settle();
    };
    Figures open;
    for (int i = 0; i < runs; ++i) {
        openFile(empty);
        open.add(msOf([&] { openFile(file); }));
    }
    std::printf("open with 128 channels set, redrawn and painted: median %.1f ms, best %.1f ms\n",
                open.median(), open.best());

    auto* chinese = qobject_cast<QAction*>(window->control("MNChinese"));
    auto* english = qobject_cast<QAction*>(window->control("MNEnglish"));
    if (!chinese || !english) {
        std::fprintf(stderr, "window bench: no language commands\n");
        return 1;
    }
    Figures handler, painted;
    for (int i = 0; i < runs; ++i) {
        for (QAction* language : {chinese, english}) {
            QElapsedTimer t;
            t.start();
            language->trigger();
            handler.add(static_cast<double>(t.nsecsElapsed()) / 1e6);
            settle();
            painted.add(static_cast<double>(t.nsecsElapsed()) / 1e6);
        }
    }
    std::printf(
        "language switch with 128 channels set: median %.1f ms (%.1f ms until painted), best %.1f ms\n",
        handler.median(), painted.median(), handler.best());
    // What a transfer spends once on its window, whatever the radio's speed.
    Figures progress;
    for (int i = 0; i < runs; ++i) {
        progress.add(msOf([&] {
            zrt::ProgressWindow w(zrt::ProgressWindow::Kind::Reading, session.config().languageIndex,
                                  window.get());
            w.show();
            settle();
            w.finish();
            settle();
        }));
    }
    std::printf("progress window opened, painted and closed: median %.1f ms, best %.1f ms\n",
                progress.median(), progress.best());
    std::printf("resident memory now: VmRSS %ld kB\n", zrt::residentKb());
    zrt::setMsgBoxResponder({});
    return 0;
}

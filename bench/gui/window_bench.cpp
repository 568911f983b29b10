// Times the main window's heavy moments with every channel set: building the window, redrawing every editor
// after an Open or a read, and switching the language (the handler, then until the window has repainted).
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QMimeData>
#include <QUndoStack>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "app/main_window.h"
#include "app/progress_window.h"
#include "app/undo_history.h"
#include "config/channel_clipboard.h"
#include "config/channel_edit.h"
#include "config/channel_table.h"
#include "datafile/data_file.h"
#include "devtools/startup_probe.h"
#include "editors/calibration/calibration_window.h"
#include "editors/channel/channel_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/editor_window.h"
#include "editors/features/features_window.h"
#include "editors/fm/fm_window.h"
#include "platform/qt_text.h"
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
    // Undo of the last of 1,000 single-cell edits (each a step of its own), until the table has repainted,
    // and its redo; then a paste of 64 rows from the clipboard's CSV over group B, with its step.
    zrt::ChannelWindow* channels = window->channelWindow();
    zrt::UndoHistory& history = window->history();
    history.stack().clear();
    for (int k = 0; k < 1000; ++k) {
        const int n = 1 + k % 20;  // rows of group A in view: each undo repaints
        session.edit(
            zrt::Change::channels(n, n).named({zrt::StepKind::SetField, n, zrt::ChannelField::Name}),
            [k, n](zrt::Configuration& c) { zrt::commitName(c.channels, n, "N" + std::to_string(k)); });
    }
    settle();
    const std::string lastName = session.config().channels[(1000 - 1) % 20].name;
    Figures undo, redo;
    for (int i = 0; i < runs; ++i) {
        undo.add(msOf([&] {
            history.undoAction()->trigger();
            settle();
        }));
        redo.add(msOf([&] {
            history.redoAction()->trigger();
            settle();
        }));
    }
    std::printf(
        "undo of the last of %d single-cell edits, painted: median %.2f ms, best %.2f ms (redo %.2f ms)\n",
        history.stack().count(), undo.median(), undo.best(), redo.median());
    channels->selectChannels(1, zrt::kRowsPerGroup);
    channels->copySelection();
    const QByteArray records = QApplication::clipboard()->mimeData()->data(zrt::qs(zrt::kChannelRecordsMime));
    const QString csv = QApplication::clipboard()->text();
    for (const bool own : {true, false}) {
        Figures paste;
        for (int i = 0; i < runs; ++i) {
            channels->selectChannels(zrt::kRowsPerGroup + 1, zrt::kChannelCount);
            channels->deleteSelection();
            auto* data = new QMimeData;
            data->setText(csv);
            if (own) data->setData(zrt::qs(zrt::kChannelRecordsMime), records);
            QApplication::clipboard()->setMimeData(data);
            channels->selectChannels(zrt::kRowsPerGroup + 1, zrt::kRowsPerGroup + 1);
            settle();
            paste.add(msOf([&] {
                channels->paste();
                settle();
            }));
        }
        if (session.config().channels.isEmpty(zrt::kChannelCount)) {
            std::fprintf(stderr, "window bench: the paste did not run\n");
            return 1;
        }
        std::printf("paste of 64 rows (%s), painted: median %.2f ms, best %.2f ms\n",
                    own ? "the program's own records" : "CSV", paste.median(), paste.best());
    }
    std::printf("resident memory now: VmRSS %ld kB\n", zrt::residentKb());
    zrt::setMsgBoxResponder({});
    return 0;
}

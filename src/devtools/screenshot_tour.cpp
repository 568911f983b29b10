#include "devtools/screenshot_tour.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QTabWidget>
#include <QTemporaryDir>

#include "app/about_box.h"
#include "app/backups_window.h"
#include "app/compare_window.h"
#include "app/main_window.h"
#include "app/progress_window.h"
#include "config/channel_edit.h"
#include "config/channel_table.h"
#include "config/configuration.h"
#include "devtools/caption_fit.h"
#include "editors/calibration/calibration_window.h"
#include "editors/channel/channel_grid.h"
#include "editors/channel/channel_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/features/features_window.h"
#include "editors/fm/fm_window.h"
#include "image/tone_list.h"
#include "platform/backups.h"
#include "session/session.h"

namespace zrt {

namespace {

int tonePosition(std::string_view text) {
    for (int i = 0; i < kToneListSize; ++i)
        if (toneListItem(i, kEnglish) == text) return i;
    return 0;
}

void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// A few backups of the sample configuration, at fixed times, as after three reads; the newest one's
// configuration differs from the sample's in a name and the beep, for the comparison.
QStringList sampleBackups(const QString& folder) {
    QStringList paths;
    const char* names[] = {"2026-12-04_091502_band0.dat", "2026-12-05_163048_band0.dat",
                           "2026-12-06_221734_band0.dat"};
    for (int i = 0; i < 3; ++i) {
        Session s;
        s.edit(Change::everything(), [i](Configuration& config) {
            fillSampleConfiguration(config);
            if (i == 2) {
                commitName(config.channels, 1, "HOME");
                config.features[FeatureList::Beep] = 0;
            }
            if (i == 0) config.channels.clearChannel(66);
        });
        s.encode();
        const BackupResult r = saveBackup(s.imageOut(), 0, folder);
        const QString path = QDir(folder).filePath(QLatin1String(names[i]));
        if (!r.path.isEmpty() && QFile::rename(r.path, path)) paths << path;
    }
    return paths;
}

}  // namespace

void fillSampleConfiguration(Configuration& config) {
    struct Sample {
        int n;
        const char* rx;
        const char* tx;  // nullptr: as received
        const char* decode;
        const char* encode;
        int power;  // 0 low, 1 high
        const char* name;
    };
    const Sample samples[] = {
        {1, "145.50000", nullptr, nullptr, nullptr, 1, "CALL"},
        {2, "145.60000", "145.00000", nullptr, "88.5", 1, "RPT1"},
        {3, "146.52000", nullptr, "100.0", "100.0", 0, "SIMPLX"},
        {4, "155.02500", nullptr, "D023N", "D023N", 1, "WORK"},
        {65, "435.00000", nullptr, nullptr, nullptr, 1, "UHF"},
        {66, "439.40000", "431.80000", "D754I", "67.0", 0, "RPT70"},
    };
    ChannelStore& store = config.channels;
    for (const Sample& s : samples) {
        commitFrequency(store, config.band, s.n, ChannelFrequency::Receive, s.rx);
        if (s.tx) commitFrequency(store, config.band, s.n, ChannelFrequency::Transmit, s.tx);
        if (s.decode) commitListChoice(store, s.n, ChannelList::DecodeTone, tonePosition(s.decode), s.decode);
        if (s.encode) commitListChoice(store, s.n, ChannelList::EncodeTone, tonePosition(s.encode), s.encode);
        commitListChoice(store, s.n, ChannelList::Power, s.power, "");
        commitName(store, s.n, s.name);
    }
    // The FM presets as after OK in the FM window: in its cells and in the store alike.
    const char* presets[] = {"88.10", "93.50", "97.30", "101.70", "106.10"};
    for (std::size_t i = 0; i < std::size(presets); ++i)
        config.fm.channelFreq[i] = config.fmWindow.cells[i] = presets[i];
    config.fm.currentChannel = 2;
    config.fmWindow.presentChannel = "2";
    config.fm.vfoFreq = config.fmWindow.vfo = "98.00";
}

PortNames samplePortNames() {
    PortNames ports;
    ports.setListing({QStringLiteral("ttyUSB0"), QStringLiteral("ttyUSB1"), QStringLiteral("ttyS0")});
    return ports;
}

PortDescription samplePortDescription(const QString& device) {
    if (device == QLatin1String("/dev/ttyUSB0"))
        return {QStringLiteral("FT232R USB UART"), QStringLiteral("FTDI")};
    if (device == QLatin1String("/dev/ttyUSB1"))
        return {QStringLiteral("CP2102 USB to UART Bridge Controller"), QStringLiteral("Silicon Labs")};
    return {};
}

ScreenshotReport takeScreenshots(MainWindow& window, const QString& dir) {
    ScreenshotReport report;
    QDir().mkpath(dir);
    QMdiArea* mdi = qobject_cast<QMdiArea*>(window.centralWidget());

    // popup: a drop-down list open over the window, drawn where it stands.
    auto save = [&](QWidget* shown, const QString& file, QWidget* popup = nullptr) {
        settle();
        if (!shown->isVisible() || (popup && !popup->isVisible())) {
            report.failed << file + QStringLiteral(": not shown");
            return;
        }
        for (const QString& c : clippedCaptions(shown))
            report.clipped << file + QStringLiteral(": ") + c;
        QPixmap picture = shown->grab();
        if (popup) {
            QPainter painter(&picture);
            painter.drawPixmap(shown->mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->grab());
        }
        if (picture.isNull() || !picture.save(QDir(dir).filePath(file)))
            report.failed << file + QStringLiteral(": not saved");
        else
            report.saved << file;
    };
    // An editor as the user sees it after its menu command: its own frame, in front.
    auto showEditor = [&](EditorWindow* editor) -> QWidget* {
        QMdiSubWindow* sub = window.subWindowOf(editor);
        if (!sub) return editor;
        editor->show();
        sub->showNormal();
        sub->raise();
        if (mdi) mdi->setActiveSubWindow(sub);
        return sub;
    };
    auto hideEditors = [&] {
        if (!mdi) return;
        for (QMdiSubWindow* sub : mdi->subWindowList())
            sub->hide();
    };

    struct Language {
        int index;
        const char* command;
        const char* suffix;
    };
    QTemporaryDir backupFolder;
    const QStringList backups = sampleBackups(backupFolder.path());
    BackupsWindow* backupsWindow = window.backupsWindow();
    backupsWindow->setFolder(backupFolder.path());

    const Language languages[] = {{kEnglish, "MNEnglish", "en"}, {kChinese, "MNChinese", "zh"}};
    for (const Language& language : languages) {
        auto* command = qobject_cast<QAction*>(window.control(language.command));
        if (command) command->trigger();
        const QString suffix = QStringLiteral("-%1.png").arg(QLatin1String(language.suffix));
        int windows = 0;
        auto shot = [&](QWidget* shown, const char* name, QWidget* popup = nullptr) {
            save(shown, QLatin1String(name) + suffix, popup);
            ++windows;
        };

        // The main window with the channel tables, as after a read.
        hideEditors();
        showEditor(window.channelWindow());
        shot(&window, "main");
        shot(window.subWindowOf(window.channelWindow()), "channel");

        // Several rows selected, with the table's context menu open over them.
        ChannelWindow* channels = window.channelWindow();
        channels->selectChannels(1, 4);
        ChannelGrid* grid = channels->grid(kGroupA);
        const QRect cell = grid->visualItemRect(grid->item(2, kRxColumn));
        channels->contextMenu()->popup(grid->viewport()->mapToGlobal(cell.center()));
        shot(&window, "channel-rows", channels->contextMenu());
        channels->contextMenu()->hide();
        channels->selectChannels(1, 1);

        // The port list open, each entry with its device.
        auto* portCommand = qobject_cast<QAction*>(window.control("MNCommPort"));
        auto* ports = qobject_cast<QComboBox*>(window.control("ComboCom"));
        if (portCommand && ports) {
            portCommand->trigger();
            shot(&window, "ports", ports->view()->window());
            ports->hidePopup();
            ports->hide();
        }

        hideEditors();
        shot(showEditor(window.dtmfWindow()), "dtmf");

        hideEditors();
        FeaturesWindow* features = window.featuresWindow();
        QWidget* featuresFrame = showEditor(features);
        features->showPage(1);
        shot(featuresFrame, "features-page1");
        features->showPage(2);
        shot(featuresFrame, "features-page2");
        features->showPage(1);

        hideEditors();
        CalibrationWindow* calibration = window.calibrationWindow();
        QWidget* calibrationFrame = showEditor(calibration);
        auto* tabs = calibration->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
        for (int tab = 0; tab < 2; ++tab) {
            if (tabs) tabs->setCurrentIndex(tab);
            shot(calibrationFrame, tab == 0 ? "calibration-a" : "calibration-b");
        }
        if (tabs) tabs->setCurrentIndex(0);

        hideEditors();
        shot(showEditor(window.fmWindow()), "fm");

        hideEditors();
        showEditor(window.channelWindow());
        AboutBox* about = window.aboutBox();
        about->show();
        shot(about, "about");
        about->hide();

        backupsWindow->show();
        shot(backupsWindow, "backups");
        backupsWindow->hide();
        if (!backups.isEmpty() && window.compareWithPath(backups.back())) {
            shot(window.compareWindow(), "compare");
            window.compareWindow()->hide();
        }

        for (const auto kind : {ProgressWindow::Kind::Reading, ProgressWindow::Kind::Writing}) {
            ProgressWindow progress(kind, language.index, &window);
            progress.setValue(98);
            progress.show();
            shot(&progress, kind == ProgressWindow::Kind::Reading ? "progress-read" : "progress-write");
            progress.finish();
        }
        report.windows = windows;
    }
    return report;
}

}  // namespace zrt

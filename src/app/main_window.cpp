#include "app/main_window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <chrono>

#include "app/about_box.h"
#include "app/app_settings.h"
#include "app/backups_window.h"
#include "app/compare_window.h"
#include "app/help_viewer.h"
#include "app/radio_picture.h"
#include "app/station_window.h"
#include "app/transfer_controller.h"
#include "app/undo_history.h"
#include "editors/calibration/calibration_window.h"
#include "editors/channel/channel_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/features/features_window.h"
#include "editors/fm/fm_window.h"
#include "editors/text_box.h"
#include "i18n/about_captions.h"
#include "i18n/main_window_captions.h"
#include "i18n/toolkit_language.h"
#include "platform/document_signals.h"
#include "platform/qt_text.h"
#include "platform/radio_port.h"
#include "session/session.h"
#include "ui/msgbox.h"
#include "ui/twips.h"

namespace zrt {

namespace {

std::int64_t monotonicMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

QString name(const char* s) {
    return QString::fromLatin1(s);
}

// The port list's entries keep their texts "1" .. "16" (the status bar and the port error quote them); the
// open list shows each entry with its device, kept under this role.
constexpr int kPortLabelRole = Qt::UserRole + 1;

class PortLabelDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString label = index.data(kPortLabelRole).toString();
        if (!label.isEmpty()) option->text = label;
    }
};

}  // namespace

MainWindow::MainWindow(Session& session, PortNames ports, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      ports_(std::move(ports)),
      port_(new RadioPort(this)),
      files_(session, this),
      channelCsv_(session, this),
      printing_(session, this),
      clock_(monotonicMs) {
    setObjectName(name("MDIForm1"));
    setWindowIcon(radioIcon());
    // Room for the channel window beside the bars; less on a small screen, where the window must still fit.
    QSize size(1100, 760);
    if (const QScreen* shown = screen())
        size = size.boundedTo(shown->availableGeometry().size() - QSize(24, 48));
    resize(size);

    history_ = new UndoHistory(session_, this);
    buildMenu();
    buildTopBar();
    buildStatusBar();

    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(name("MDIClient"));
    setCentralWidget(mdi_);
    buildEditors();
    // The channel table's row commands follow the existing items, with their keys; they serve the channel
    // window only.
    editMenu_->addSeparator();
    for (QAction* a : channel_->commandActions())
        editMenu_->addAction(a);
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (!sub) return;  // the whole window lost the focus: nothing changed inside
        for (QAction* a : channel_->commandActions())
            a->setEnabled(sub->widget() == channel_);
    });
    connect(history_, &UndoHistory::cleanChanged, this, &MainWindow::updateTitle);
    about_ = new AboutBox(this);
    about_->setWindowIcon(windowIcon());

    transfer_ = std::make_unique<TransferController>(session_, *port_, this);
    connect(transfer_.get(), &TransferController::aboutToStart, this, &MainWindow::commitEditors);
    connect(transfer_.get(), &TransferController::commandsEnabled, this,
            &MainWindow::setTransferCommandsEnabled);
    connect(transfer_.get(), &TransferController::decoded, this, [this] {
        files_.forgetPath();  // what the radio holds is no longer that file
        history_->setClean();
        showEditor(channel_);
    });
    transfer_->setVerifyAfterWrite(verifyAction_->isChecked());
    connect(verifyAction_, &QAction::toggled, transfer_.get(), &TransferController::setVerifyAfterWrite);

    // The window's own parts of the document: the band list, the service buttons, its captions.
    auto* notifier = new DocumentSignals(session_.document(), this);
    connect(notifier, &DocumentSignals::changed, this, &MainWindow::documentChanged);

    // Load: band 0, the port list filled (its port is opened by openStartPort), then every caption.
    {
        const QSignalBlocker block(bandList_);
        bandList_->setCurrentIndex(session_.config().band.listIndex);
    }
    updatePortPanel();
    syncServiceButtons();
    applyLanguage();
    fillRecentMenu();
}

MainWindow::~MainWindow() = default;

void MainWindow::useSettings(AppSettings* settings) {
    settings_ = settings;
    files_.setSettings(settings);
    channelCsv_.setSettings(settings);
    if (settings_) {
        if (settings_->languageIndex() != session_.config().languageIndex)
            setLanguage(settings_->languageIndex());
        const QByteArray geometry = settings_->windowGeometry();
        if (!geometry.isEmpty()) restoreGeometry(geometry);
        verifyAction_->setChecked(settings_->flag(settings_key::kVerifyAfterWrite, true));
    }
    fillRecentMenu();
}

bool MainWindow::openFile(const QString& path) {
    if (!settleChanges() || !files_.openPath(path)) return false;
    history_->setClean();
    showEditor(channel_);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Building the window.

void MainWindow::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(name("MenuBar"));
    auto menu = [&](const char* objectName) {
        QMenu* m = bar->addMenu(QString());
        m->setObjectName(name(objectName));
        return m;
    };
    auto item = [&](QMenu* m, const char* objectName, const QKeySequence& key, auto slot) {
        QAction* a = m->addAction(QString());
        a->setObjectName(name(objectName));
        a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };

    QMenu* file = menu("MNFile");
    item(file, "MNNew", QKeySequence(Qt::CTRL | Qt::Key_N), [this] { newFile(); });
    item(file, "MNOpen", QKeySequence(Qt::CTRL | Qt::Key_O), [this] { openChosenFile(); });
    item(file, "MNSave", QKeySequence(Qt::CTRL | Qt::Key_S), [this] { save(); });
    item(file, "MNImport", QKeySequence(), [this] {
        commitEditors();
        session_.journal().begin({StepKind::Import});
        const bool imported = channelCsv_.importChannels();
        session_.journal().end();
        if (imported) showEditor(channel_);
    });
    item(file, "MNExport", QKeySequence(), [this] {
        commitEditors();
        channelCsv_.exportChannels();
    });
    // Ctrl+P stays with Optional Features.
    item(file, "MNPrint", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), [this] {
        commitEditors();
        printing_.setFilePath(files_.path());
        printing_.print();
    });
    item(file, "MNExportPdf", QKeySequence(), [this] {
        commitEditors();
        printing_.setFilePath(files_.path());
        printing_.exportPdf();
    });
    recentMenu_ = file->addMenu(QString());
    recentMenu_->setObjectName(name("MNRecent"));
    recentMenu_->addSeparator();
    item(recentMenu_, "MNRecentClear", QKeySequence(), [this] {
        if (settings_) settings_->clearRecentFiles();
        fillRecentMenu();
    });
    connect(file, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    item(file, "MNCompare", QKeySequence(), [this] {
        const QString path = files_.askOpenPath();
        if (!path.isEmpty()) compareWithPath(path);
    });
    item(file, "MNBackups", QKeySequence(), [this] {
        BackupsWindow* w = backupsWindow();
        w->show();
        w->raise();
        w->activateWindow();
    });
    file->addSeparator()->setObjectName(name("MNLine1"));
    item(file, "MNQuit", QKeySequence(), [this] { close(); });

    QMenu* edit = menu("MNEdit");
    editMenu_ = edit;
    item(edit, "MNModel", QKeySequence(Qt::CTRL | Qt::Key_M), [this] { showEditor(channel_); });
    item(edit, "MNDTMF", QKeySequence(Qt::CTRL | Qt::Key_D), [this] { showEditor(dtmf_); });
    item(edit, "MNOption", QKeySequence(Qt::CTRL | Qt::Key_P), [this] { showEditor(features_); });
    item(edit, "MNDebug", QKeySequence(Qt::CTRL | Qt::Key_B), [this] { showEditor(calibration_); });
    item(edit, "MNFMset", QKeySequence(Qt::CTRL | Qt::Key_F), [this] {
        showEditor(fm_);
    })->setEnabled(false);  // until the feature unlock
    edit->addSeparator();
    edit->addAction(history_->undoAction());
    edit->addAction(history_->redoAction());

    QMenu* program = menu("MNProgram");
    item(program, "MNRead", QKeySequence(Qt::CTRL | Qt::Key_R), [this] { transfer_->startRead(); });
    item(program, "MNWrite", QKeySequence(Qt::CTRL | Qt::Key_W), [this] { transfer_->startWrite(); });
    verifyAction_ = item(program, "MNVerify", QKeySequence(), [this] {
        if (settings_) settings_->setFlag(settings_key::kVerifyAfterWrite, verifyAction_->isChecked());
    });
    verifyAction_->setCheckable(true);
    verifyAction_->setChecked(true);
    item(program, "MNCommPort", QKeySequence(), [this] { showPortList(); });
    // A cable plugged in after the start: the list is read afresh and shown, to choose its entry.
    item(program, "MNRefreshPorts", QKeySequence(), [this] { showPortList(); });
    item(program, "MNStation", QKeySequence(), [this] { showStation(); });

    QMenu* language = menu("MNLanguage");
    item(language, "MNChinese", QKeySequence(), [this] { setLanguage(kChinese); });
    item(language, "MNEnglish", QKeySequence(), [this] { setLanguage(kEnglish); });

    QMenu* help = menu("MNHelp");
    item(help, "MNF1", QKeySequence(Qt::Key_F1), [this] { openHelp(session_.config().languageIndex, this); });
    item(help, "MNAbout", QKeySequence(Qt::CTRL | Qt::Key_A), [this] { about_->exec(); });
}

void MainWindow::buildTopBar() {
    topBar_ = new QToolBar(this);
    topBar_->setObjectName(name("TopBar"));
    topBar_->setMovable(false);
    topBar_->setFloatable(false);
    topBar_->toggleViewAction()->setVisible(false);
    addToolBar(Qt::TopToolBarArea, topBar_);
    setContextMenuPolicy(Qt::NoContextMenu);

    auto* bar = new QWidget(topBar_);
    bar->setObjectName(name("Picture1"));
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(6, 0, 6, 0);
    layout->setSpacing(6);

    auto* label = new QLabel(bar);
    label->setObjectName(name("Label1"));
    bandList_ = new QComboBox(bar);
    bandList_->setObjectName(name("Combo1"));
    for (const BandEntry& band : kBands)
        bandList_->addItem(qs(band.text));
    bandList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    bandList_->installEventFilter(this);
    connect(bandList_, &QComboBox::activated, this, &MainWindow::bandListClicked);

    auto* tools = new QToolBar(bar);
    toolbar_ = tools;
    tools->setObjectName(name("Toolbar1"));
    tools->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tools->setIconSize(QSize(24, 24));
    QStyle* st = style();
    auto button = [&](const char* key, QStyle::StandardPixmap icon, std::string_view caption, auto slot) {
        QAction* a = tools->addAction(st->standardIcon(icon), qs(caption));
        a->setObjectName(name(key));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    button("TNew", QStyle::SP_FileIcon, kToolNew, [this] { newFile(); });
    button("TOpen", QStyle::SP_DialogOpenButton, kToolOpen, [this] { openChosenFile(); });
    button("TSave", QStyle::SP_DialogSaveButton, kToolSave, [this] { save(); });
    tools->addSeparator();
    button("TRead", QStyle::SP_ArrowDown, kToolRead, [this] { transfer_->startRead(); });
    button("TWrite", QStyle::SP_ArrowUp, kToolWrite, [this] { transfer_->startWrite(); });
    hiddenButtons_[0] = button("TAnMa", QStyle::SP_MessageBoxWarning, {},
                               [this] { hiddenButtonClicked(ServiceMode::CrossBandWrite); });
    hiddenButtons_[1] = button("TDebug", QStyle::SP_FileDialogDetailedView, {},
                               [this] { hiddenButtonClicked(ServiceMode::CalibWrite); });
    hiddenButtons_[2] = button("TFMMa", QStyle::SP_MediaVolume, {},
                               [this] { hiddenButtonClicked(ServiceMode::FeatureUnlock); });

    layout->addWidget(label);
    layout->addWidget(bandList_);
    layout->addSpacing(12);
    layout->addWidget(tools);
    layout->addStretch(1);
    topBar_->addWidget(bar);

    // The port list floats over the bar beside the band list, only while the port command shows it.
    portList_ = new QComboBox(bar);
    portList_->setObjectName(name("ComboCom"));
    portList_->addItems(portEntryTexts());
    portList_->setItemDelegate(new PortLabelDelegate(portList_));
    portList_->hide();
    portList_->installEventFilter(this);
    connect(portList_, &QComboBox::activated, this, [this] { portListClicked(); });
}

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(name("StatusBar1"));
    auto panel = [&](const char* objectName) {
        auto* l = new QLabel(bar);
        l->setObjectName(name(objectName));
        l->setContentsMargins(6, 0, 6, 0);
        return l;
    };
    portPanel_ = panel("StatusBar1.Port");
    portPanel_->setMinimumWidth(90);
    QLabel* maker = panel("StatusBar1.Maker");
    datePanel_ = panel("StatusBar1.Date");
    timePanel_ = panel("StatusBar1.Time");
    bar->addWidget(portPanel_);
    bar->addWidget(maker, 1);
    bar->addPermanentWidget(datePanel_);
    bar->addPermanentWidget(timePanel_);
    updateClock();
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &MainWindow::updateClock);
    clock->start(1000);
}

void MainWindow::buildEditors() {
    channel_ = new ChannelWindow(session_);
    dtmf_ = new DtmfWindow(session_);
    features_ = new FeaturesWindow(session_);
    calibration_ = new CalibrationWindow(session_);
    fm_ = new FmWindow(session_);
    addEditor(channel_, "Form1")->show();
    addEditor(dtmf_, "Form2")->hide();
    addEditor(features_, "Form3")->hide();
    addEditor(calibration_, "Form4")->hide();
    addEditor(fm_, "Form5")->hide();
}

QMdiSubWindow* MainWindow::addEditor(EditorWindow* editor, const char* formName) {
    if (editor->objectName().isEmpty()) editor->setObjectName(name(formName));
    // The sub window would otherwise shrink the editor to its layout's minimum: it keeps the size the
    // editor gave itself, with the frame and title bar around it.
    const QSize size = editor->size().expandedTo(editor->minimumSizeHint());
    QMdiSubWindow* sub = mdi_->addSubWindow(editor);
    sub->resize(size);
    if (sub->layout()) sub->layout()->activate();
    sub->resize(size + (size - editor->size()));
    sub->setObjectName(name(formName) + QStringLiteral("Frame"));
    // The child window's own menu claims Ctrl+W for Close on some desktops, which would take the key from
    // Write: the menu's keys win, the child window keeps its other keys (Ctrl+F4).
    QList<QKeySequence> taken;
    for (const QAction* a : menuBar()->findChildren<QAction*>())
        taken << a->shortcuts();
    if (QMenu* system = sub->systemMenu()) {
        for (QAction* a : system->actions()) {
            QList<QKeySequence> keys = a->shortcuts();
            keys.removeIf([&](const QKeySequence& k) { return taken.contains(k); });
            if (keys != a->shortcuts()) a->setShortcuts(keys);
        }
    }
    sub->setWindowIcon(windowIcon());
    return sub;
}

QMdiSubWindow* MainWindow::subWindowOf(const EditorWindow* editor) const {
    return editor ? qobject_cast<QMdiSubWindow*>(editor->parentWidget()) : nullptr;
}

QObject* MainWindow::control(std::string_view controlName) const {
    if (controlName.empty()) return const_cast<MainWindow*>(this);
    const QString wanted = qs(controlName);
    // Only the window's own bars: the editor windows below reuse names such as Combo1 and Label1.
    for (QObject* root : {static_cast<QObject*>(menuBar()), static_cast<QObject*>(topBar_),
                          static_cast<QObject*>(statusBar())}) {
        if (root->objectName() == wanted) return root;
        if (QObject* found = root->findChild<QObject*>(wanted)) return found;
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------------
// Commands.

void MainWindow::showEditor(EditorWindow* editor) {
    QMdiSubWindow* sub = subWindowOf(editor);
    if (!sub) return;
    editor->show();
    if (sub->isMinimized()) sub->showNormal();
    sub->show();
    // Wherever the area placed it, the whole window is in view when it fits, its title bar at least.
    if (!sub->isMaximized()) {
        const QRect area = mdi_->viewport()->rect();
        QRect g = sub->geometry();
        if (g.right() > area.right()) g.moveRight(area.right());
        if (g.bottom() > area.bottom()) g.moveBottom(area.bottom());
        g.moveTopLeft(QPoint(std::max(g.left(), 0), std::max(g.top(), 0)));
        sub->move(g.topLeft());
    }
    sub->raise();
    mdi_->setActiveSubWindow(sub);
    // The keyboard goes with the window: into its table where it has one, unless it is already inside.
    const QWidget* focus = QApplication::focusWidget();
    if (editor->focusProxy() && !(focus && editor->isAncestorOf(focus)))
        editor->setFocus(Qt::OtherFocusReason);
}

void MainWindow::commitEditors() {
    // The box being typed in goes through its own lost-focus check first: the command's dialog or progress
    // window takes the focus as another window would, which skips the check, yet what is written must be
    // what the box shows after it. Only that box: boxes the user did not enter are not checked again.
    if (const QMdiSubWindow* sub = mdi_->currentSubWindow(); sub && sub->widget())
        if (TextBox* box = TextBox::of(sub->widget()->focusWidget())) box->leave();
    // What is being typed into a cell belongs to what is written: the encode reads the stores, and the FM
    // encode also the FM window's cells.
    channel_->commitFrequencyEditor();
    fm_->commitCellEditor();
}

void MainWindow::save() {
    commitEditors();
    if (files_.save()) history_->setClean();
}

void MainWindow::newFile() {
    if (!settleChanges() || !files_.newFile()) return;
    // A new configuration holds nothing of the user's yet: nothing to save (its step can still be undone).
    history_->setClean();
    showEditor(channel_);
}

void MainWindow::openChosenFile() {
    if (!settleChanges() || !files_.open()) return;
    history_->setClean();
    showEditor(channel_);
}

bool MainWindow::settleChanges() {
    // An open cell editor is not looked at: New and Open drop what it holds, as they always did.
    if (history_->isClean()) return true;
    switch (msgBoxEx(session_.config().languageIndex, msg::kSaveChangesQuestion, this)) {
        case msg::kResultSave: {
            commitEditors();
            const bool saved = files_.path().isEmpty() ? files_.save() : files_.savePath(files_.path());
            if (saved) history_->setClean();
            return saved;
        }
        case msg::kResultDiscard:
            return true;
        default:
            return false;
    }
}

void MainWindow::updateTitle() {
    const int language = session_.config().languageIndex;
    if (language != kChinese && language != kEnglish) return;
    for (const Caption& entry : mainWindowCaptions())
        if (entry.control.empty() && entry.prop == CaptionProp::WindowTitle) {
            const QString title = qs(entry.text, language);
            setWindowTitle(history_->isClean() ? title : QStringLiteral("*") + title);
        }
}

void MainWindow::bandListClicked(int index) {
    const Configuration& config = session_.config();
    // Choosing the entry already in force changes nothing, so typed VFO frequencies are not reset.
    if (index == config.band.listIndex && index == config.band.current) return;
    const int language = config.languageIndex;
    session_.chooseBand(index,
                        [&] { return msgBoxEx(language, msg::kBandChangeQuestion, this) == msg::kResultOk; });
}

void MainWindow::openStartPort() {
    portList_->setCurrentIndex(settings_ ? settings_->portEntry() - 1 : 0);
    portListClicked();
}

void MainWindow::portListClicked() {
    const int language = session_.config().languageIndex;
    if (portList_->currentIndex() >= 0) {
        port_->close();
        const int entry = portList_->currentText().toInt();
        const QString device = ports_.device(entry);
        if (!port_->open(device)) {
            QString text = qs(msg::kPortErrorPrefix, language) + portList_->currentText() +
                           qs(msg::kPortErrorSuffix, language);
            if (port_->lastOpenFailure() == RadioPort::OpenFailure::PermissionDenied)
                text += qs(kPortPermission, language).arg(device);
            msgBoxEx(language, text, msg::kStyleExclamation, qs(msg::kPortErrorTitle, language), this);
            const QSignalBlocker block(portList_);
            portList_->setCurrentIndex(-1);
        } else if (settings_) {
            settings_->setPortEntry(entry);  // the last port that worked
        }
    }
    portList_->hide();
    updatePortPanel();
    if (QMdiSubWindow* active = mdi_->activeSubWindow(); active && active->widget())
        active->widget()->setFocus();
}

void MainWindow::showPortList() {
    // Read afresh each time: adapters come and go while the program runs.
    const QFontMetrics metrics(portList_->view()->font());
    int widest = 0;
    for (int i = 0; i < portList_->count(); ++i) {
        const int entry = portList_->itemText(i).toInt();
        const QString device = ports_.device(entry);
        const PortDescription about = describePort_(device);
        const QString tip = portEntryToolTip(device, about);
        const QString label = portEntryLabel(entry, device, about);
        portList_->setItemData(i, tip.isEmpty() ? QVariant() : QVariant(tip), Qt::ToolTipRole);
        portList_->setItemData(i, label, kPortLabelRole);
        widest = std::max(widest, metrics.horizontalAdvance(label));
    }
    portList_->view()->setMinimumWidth(widest + 4 * metrics.averageCharWidth());
    placePortList();
    portList_->show();
    portList_->raise();
    portList_->setFocus(Qt::OtherFocusReason);
    portList_->showPopup();
}

void MainWindow::placePortList() {
    const int dpi = logicalDpiX();
    auto pixels = [dpi](int twips) { return twipsToPixels(twips, dpi); };
    // Right of the toolbar, where it covers no button; English puts it 1000 twips further right than Chinese.
    const int extra = session_.config().languageIndex == kEnglish ? pixels(1000) : 0;
    const QRect tools = toolbar_->geometry();
    const QRect band = bandList_->geometry();
    const int width = std::max(pixels(1185), portList_->sizeHint().width());
    portList_->setGeometry(tools.right() + 1 + pixels(120) + extra, band.y(), width, band.height());
}

void MainWindow::updatePortPanel() {
    portPanel_->setText(qs(kPortPanelPrefix) + portList_->currentText());
}

void MainWindow::updateClock() {
    // One numeric format in both languages, the seconds included: the locales' short formats differ (the
    // Chinese one drops the seconds) and would make the panels change shape with the language.
    datePanel_->setText(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    timePanel_->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
}

void MainWindow::setLanguage(int languageIndex) {
    if (settings_) settings_->setLanguageIndex(languageIndex);
    applyToolkitLanguage(languageIndex);
    session_.setLanguage(languageIndex);  // every window follows, this one too
}

void MainWindow::applyLanguage() {
    const int language = session_.config().languageIndex;
    if (language != kChinese && language != kEnglish) return;
    for (const Caption& entry : mainWindowCaptions()) {
        QObject* target = control(entry.control);
        if (!target) continue;
        Caption onTarget = entry;
        onTarget.control = {};
        applyCaptions(target, std::span(&onTarget, 1), language);
    }
    placePortList();
    updateClock();
    updateTitle();
    history_->applyLanguage();
    applyCaptions(about_, aboutCaptions(), language);
    if (backups_) backups_->applyLanguage(language);
    if (compare_) compare_->refresh();
    if (station_) station_->applyLanguage();
}

void MainWindow::showStation() {
    if (!station_) {
        station_ = new StationWindow(session_, this);
        connect(station_, &StationWindow::aboutToStart, this, &MainWindow::commitEditors);
        // The station may want the window's own cable: the port is let go while it runs.
        connect(station_, &StationWindow::runningChanged, this, [this](bool running) {
            if (running) {
                stationTookPort_ = port_->device();
                port_->close();
            } else if (!stationTookPort_.isEmpty()) {
                port_->open(stationTookPort_);
                stationTookPort_.clear();
            }
            setTransferCommandsEnabled(!running);
            updatePortPanel();
        });
        station_->applyLanguage();
    }
    if (!station_->running()) station_->setDevices(StationWindow::systemDevices(ports_.overrideDevice()));
    station_->show();
    station_->raise();
    station_->activateWindow();
}

void MainWindow::setTransferCommandsEnabled(bool enabled) {
    for (const char* key : {"MNRead", "MNWrite", "TRead", "TWrite"})
        if (auto* a = qobject_cast<QAction*>(control(key))) a->setEnabled(enabled);
}

void MainWindow::documentChanged(const Change& change) {
    if (change.has(Part::Band)) {
        const QSignalBlocker block(bandList_);
        bandList_->setCurrentIndex(session_.config().band.listIndex);
    }
    if (change.has(Part::Service)) syncServiceButtons();
    if (change.has(Part::Language)) applyLanguage();
}

BackupsWindow* MainWindow::backupsWindow() {
    if (backups_) return backups_;
    backups_ = new BackupsWindow(session_.config().languageIndex, this);
    backups_->setWindowIcon(windowIcon());
    connect(backups_, &BackupsWindow::openRequested, this, [this](const QString& path) { openFile(path); });
    connect(backups_, &BackupsWindow::restoreRequested, this,
            [this](const QString& path) { transfer_->startRestore(path); });
    connect(backups_, &BackupsWindow::compareRequested, this, &MainWindow::compareWithPath);
    return backups_;
}

bool MainWindow::compareWithPath(const QString& path) {
    commitEditors();
    Session other;
    if (!files_.openInto(other, path)) return false;
    if (!compare_) {
        compare_ = new CompareWindow(session_, this);
        compare_->setWindowIcon(windowIcon());
    }
    compare_->compareWith(other.config(), QFileInfo(path).fileName());
    compare_->show();
    compare_->raise();
    compare_->activateWindow();
    return true;
}

// File › Recent Files: the files last opened or saved, newest first; greyed while there are none.
void MainWindow::fillRecentMenu() {
    const QList<QAction*> actions = recentMenu_->actions();
    for (QAction* a : actions)
        if (a->property("recentFile").isValid()) {
            recentMenu_->removeAction(a);
            a->deleteLater();
        }
    const QStringList files = settings_ ? settings_->recentFiles() : QStringList();
    QAction* before = recentMenu_->actions().value(0);
    for (int i = 0; i < files.size(); ++i) {
        const QString& path = files[i];
        // The number is the item's key; an & in the path is shown as it is.
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        auto* a = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), recentMenu_);
        a->setProperty("recentFile", path);
        connect(a, &QAction::triggered, this, [this, path] { openRecent(path); });
        recentMenu_->insertAction(before, a);
    }
    recentMenu_->menuAction()->setEnabled(!files.isEmpty());
}

void MainWindow::openRecent(const QString& path) {
    if (!QFileInfo::exists(path)) {
        if (settings_) settings_->removeRecentFile(path);
        fillRecentMenu();
        const int language = session_.config().languageIndex;
        msgBoxEx(language, qs(kRecentMissing, language) + QDir::toNativeSeparators(path),
                 msg::kStyleExclamation, qs(kRecentMissingTitle, language), this);
        return;
    }
    openFile(path);
    fillRecentMenu();
}

// ---------------------------------------------------------------------------------------------
// Service modes.

void MainWindow::syncServiceButtons() {
    const ServiceFlags& flags = session_.config().service;
    hiddenButtons_[static_cast<int>(ServiceMode::CrossBandWrite)]->setVisible(flags.crossBandWrite);
    hiddenButtons_[static_cast<int>(ServiceMode::CalibWrite)]->setVisible(flags.calibWrite);
    hiddenButtons_[static_cast<int>(ServiceMode::FeatureUnlock)]->setVisible(flags.featureUnlock);
    // The feature unlock makes the FM command usable; ending it hides its button and no more.
    if (auto* fmCommand = qobject_cast<QAction*>(control("MNFMset")); fmCommand && flags.featureUnlock)
        fmCommand->setEnabled(true);
}

void MainWindow::hiddenButtonClicked(ServiceMode mode) {
    if (!hiddenClicks_[static_cast<int>(mode)].click(clock_())) return;
    session_.edit(Change::of({Part::Service, Part::Calibration}),
                  [mode](Configuration& config) { endServiceMode(config, mode); });
}

// ---------------------------------------------------------------------------------------------
// Events.

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!settleChanges()) {
        event->ignore();
        return;
    }
    if (msgBoxEx(session_.config().languageIndex, msg::kQuitQuestion, this) != msg::kResultOk) {
        event->ignore();
        return;
    }
    // Ends this copy only: ending every copy by name would throw away another copy's unsaved edits.
    bandList_->removeEventFilter(this);
    port_->close();
    if (settings_) {
        settings_->setWindowGeometry(saveGeometry());
        settings_->sync();
    }
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == bandList_ && event->type() == QEvent::Wheel)
        return true;  // the band never follows the wheel
    if (watched == portList_ && event->type() == QEvent::FocusOut) {
        // The open list takes the focus into its own window (the first time without saying it is a popup);
        // only a focus that leaves both hides the list.
        const QWidget* now = QApplication::focusWidget();
        const QWidget* popup = portList_->view()->window();
        const bool intoList = now && (now == popup || popup->isAncestorOf(now));
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason && !intoList)
            portList_->hide();
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace zrt

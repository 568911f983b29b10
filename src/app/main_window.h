// The main window (MDIForm1): menu, toolbar, band and port lists, status bar, and the editor windows as
// child windows of its multiple-document area.
#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "app/channel_csv_commands.h"
#include "app/file_commands.h"
#include "app/print_commands.h"
#include "config/service_gestures.h"
#include "platform/port_names.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;

namespace zrt {

class AboutBox;
class BackupsWindow;
class CompareWindow;
class AppSettings;
class CalibrationWindow;
class ChannelWindow;
class DtmfWindow;
class StationWindow;
class EditorWindow;
class FeaturesWindow;
class FmWindow;
class RadioPort;
class Session;
struct Change;
class TransferController;
class UndoHistory;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // ports: which device each entry of the port list opens.
    explicit MainWindow(Session& session, PortNames ports = PortNames(), QWidget* parent = nullptr);
    ~MainWindow() override;

    // The last step of the window's load: selects port entry 1 and opens it, with the port error when it
    // cannot be opened. Separate so that the error shows over the visible window.
    void openStartPort();

    // Remembers the language, the port, the dialogs' folders, the recent files and the window's place in
    // settings, and takes the language and the place from there now. Without it (tests, pictures) the
    // window remembers nothing.
    void useSettings(AppSettings* settings);

    // Open as File › Open does for a chosen file: the file's band, the channel window shown, the program's
    // messages on failure. True when it was loaded.
    bool openFile(const QString& path);

    // ApplyLanguage for config.languageIndex: the caption tables of this window, the About box and the
    // windows this window made (the editor windows follow the document's language themselves).
    void applyLanguage();

    // A control of this window's menu, top bar or status bar by its program name; the window for "".
    QObject* control(std::string_view name) const;

    ChannelWindow* channelWindow() const { return channel_; }
    DtmfWindow* dtmfWindow() const { return dtmf_; }
    FeaturesWindow* featuresWindow() const { return features_; }
    CalibrationWindow* calibrationWindow() const { return calibration_; }
    FmWindow* fmWindow() const { return fm_; }
    AboutBox* aboutBox() const { return about_; }
    QMdiSubWindow* subWindowOf(const EditorWindow* editor) const;
    RadioPort& port() const { return *port_; }
    TransferController& transfer() const { return *transfer_; }
    UndoHistory& history() const { return *history_; }
    // File › Backups… (made on first use) and the comparison window (nullptr until a first comparison).
    BackupsWindow* backupsWindow();
    CompareWindow* compareWindow() const { return compare_; }
    // Programming › Verify After Write (objectName "MNVerify"): checkable, on by default; its state is the
    // transfer controller's verifyAfterWrite().
    QAction* verifyAfterWriteAction() const { return verifyAction_; }
    // Compares the configuration with a data file's and shows the comparison; false when the file cannot be
    // opened (its message was shown).
    bool compareWithPath(const QString& path);

    // What the port list says of each device; the computer's own knowledge unless set (README pictures).
    void setPortDescriber(std::function<PortDescription(const QString&)> describe) {
        describePort_ = std::move(describe);
    }

    // Milliseconds of a monotonic clock for the hidden buttons' double click; tests set their own.
    void setClock(std::function<std::int64_t()> clock) { clock_ = std::move(clock); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenu();
    void buildTopBar();
    void buildStatusBar();
    void buildEditors();
    QMdiSubWindow* addEditor(EditorWindow* editor, const char* formName);

    void showEditor(EditorWindow* editor);
    // Before a transfer, a save or an export: the box being typed in and the open cell editors commit.
    void commitEditors();
    void save();
    // With unsaved changes, asks "Save the changes?": true to go on (saved or discarded), false on Cancel or
    // a save that did not happen.
    bool settleChanges();
    void newFile();         // File › New
    void openChosenFile();  // File › Open
    void updateTitle();     // the caption, with "*" while there are unsaved changes
    void bandListClicked(int index);
    void portListClicked();
    void showPortList();
    void fillRecentMenu();
    void openRecent(const QString& path);
    void showStation();  // Programming › Program Several Radios…
    void placePortList();
    void updatePortPanel();
    void updateClock();
    void setLanguage(int languageIndex);
    void setTransferCommandsEnabled(bool enabled);
    void documentChanged(const Change& change);
    void syncServiceButtons();
    void hiddenButtonClicked(ServiceMode mode);

    Session& session_;
    PortNames ports_;
    RadioPort* port_ = nullptr;
    std::unique_ptr<TransferController> transfer_;
    FileCommands files_;
    ChannelCsvCommands channelCsv_;
    PrintCommands printing_;
    std::function<std::int64_t()> clock_;
    std::function<PortDescription(const QString&)> describePort_ = describePort;
    std::array<ModeButtonClicks, kServiceModes> hiddenClicks_;

    QMdiArea* mdi_ = nullptr;
    QToolBar* topBar_ = nullptr;
    QToolBar* toolbar_ = nullptr;  // Toolbar1
    QComboBox* bandList_ = nullptr;
    QComboBox* portList_ = nullptr;
    QLabel* portPanel_ = nullptr;
    QLabel* datePanel_ = nullptr;
    QLabel* timePanel_ = nullptr;
    std::array<QAction*, kServiceModes> hiddenButtons_{};
    QMenu* recentMenu_ = nullptr;  // MNRecent
    QMenu* editMenu_ = nullptr;    // MNEdit
    UndoHistory* history_ = nullptr;
    AppSettings* settings_ = nullptr;

    ChannelWindow* channel_ = nullptr;
    DtmfWindow* dtmf_ = nullptr;
    FeaturesWindow* features_ = nullptr;
    CalibrationWindow* calibration_ = nullptr;
    FmWindow* fm_ = nullptr;
    AboutBox* about_ = nullptr;
    BackupsWindow* backups_ = nullptr;
    CompareWindow* compare_ = nullptr;
    QAction* verifyAction_ = nullptr;
    StationWindow* station_ = nullptr;
    QString stationTookPort_;  // the window's port, closed while the station runs
};

}  // namespace zrt

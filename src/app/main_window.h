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
#include "config/service_gestures.h"
#include "platform/port_names.h"

class QAction;
class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;

namespace zrt {

class AboutBox;
class CalibrationWindow;
class ChannelWindow;
class DtmfWindow;
class EditorWindow;
class FeaturesWindow;
class FmWindow;
class RadioPort;
class Session;
class TransferController;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // ports: which device each entry of the port list opens.
    explicit MainWindow(Session& session, PortNames ports = PortNames(), QWidget* parent = nullptr);
    ~MainWindow() override;

    // The last step of the window's load: selects port entry 1 and opens it, with the port error when it
    // cannot be opened. Separate so that the error shows over the visible window.
    void openStartPort();

    // ApplyLanguage for config.languageIndex: the caption tables of this window and the About box, every
    // editor window's captions, then the channel tables' texts.
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
    void bandListClicked(int index);
    void portListClicked();
    void showPortList();
    void placePortList();
    void updatePortPanel();
    void updateClock();
    void setLanguage(int languageIndex);
    void setTransferCommandsEnabled(bool enabled);
    void configurationReplaced();
    void syncServiceButtons();
    void hiddenButtonClicked(ServiceMode mode);

    Session& session_;
    PortNames ports_;
    RadioPort* port_ = nullptr;
    std::unique_ptr<TransferController> transfer_;
    FileCommands files_;
    ChannelCsvCommands channelCsv_;
    std::function<std::int64_t()> clock_;
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

    ChannelWindow* channel_ = nullptr;
    DtmfWindow* dtmf_ = nullptr;
    FeaturesWindow* features_ = nullptr;
    CalibrationWindow* calibration_ = nullptr;
    FmWindow* fm_ = nullptr;
    AboutBox* about_ = nullptr;
};

}  // namespace zrt

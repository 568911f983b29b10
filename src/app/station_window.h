// Programming › Program Several Radios…: a programming station in a window. Every checked port waits for a
// radio, writes it (and checks it), and waits for it to be switched off before taking the next; per port a
// progress bar, the state and a count of radios programmed.
#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "image/memory_image.h"
#include "session/station_cycle.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace zrt {

class Session;
class StationDriver;

class StationWindow : public QWidget {
    Q_OBJECT
  public:
    explicit StationWindow(Session& session, QWidget* parent = nullptr);
    ~StationWindow() override;  // a running station is cut off, each radio told to leave programming mode

    // The serial ports of this computer (overrideDevice first when given), in the port list's order.
    static QStringList systemDevices(const QString& overrideDevice = {});
    // The port rows, all checked; ignored while the station runs.
    void setDevices(const QStringList& devices);
    void applyLanguage();  // for the session's language

    bool running() const { return !drivers_.empty(); }
    void start();
    // The first Stop ends the station once the radios in hand are done; a second cuts them off.
    void stop();

    // What a row shows, for tests.
    QString stateText(int row) const;
    int programmedCount(int row) const;

  signals:
    void aboutToStart();  // the editors commit what is being typed
    // The main window lets go of its own port while the station runs, and takes it again afterwards.
    void runningChanged(bool running);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    struct Row {
        QString device;
        QCheckBox* check = nullptr;
        QProgressBar* bar = nullptr;
        QLabel* state = nullptr;
        QLabel* count = nullptr;
        std::optional<StationPhase> phase;
        std::optional<RadioResult> result;
        bool notOpened = false;
        bool refused = false;  // ... for want of permission
        int programmed = 0;
        int failed = 0;
    };
    std::optional<MemoryImage> sourceImage(link::WriteOptions& options);
    void showRow(Row& row);
    void showSummary();
    void updateButtons();
    void finished();

    Session& session_;
    QGridLayout* grid_ = nullptr;
    QLabel* noPorts_ = nullptr;
    QRadioButton* current_ = nullptr;
    QRadioButton* fromFile_ = nullptr;
    QLineEdit* path_ = nullptr;
    QPushButton* browse_ = nullptr;
    QCheckBox* verify_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* refresh_ = nullptr;
    QLabel* summary_ = nullptr;
    std::vector<Row> rows_;
    MemoryImage image_;
    std::vector<std::unique_ptr<StationDriver>> drivers_;
    int running_ = 0;
    bool stopping_ = false;
};

}  // namespace zrt

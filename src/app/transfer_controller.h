// Runs a read or a write of the radio: drives the link's state machine with the serial port and the timers,
// shows the progress window and the link's messages.
#pragma once

#include <QObject>

class QWidget;

namespace zrt {

class RadioPort;
class Session;

class TransferController : public QObject {
    Q_OBJECT
  public:
    TransferController(Session& session, RadioPort& port, QWidget* dialogParent);
    ~TransferController() override;

    void startRead();   // MNRead / TRead
    void startWrite();  // MNWrite / TWrite
    bool running() const;
    // The link's watchdog tick (200 ms); see LinkDriver::setWatchdogInterval.
    void setWatchdogInterval(int ms);

  signals:
    // Read and Write become unavailable (false) or available again (true): at once after a failure or a
    // cancel, 1.2 s after the success message.
    void commandsEnabled(bool enabled);
    // Emitted before a transfer starts, so the channel window can commit an open frequency editor.
    void aboutToStart();
    // A read succeeded and its decode ran: the windows redraw from the configuration.
    void decoded();

  private:
    void start(bool write);

    struct Impl;
    Impl* d_ = nullptr;
};

}  // namespace zrt

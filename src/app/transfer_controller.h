// Runs a read or a write of the radio: drives the link's state machine with the serial port and the timers,
// shows the progress window while the rest of the program waits without a nested event loop, and tells each
// outcome with its message. Keeps a backup of the radio's memory after every read,
// reads the radio back after a write when asked to, and writes a backup back to the radio as it is.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "platform/link_driver.h"

class QWidget;

namespace zrt {

class RadioPort;
class Session;

class TransferController : public QObject {
    Q_OBJECT
  public:
    TransferController(Session& session, RadioPort& port, QWidget* dialogParent);
    ~TransferController() override;

    // Each start returns at once; finished() follows when the transfer and all it tells are over.
    void startRead();   // MNRead / TRead
    void startWrite();  // MNWrite / TWrite
    // Writes a backup file to the radio exactly as it is, with the file's band as the selected band (the
    // command line's write --raw); the configuration in the windows is left alone. The service flags of
    // the session apply as to any write. A file that cannot be opened gets its message.
    void startRestore(const QString& path);
    bool running() const;
    // The link's watchdog tick (200 ms); see LinkDriver::setWatchdogInterval.
    void setWatchdogInterval(int ms);

    // Verify After Write: after a successful write the radio is read back and every block written is
    // compared; only then is the success message shown. On by default.
    bool verifyAfterWrite() const;
    void setVerifyAfterWrite(bool on);

  signals:
    // Read and Write become unavailable (false) or available again (true): at once after a failure or a
    // cancel, 1.2 s after the success message.
    void commandsEnabled(bool enabled);
    // Emitted before a transfer starts, so the channel window can commit an open frequency editor.
    void aboutToStart();
    // A read succeeded and its decode ran: the windows redraw from the configuration.
    void decoded();
    // A read's backup was written (its path).
    void backupSaved(const QString& path);
    // The transfer, its read-back and its messages are over: running() is false.
    void finished();

  private:
    enum class Kind { Read, Write, Restore };
    void start(Kind kind, const QString& path = {});
    // The handlers of the transfer a command started, or of the read that checks a write.
    LinkDriver::Handlers handlers(bool readBack);
    void tellEnd(link::Transfer::Direction direction, link::Outcome outcome);
    void transferEnded(link::Outcome outcome);
    void keepBackup();
    void startCheck();
    void checkEnded(link::Outcome outcome);
    void finish();

    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace zrt

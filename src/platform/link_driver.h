// Runs the session's radio transfers on a RadioPort with the 200 ms watchdog (TimerW): feeds the link's state
// machine and carries out its port actions. What a person must see or answer goes to the handlers, which the
// window (progress window, message boxes) and the command line (printed lines) each provide. QtCore only.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "link/actions.h"
#include "session/radio_transfer.h"
#include "session/session.h"

namespace zrt {

class RadioPort;
class Session;

class LinkDriver : public QObject {
    Q_OBJECT
  public:
    struct Handlers {
        std::function<void(int)> progress;  // the progress bar's value, 1..196
        // A question before anything is written (msg::kForceBandQuestion or
        // msg::kCalibrationNotReadQuestion); true for OK or Yes.
        std::function<bool(const msg::Message&)> forceQuestion;
        std::function<void()> closeProgress;               // FrmWriting closes
        std::function<void()> decoded;                     // a read's decode has run
        std::function<void(const msg::Message&)> message;  // shown and closed before this returns
        std::function<void()> enableCommands;              // Read and Write available at once
        std::function<void()> enableCommandsLater;         // ... 1.2 s after the success message
        std::function<void(link::Outcome)> finished;       // always the last
    };

    LinkDriver(Session& session, RadioPort& port, QObject* parent = nullptr);

    void setHandlers(Handlers handlers) { handlers_ = std::move(handlers); }
    // The watchdog's tick, 200 ms unless changed; a transfer still gives up on the eleventh quiet tick.
    // Tests shorten it so that a silent radio is given up on sooner.
    void setWatchdogInterval(int ms) { watchdog_.setInterval(ms); }

    // Start a transfer on the (open) port; ignored while one runs.
    void startRead();
    void startWrite(RadioTransfer::WriteImage image = RadioTransfer::WriteImage::Encoded);
    bool active() const { return transfer_.active(); }

  private:
    void execute(const link::Actions& actions);

    RadioPort& port_;
    RadioTransfer& transfer_;  // the session's
    QTimer watchdog_;
    Handlers handlers_;
};

}  // namespace zrt

// Runs the session's radio transfers on a RadioPort with the 200 ms watchdog (TimerW): feeds the link's state
// machine and carries out its port actions. What a person must see or answer goes to the handlers, which the
// window (progress window, message boxes) and the command line (printed lines) each provide; both tell an
// outcome with the same message. QtCore only.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "config/messages.h"
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
        // A question before anything is written (see questionMessage); true for OK or Yes.
        std::function<bool(link::Question)> forceQuestion;
        // Always the last; a read that succeeded has been decoded into the session by then.
        std::function<void(link::Outcome)> finished;
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

    // The message that tells an outcome: the read's or the write's success, the band refusal, the
    // communication error; nothing for a question answered Cancel or No.
    static const msg::Message* outcomeMessage(link::Transfer::Direction direction, link::Outcome outcome);
    static const msg::Message& questionMessage(link::Question question);

  private:
    void execute(const link::Actions& actions);

    RadioPort& port_;
    RadioTransfer& transfer_;  // the session's
    QTimer watchdog_;
    Handlers handlers_;
};

}  // namespace zrt

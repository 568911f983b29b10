// Runs one port's StationCycle on a RadioPort with its 200 ms tick: the port's bytes and ticks go in, its
// frames and thresholds go out, and what a person must see goes to the handlers. Any number of these share
// the one event loop, one per port. QtCore only.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

#include "platform/radio_port.h"
#include "session/station_cycle.h"

namespace zrt {

// Every serial port the system lists, as devices to open, in the port list's order (USB adapters first).
QStringList systemSerialDevices();

class StationDriver : public QObject {
    Q_OBJECT
  public:
    struct Handlers {
        std::function<void(StationPhase)> phase;
        std::function<void(int)> percent;
        std::function<void(const RadioDone&)> radioDone;
        std::function<void()> ended;  // always the last; the port stays open until the driver goes
    };

    // imageOut is what a write sends; it must outlive the driver.
    StationDriver(const MemoryImage& imageOut, StationOptions options, QObject* parent = nullptr);

    void setHandlers(Handlers handlers) { handlers_ = std::move(handlers); }
    // Tests shorten the tick, and with it the 2 s between requests and the watchdog.
    void setTickInterval(int ms) { ticker_.setInterval(ms); }

    bool open(const QString& device) { return port_.open(device); }
    RadioPort& port() { return port_; }
    void start();
    void stop();   // after the radio in hand
    void abort();  // now, with 'E'

    const StationCycle& cycle() const { return cycle_; }

  private:
    void execute(const StationActions& actions);

    RadioPort port_;
    StationCycle cycle_;
    QTimer ticker_;
    Handlers handlers_;
};

}  // namespace zrt

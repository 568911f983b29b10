#include "platform/station_driver.h"

#include <QSerialPortInfo>
#include <algorithm>

#include "platform/port_names.h"

namespace zrt {

namespace {
constexpr int kTickMs = 200;
}

QStringList systemSerialDevices() {
    QStringList names, locations;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        names << info.portName();
        locations << info.systemLocation();
    }
    const QStringList ordered = orderSerialDevices(names, currentPortPlatform());
    if (!ordered.isEmpty()) return ordered;
    // COM2 before COM10.
    std::stable_sort(locations.begin(), locations.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return locations;
}

StationDriver::StationDriver(const MemoryImage& imageOut, StationOptions options, QObject* parent)
    : QObject(parent), cycle_(imageOut, options) {
    ticker_.setInterval(kTickMs);
    ticker_.setTimerType(Qt::PreciseTimer);
    connect(&port_, &RadioPort::bytesReceived, this,
            [this](const std::vector<std::uint8_t>& bytes) { execute(cycle_.received(bytes)); });
    connect(&port_, &RadioPort::portLost, this, [this] { execute(cycle_.lineLost()); });
    connect(&ticker_, &QTimer::timeout, this, [this] { execute(cycle_.tick()); });
}

void StationDriver::start() {
    ticker_.start();
    execute(cycle_.start());
}

void StationDriver::stop() {
    execute(cycle_.stop());
}

void StationDriver::abort() {
    execute(cycle_.abort());
}

void StationDriver::execute(const StationActions& actions) {
    auto call = [](const auto& f, auto&&... args) {
        if (f) f(std::forward<decltype(args)>(args)...);
    };
    // As in the single transfer, the radio gets its next frame before anything is drawn.
    for (const StationAction& action : actions) {
        if (const auto* send = std::get_if<link::Send>(&action))
            port_.send(send->bytes);
        else if (const auto* threshold = std::get_if<link::SetThreshold>(&action))
            port_.setThreshold(threshold->bytes);
    }
    for (const StationAction& action : actions) {
        if (const auto* phase = std::get_if<PhaseChanged>(&action)) {
            if (phase->phase == StationPhase::Ended) ticker_.stop();
            call(handlers_.phase, phase->phase);
            if (phase->phase == StationPhase::Ended) call(handlers_.ended);
        } else if (const auto* percent = std::get_if<Percent>(&action)) {
            call(handlers_.percent, percent->value);
        } else if (const auto* done = std::get_if<RadioDone>(&action)) {
            call(handlers_.radioDone, *done);
        }
    }
}

}  // namespace zrt

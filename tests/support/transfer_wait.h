// Runs the event loop until the transfer a test started (directly or through a window's command) has ended
// and told all it tells, or until the time is up.
#pragma once

#include <QEventLoop>
#include <QTimer>

#include "app/transfer_controller.h"

namespace zrt::testing {

inline bool waitForTransfer(const TransferController& controller, int ms = 60000) {
    if (!controller.running()) return true;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    QObject::connect(&controller, &TransferController::finished, &loop, &QEventLoop::quit);
    loop.exec();
    return !controller.running();
}

}  // namespace zrt::testing

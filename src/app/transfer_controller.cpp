#include "app/transfer_controller.h"

#include <QPointer>
#include <QTimer>
#include <memory>

#include "app/msgbox.h"
#include "app/progress_window.h"
#include "platform/radio_port.h"
#include "session/radio_transfer.h"
#include "session/session.h"

namespace zrt {

namespace {
constexpr int kWatchdogMs = 200;  // TimerW
constexpr int kReenableMs = 100;  // Timer1
constexpr int kReenableTicks = 12;
}  // namespace

struct TransferController::Impl {
    Impl(Session& s, RadioPort& p, QWidget* w) : session(s), port(p), parent(w), transfer(s) {}

    Session& session;
    RadioPort& port;
    QPointer<QWidget> parent;
    RadioTransfer transfer;
    QTimer watchdog;
    QTimer reenable;
    int reenableCount = 0;
    bool busy = false;  // from the start command until it returns (messages included)
    std::unique_ptr<ProgressWindow> window;

    int language() const { return session.config.languageIndex; }
    // Messages stand over the progress window while it is open.
    QWidget* owner() const { return window && window->isVisible() ? window.get() : parent.data(); }
};

TransferController::TransferController(Session& session, RadioPort& port, QWidget* dialogParent)
    : d_(new Impl(session, port, dialogParent)) {
    d_->watchdog.setInterval(kWatchdogMs);
    d_->watchdog.setTimerType(Qt::PreciseTimer);
    d_->reenable.setInterval(kReenableMs);
    connect(&port, &RadioPort::bytesReceived, this, [this](const std::vector<std::uint8_t>& bytes) {
        if (d_->transfer.active()) execute(d_->transfer.received(bytes));
    });
    connect(&d_->watchdog, &QTimer::timeout, this, [this] { execute(d_->transfer.tick()); });
    connect(&d_->reenable, &QTimer::timeout, this, [this] {
        if (++d_->reenableCount < kReenableTicks) return;
        d_->reenableCount = 0;
        d_->reenable.stop();
        emit commandsEnabled(true);
    });
}

TransferController::~TransferController() {
    delete d_;
}

void TransferController::startRead() {
    start(false);
}

void TransferController::startWrite() {
    start(true);
}

bool TransferController::running() const {
    return d_->busy || d_->transfer.active();
}

void TransferController::start(bool write) {
    if (running()) return;
    if (!d_->port.isOpen()) {
        msgBoxEx(d_->language(), msg::kPortInvalid, d_->parent);
        return;
    }
    d_->busy = true;
    emit aboutToStart();
    // A new transfer takes over from a pending re-enable: the commands stay off until this one ends.
    d_->reenable.stop();
    d_->reenableCount = 0;

    const link::Actions first = write ? d_->transfer.startWrite() : d_->transfer.startRead();
    d_->watchdog.start();
    d_->window = std::make_unique<ProgressWindow>(
        write ? ProgressWindow::Kind::Writing : ProgressWindow::Kind::Reading, d_->language(), d_->parent);
    execute(first);
    emit commandsEnabled(false);
    if (d_->transfer.active()) d_->window->exec();
    d_->window.reset();
    d_->busy = false;
}

void TransferController::execute(const link::Actions& actions) {
    bool ask = false;
    for (const link::Action& action : actions) {
        if (auto* send = std::get_if<link::Send>(&action)) {
            d_->port.send(send->bytes);
        } else if (auto* threshold = std::get_if<link::SetThreshold>(&action)) {
            d_->port.setThreshold(threshold->bytes);
        } else if (auto* progress = std::get_if<link::SetProgress>(&action)) {
            if (d_->window) d_->window->setValue(progress->value);
        } else if (std::holds_alternative<link::AskForceQuestion>(action)) {
            ask = true;
        } else if (std::holds_alternative<link::CloseProgress>(action)) {
            if (d_->window) d_->window->finish();
        } else if (std::holds_alternative<link::DecodeImageIn>(action)) {
            emit decoded();  // the session has decoded already; the windows redraw
        } else if (auto* message = std::get_if<link::ShowMessage>(&action)) {
            msgBoxEx(d_->language(), *message->message, d_->owner());
        } else if (std::holds_alternative<link::EnableCommands>(action)) {
            emit commandsEnabled(true);
        } else if (std::holds_alternative<link::StartReenableTimer>(action)) {
            d_->reenableCount = 0;
            d_->reenable.start();
        } else if (std::holds_alternative<link::Finished>(action)) {
            d_->watchdog.stop();
        }
    }
    if (ask) {
        d_->watchdog.stop();
        const bool ok = msgBoxEx(d_->language(), msg::kForceBandQuestion, d_->owner()) == msg::kResultOk;
        if (ok) d_->watchdog.start();
        execute(d_->transfer.answerForceQuestion(ok));
    }
}

}  // namespace zrt

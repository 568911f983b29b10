#include "app/transfer_controller.h"

#include <QPointer>
#include <QTimer>
#include <memory>

#include "app/msgbox.h"
#include "app/progress_window.h"
#include "platform/link_driver.h"
#include "platform/radio_port.h"
#include "session/session.h"

namespace zrt {

namespace {
constexpr int kReenableMs = 100;  // Timer1
constexpr int kReenableTicks = 12;
}  // namespace

struct TransferController::Impl {
    Impl(Session& s, RadioPort& p, QWidget* w) : session(s), port(p), parent(w), driver(s, p) {}

    Session& session;
    RadioPort& port;
    QPointer<QWidget> parent;
    LinkDriver driver;
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
    d_->reenable.setInterval(kReenableMs);
    connect(&d_->reenable, &QTimer::timeout, this, [this] {
        if (++d_->reenableCount < kReenableTicks) return;
        d_->reenableCount = 0;
        d_->reenable.stop();
        emit commandsEnabled(true);
    });

    LinkDriver::Handlers h;
    h.progress = [this](int value) {
        if (d_->window) d_->window->setValue(value);
    };
    h.forceQuestion = [this](const msg::Message& question) {
        const int answer = msgBoxEx(d_->language(), question, d_->owner());
        return answer == msg::kResultOk || answer == msg::kResultYes;
    };
    h.closeProgress = [this] {
        if (d_->window) d_->window->finish();
    };
    h.decoded = [this] { emit decoded(); };
    h.message = [this](const msg::Message& m) { msgBoxEx(d_->language(), m, d_->owner()); };
    h.enableCommands = [this] { emit commandsEnabled(true); };
    // The success message has an OK button only; however it was closed, the commands come back.
    h.enableCommandsLater = [this] {
        d_->reenableCount = 0;
        d_->reenable.start();
    };
    d_->driver.setHandlers(std::move(h));
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

void TransferController::setWatchdogInterval(int ms) {
    d_->driver.setWatchdogInterval(ms);
}

bool TransferController::running() const {
    return d_->busy || d_->driver.active();
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

    d_->window = std::make_unique<ProgressWindow>(
        write ? ProgressWindow::Kind::Writing : ProgressWindow::Kind::Reading, d_->language(), d_->parent);
    if (write)
        d_->driver.startWrite();
    else
        d_->driver.startRead();
    emit commandsEnabled(false);
    // The transfer runs in the port's and the watchdog's handlers while the window is shown.
    if (d_->driver.active()) d_->window->exec();
    d_->window.reset();
    d_->busy = false;
}

}  // namespace zrt

#include "app/transfer_controller.h"

#include <QDir>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <optional>

#include "ui/msgbox.h"
#include "app/progress_window.h"
#include "config/channel_csv.h"
#include "i18n/backup_captions.h"
#include "platform/backups.h"
#include "platform/data_file_io.h"
#include "platform/link_driver.h"
#include "platform/qt_text.h"
#include "platform/radio_port.h"
#include "session/session.h"
#include "session/write_verification.h"

namespace zrt {

namespace {
// Read and Write come back this long after the success message (the program's Timer1).
constexpr int kReenableMs = 1200;
// Lets the radio's answer to the write's final 'E' arrive (and be dropped) before the read-back starts.
constexpr int kSettleMs = 300;
constexpr std::size_t kAddressesShown = 10;

// The roles a link driver plays: the session's own read or write, a backup written as it is, or the read
// that checks a write (which neither redraws nor keeps a backup).
enum class Role { Main, Restore, Check };
}  // namespace

struct TransferController::Impl {
    Impl(Session& s, RadioPort& p, QWidget* w) : session(s), port(p), parent(w), driver(s, p) {}

    Session& session;
    RadioPort& port;
    QPointer<QWidget> parent;
    LinkDriver driver;
    // A session of its own for a restore or a read-back, so that the configuration stays as it is.
    std::unique_ptr<Session> other;
    std::unique_ptr<LinkDriver> otherDriver;
    QTimer reenable;    // single shot
    bool busy = false;  // from the start command until it returns (messages included)
    bool verifyAfterWrite = true;
    int watchdogMs = 200;      // TimerW, unless a test shortens it
    bool holdSuccess = false;  // a write's success is told only once the read-back agrees
    std::optional<link::Outcome> outcome;
    std::unique_ptr<ProgressWindow> window;

    int language() const { return session.config().languageIndex; }
    // Messages stand over the progress window while it is open.
    QWidget* owner() const { return window && window->isVisible() ? window.get() : parent.data(); }
    void enableLater() { reenable.start(); }
    LinkDriver::Handlers handlers(TransferController* self, Role role, const std::function<void()>& decoded);
};

LinkDriver::Handlers TransferController::Impl::handlers(TransferController* self, Role role,
                                                        const std::function<void()>& decoded) {
    Impl* d = this;
    LinkDriver::Handlers h;
    h.progress = [d](int value) {
        if (d->window) d->window->setValue(value);
    };
    h.forceQuestion = [d](const msg::Message& question) {
        const int answer = msgBoxEx(d->language(), question, d->owner());
        return answer == msg::kResultOk || answer == msg::kResultYes;
    };
    h.closeProgress = [d] {
        if (d->window) d->window->finish();
    };
    h.decoded = decoded;
    h.message = [d, role](const msg::Message& m) {
        // A success stays untold until the check has its say; the check's own read tells none.
        const bool success = &m == &msg::kWriteSucceeded || &m == &msg::kReadSucceeded;
        if (success && (d->holdSuccess || role == Role::Check)) return;
        msgBoxEx(d->language(), m, d->owner());
    };
    h.enableCommands = [self] { emit self->commandsEnabled(true); };
    // The success message has an OK button only; however it was closed, the commands come back.
    h.enableCommandsLater = [d] {
        if (!d->holdSuccess) d->enableLater();
    };
    h.finished = [d](link::Outcome o) { d->outcome = o; };
    return h;
}

TransferController::TransferController(Session& session, RadioPort& port, QWidget* dialogParent)
    : d_(std::make_unique<Impl>(session, port, dialogParent)) {
    d_->reenable.setSingleShot(true);
    d_->reenable.setInterval(kReenableMs);
    connect(&d_->reenable, &QTimer::timeout, this, [this] { emit commandsEnabled(true); });
}

TransferController::~TransferController() = default;

void TransferController::startRead() {
    start(Kind::Read);
}

void TransferController::startWrite() {
    start(Kind::Write);
}

void TransferController::startRestore(const QString& path) {
    start(Kind::Restore, path);
}

void TransferController::setWatchdogInterval(int ms) {
    d_->watchdogMs = ms;
    d_->driver.setWatchdogInterval(ms);
}

bool TransferController::verifyAfterWrite() const {
    return d_->verifyAfterWrite;
}

void TransferController::setVerifyAfterWrite(bool on) {
    d_->verifyAfterWrite = on;
}

bool TransferController::running() const {
    return d_->busy || d_->driver.active() || (d_->otherDriver && d_->otherDriver->active());
}

void TransferController::start(Kind kind, const QString& path) {
    if (running()) return;
    if (!d_->port.isOpen()) {
        msgBoxEx(d_->language(), msg::kPortInvalid, d_->parent);
        return;
    }
    LinkDriver* driver = &d_->driver;
    const Session* written = &d_->session;
    if (kind == Kind::Restore) {
        auto restore = std::make_unique<Session>();
        restore->edit(Change::of({Part::Language, Part::Service}), [this](Configuration& config) {
            config.languageIndex = d_->language();
            config.service = d_->session.config().service;
        });
        const FileResult opened = openRawDataFile(*restore, path);
        if (opened != FileResult::Done) {
            const msg::Message& m = fileResultMessage(opened);
            const QString text = qs(m.text, d_->language()) +
                                 (fileResultNamesPath(opened) ? QDir::toNativeSeparators(path) : QString());
            msgBoxEx(d_->language(), text, m.style, qs(m.title, d_->language()), d_->parent);
            return;
        }
        d_->otherDriver.reset();
        d_->other = std::move(restore);
        d_->otherDriver = std::make_unique<LinkDriver>(*d_->other, d_->port);
        d_->otherDriver->setWatchdogInterval(d_->watchdogMs);
        d_->otherDriver->setHandlers(d_->handlers(this, Role::Restore, {}));
        driver = d_->otherDriver.get();
        written = d_->other.get();
    } else {
        d_->driver.setHandlers(d_->handlers(this, Role::Main, [this] {
            emit decoded();
            // The radio's memory as it came, whatever becomes of the configuration; a failing backup is
            // told once and never fails the read.
            const BackupResult backup = saveBackup(d_->session.imageIn, d_->session.config().band.listIndex);
            if (!backup.path.isEmpty()) {
                emit backupSaved(backup.path);
                return;
            }
            const int language = d_->language();
            msgBoxEx(language, qs(fillText(backup_text::kFailed.in(language), {backup.error.toStdString()})),
                     msg::kStyleExclamation, qs(backup_text::kFailedTitle, language), d_->owner());
        }));
    }

    d_->busy = true;
    emit aboutToStart();
    // A new transfer takes over from a pending re-enable: the commands stay off until this one ends.
    d_->reenable.stop();
    d_->outcome.reset();
    const bool write = kind != Kind::Read;
    d_->holdSuccess = write && d_->verifyAfterWrite;

    d_->window = std::make_unique<ProgressWindow>(
        write ? ProgressWindow::Kind::Writing : ProgressWindow::Kind::Reading, d_->language(), d_->parent);
    if (kind == Kind::Read)
        driver->startRead();
    else
        driver->startWrite(kind == Kind::Restore ? RadioTransfer::WriteImage::AsItIs
                                                 : RadioTransfer::WriteImage::Encoded);
    emit commandsEnabled(false);
    // The transfer runs in the port's and the watchdog's handlers while the window is shown.
    if (driver->active()) d_->window->exec();
    d_->window.reset();
    if (d_->holdSuccess && d_->outcome == link::Outcome::Succeeded) verify(*written);
    d_->holdSuccess = false;
    d_->busy = false;
}

void TransferController::verify(const Session& written) {
    const int language = d_->language();
    {
        QEventLoop loop;
        QTimer::singleShot(kSettleMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    Session readBack;
    LinkDriver checkDriver(readBack, d_->port);
    checkDriver.setWatchdogInterval(d_->watchdogMs);
    checkDriver.setHandlers(d_->handlers(this, Role::Check, {}));
    d_->outcome.reset();
    d_->window = std::make_unique<ProgressWindow>(ProgressWindow::Kind::Reading, language, d_->parent);
    checkDriver.startRead();
    if (checkDriver.active()) d_->window->exec();
    d_->window.reset();

    if (d_->outcome != link::Outcome::Succeeded) {
        msgBoxEx(language, qs(backup_text::kVerifyUnread, language), msg::kStyleCritical,
                 qs(backup_text::kVerifyTitle, language), d_->parent);
        emit commandsEnabled(true);
        return;
    }
    const WriteCheck check =
        checkWrite(written.imageOut, readBack.imageIn, written.config().service.calibWrite);
    if (check.differences.empty()) {
        msgBoxEx(language, msg::kWriteSucceeded, d_->parent);
        d_->enableLater();
        return;
    }
    QStringList addresses;
    for (std::size_t i = 0; i < check.differences.size() && i < kAddressesShown; ++i)
        addresses
            << QStringLiteral("0x") +
                   QStringLiteral("%1").arg(check.differences[i].address, 3, 16, QLatin1Char('0')).toUpper();
    if (check.differences.size() > kAddressesShown) addresses << QStringLiteral("…");
    const std::string text =
        fillText(backup_text::kVerifyDiffers.in(language),
                 {addresses.join(QStringLiteral(", ")).toStdString(),
                  std::to_string(check.differences.size()), std::to_string(check.blocksCompared)});
    msgBoxEx(language, qs(text), msg::kStyleCritical, qs(backup_text::kVerifyTitle, language), d_->parent);
    emit commandsEnabled(true);
}

}  // namespace zrt

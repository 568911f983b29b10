#include "app/transfer_controller.h"

#include <QDir>
#include <QPointer>
#include <QTimer>
#include <memory>

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
#include "ui/msgbox.h"

namespace zrt {

namespace {
// Read and Write come back this long after the success message (the program's Timer1).
constexpr int kReenableMs = 1200;
// Lets the radio's answer to the write's final 'E' arrive (and be dropped) before the read-back starts.
constexpr int kSettleMs = 300;
constexpr std::size_t kAddressesShown = 10;
}  // namespace

struct TransferController::Impl {
    Impl(Session& s, RadioPort& p, QWidget* w) : session(s), port(p), parent(w), driver(s, p) {}

    Session& session;
    RadioPort& port;
    QPointer<QWidget> parent;
    LinkDriver driver;
    // A session of its own for a restore, so that the configuration stays as it is.
    std::unique_ptr<Session> other;
    std::unique_ptr<LinkDriver> otherDriver;
    // The read that checks a write: it neither redraws nor keeps a backup.
    std::unique_ptr<Session> readBack;
    std::unique_ptr<LinkDriver> checkDriver;
    QTimer reenable;    // single shot
    QTimer settle;      // single shot: the pause between a write and its read-back
    bool busy = false;  // from the start command until everything it tells has been told
    bool verifyAfterWrite = true;
    int watchdogMs = 200;      // TimerW, unless a test shortens it
    bool holdSuccess = false;  // a write's success is told only once the read-back agrees
    Kind kind = Kind::Read;
    const Session* written = nullptr;  // whose ImageOut the running write sends
    std::unique_ptr<ProgressWindow> window;

    int language() const { return session.config().languageIndex; }
    // Messages stand over the progress window while it is open.
    QWidget* owner() const { return window && window->isVisible() ? window.get() : parent.data(); }
    void openWindow(ProgressWindow::Kind windowKind) {
        window = std::make_unique<ProgressWindow>(windowKind, language(), parent);
    }
    void closeWindow() {
        if (!window) return;
        window->finish();
        window.reset();
    }
    bool asked(link::Question question) const {
        const int answer = msgBoxEx(language(), LinkDriver::questionMessage(question), owner());
        return answer == msg::kResultOk || answer == msg::kResultYes;
    }
    void tell(const msg::Message* message) const {
        if (message) msgBoxEx(language(), *message, owner());
    }
};

TransferController::TransferController(Session& session, RadioPort& port, QWidget* dialogParent)
    : d_(std::make_unique<Impl>(session, port, dialogParent)) {
    d_->reenable.setSingleShot(true);
    d_->reenable.setInterval(kReenableMs);
    connect(&d_->reenable, &QTimer::timeout, this, [this] { emit commandsEnabled(true); });
    d_->settle.setSingleShot(true);
    d_->settle.setInterval(kSettleMs);
    connect(&d_->settle, &QTimer::timeout, this, &TransferController::startCheck);
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
    return d_->busy;
}

LinkDriver::Handlers TransferController::handlers(bool readBack) {
    Impl* d = d_.get();
    LinkDriver::Handlers h;
    h.progress = [d](int value) {
        if (d->window) d->window->setValue(value);
    };
    h.forceQuestion = [d](link::Question question) { return d->asked(question); };
    h.finished = [this, readBack](link::Outcome outcome) {
        if (readBack)
            checkEnded(outcome);
        else
            transferEnded(outcome);
    };
    return h;
}

void TransferController::start(Kind kind, const QString& path) {
    if (running()) return;
    if (!d_->port.isOpen()) {
        msgBoxEx(d_->language(), msg::kPortInvalid, d_->parent);
        return;
    }
    LinkDriver* driver = &d_->driver;
    d_->written = &d_->session;
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
        d_->otherDriver->setHandlers(handlers(false));
        driver = d_->otherDriver.get();
        d_->written = d_->other.get();
    } else {
        d_->driver.setHandlers(handlers(false));
    }

    d_->busy = true;
    d_->kind = kind;
    emit aboutToStart();
    // A new transfer takes over from a pending re-enable: the commands stay off until this one ends.
    d_->reenable.stop();
    const bool write = kind != Kind::Read;
    d_->holdSuccess = write && d_->verifyAfterWrite;

    d_->openWindow(write ? ProgressWindow::Kind::Writing : ProgressWindow::Kind::Reading);
    if (kind == Kind::Read)
        driver->startRead();
    else
        driver->startWrite(kind == Kind::Restore ? RadioTransfer::WriteImage::AsItIs
                                                 : RadioTransfer::WriteImage::Encoded);
    emit commandsEnabled(false);
    // The transfer runs in the port's and the watchdog's handlers while the window stands over the program.
    if (d_->window) d_->window->show();
}

// What the user is told of an ending, in the order the program always told it: a refused band over the
// progress window, a lost radio once the window has gone.
void TransferController::tellEnd(link::Transfer::Direction direction, link::Outcome outcome) {
    const msg::Message* message = LinkDriver::outcomeMessage(direction, outcome);
    switch (outcome) {
        case link::Outcome::Succeeded:
            d_->closeWindow();
            d_->tell(message);
            // The success message has an OK button only; however it was closed, the commands come back.
            d_->reenable.start();
            break;
        case link::Outcome::BandRefused:
            d_->tell(message);
            emit commandsEnabled(true);
            d_->closeWindow();
            break;
        case link::Outcome::Cancelled:
            emit commandsEnabled(true);
            d_->closeWindow();
            break;
        case link::Outcome::TimedOut:
            d_->closeWindow();
            d_->tell(message);
            emit commandsEnabled(true);
            break;
    }
}

void TransferController::transferEnded(link::Outcome outcome) {
    const bool read = d_->kind == Kind::Read;
    if (outcome == link::Outcome::Succeeded && read) {
        d_->closeWindow();
        emit decoded();
        keepBackup();
    }
    if (outcome == link::Outcome::Succeeded && d_->holdSuccess) {
        d_->closeWindow();
        d_->settle.start();
        return;
    }
    tellEnd(read ? link::Transfer::Direction::Read : link::Transfer::Direction::Write, outcome);
    finish();
}

// The radio's memory as it came, whatever becomes of the configuration; a failing backup is told once and
// never fails the read.
void TransferController::keepBackup() {
    const BackupResult backup = saveBackup(d_->session.imageIn(), d_->session.config().band.listIndex);
    if (!backup.path.isEmpty()) {
        emit backupSaved(backup.path);
        return;
    }
    const int language = d_->language();
    msgBoxEx(language, qs(fillText(backup_text::kFailed.in(language), {backup.error.toStdString()})),
             msg::kStyleExclamation, qs(backup_text::kFailedTitle, language), d_->owner());
}

void TransferController::startCheck() {
    d_->checkDriver.reset();
    d_->readBack = std::make_unique<Session>();
    d_->checkDriver = std::make_unique<LinkDriver>(*d_->readBack, d_->port);
    d_->checkDriver->setWatchdogInterval(d_->watchdogMs);
    d_->checkDriver->setHandlers(handlers(true));
    d_->openWindow(ProgressWindow::Kind::Reading);
    d_->checkDriver->startRead();
    if (d_->window) d_->window->show();
}

void TransferController::checkEnded(link::Outcome outcome) {
    const int language = d_->language();
    if (outcome != link::Outcome::Succeeded) {
        tellEnd(link::Transfer::Direction::Read, outcome);
        msgBoxEx(language, qs(backup_text::kVerifyUnread, language), msg::kStyleCritical,
                 qs(backup_text::kVerifyTitle, language), d_->parent);
        emit commandsEnabled(true);
        finish();
        return;
    }
    d_->closeWindow();
    const WriteCheck check = checkWrite(d_->written->imageOut(), d_->readBack->imageIn(),
                                        d_->written->config().service.calibWrite);
    if (check.differences.empty()) {
        msgBoxEx(language, msg::kWriteSucceeded, d_->parent);
        d_->reenable.start();
        finish();
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
    finish();
}

void TransferController::finish() {
    d_->holdSuccess = false;
    d_->busy = false;
    emit finished();
}

}  // namespace zrt

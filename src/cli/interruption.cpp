#include "cli/interruption.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>

namespace zrt::cli {

namespace {

constexpr std::array kSignals{SIGINT, SIGTERM};

// Only async-signal-safe work happens in the handler; these are its whole world.
volatile std::sig_atomic_t gSignal = 0;
volatile std::sig_atomic_t gCount = 0;    // requests heard so far
volatile std::sig_atomic_t gAllowed = 1;  // requests the command hears before one ends the program
volatile std::sig_atomic_t gWriteEnd = -1;
std::array<struct sigaction, kSignals.size()> gPrevious{};

void onSignal(int signo) {
    if (gCount >= gAllowed) {
        // Asked once more than the command listens to: the user wants out now, whatever the radio is doing.
        ::signal(signo, SIG_DFL);
        ::raise(signo);
        return;
    }
    if (gSignal == 0) gSignal = signo;
    gCount = gCount + 1;
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(gWriteEnd, &byte, 1);
    errno = savedErrno;
}

}  // namespace

Interruption::Interruption(int requestsHeard) {
    gSignal = 0;
    gCount = 0;
    gAllowed = requestsHeard < 1 ? 1 : requestsHeard;
    if (::pipe(pipe_) != 0) {
        pipe_[0] = pipe_[1] = -1;
    } else {
        for (int fd : pipe_) {
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        }
        notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
        connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
            char drain[16];
            while (::read(pipe_[0], drain, sizeof drain) > 0) {
            }
            emit arrived();
        });
    }
    gWriteEnd = pipe_[1];

    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    for (int s : kSignals)
        sigaddset(&sa.sa_mask, s);
    sa.sa_flags = SA_RESTART;  // the serial port's reads and writes carry on undisturbed
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &sa, &gPrevious[i]);
}

Interruption::~Interruption() {
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &gPrevious[i], nullptr);
    gWriteEnd = -1;
    notifier_.reset();
    for (int fd : pipe_)
        if (fd >= 0) ::close(fd);
    const int pending = gSignal;
    gSignal = 0;
    gCount = 0;
    gAllowed = 1;
    if (pending != 0 && !acknowledged_) ::raise(pending);
}

bool Interruption::requested() const {
    return gSignal != 0;
}

int Interruption::count() const {
    return gCount;
}

int Interruption::signalNumber() const {
    return gSignal;
}

}  // namespace zrt::cli

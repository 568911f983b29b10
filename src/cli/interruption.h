// Ctrl+C (SIGINT) and termination requests (SIGTERM) while a command talks to the radio. The signal handler
// only writes to a pipe; the event loop hears of it through a socket notifier, so that the command can end
// the radio's programming mode before the program exits. A second request ends the program at once.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace zrt::cli {

class Interruption : public QObject {
    Q_OBJECT
  public:
    // Catches both signals from now on; one Interruption at a time. The first requestsHeard requests reach
    // the command (arrived() each time); the one after them ends the program at once.
    explicit Interruption(int requestsHeard = 1);
    // Puts the earlier handlers back. A request that arrived and was never acknowledged is delivered again
    // to them, so that it is not lost.
    ~Interruption() override;
    Interruption(const Interruption&) = delete;
    Interruption& operator=(const Interruption&) = delete;

    // Whether a request has arrived (also one the event loop has not yet been told of).
    bool requested() const;
    // The requests heard so far.
    int count() const;
    // The signal of the first request; 0 before any.
    int signalNumber() const;
    // The command has dealt with the request: the destructor delivers nothing again.
    void acknowledge() { acknowledged_ = true; }

  signals:
    void arrived();

  private:
    int pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    bool acknowledged_ = false;
};

}  // namespace zrt::cli

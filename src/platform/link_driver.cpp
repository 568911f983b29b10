#include "platform/link_driver.h"

#include "platform/radio_port.h"

namespace zrt {

namespace {
constexpr int kWatchdogMs = 200;
}

LinkDriver::LinkDriver(Session& session, RadioPort& port, QObject* parent)
    : QObject(parent), port_(port), transfer_(session.transfer()) {
    watchdog_.setInterval(kWatchdogMs);
    watchdog_.setTimerType(Qt::PreciseTimer);
    connect(&port_, &RadioPort::bytesReceived, this, [this](const std::vector<std::uint8_t>& bytes) {
        // Bytes outside a transfer (a late reply to a final 'E') belong to no exchange.
        if (transfer_.active()) execute(transfer_.received(bytes));
    });
    connect(&watchdog_, &QTimer::timeout, this, [this] { execute(transfer_.tick()); });
}

void LinkDriver::startRead() {
    if (active()) return;
    const link::Actions first = transfer_.startRead();
    watchdog_.start();
    execute(first);
}

void LinkDriver::startWrite(RadioTransfer::WriteImage image) {
    if (active()) return;
    const link::Actions first = transfer_.startWrite(image);
    watchdog_.start();
    execute(first);
}

void LinkDriver::execute(const link::Actions& actions) {
    auto call = [](const auto& f, auto&&... args) {
        if (f) f(std::forward<decltype(args)>(args)...);
    };
    // The port's actions go first: the radio starts on its answer while the window repaints its progress
    // bar (a synchronous repaint that would otherwise delay every one of the ~400 exchanges). Among
    // themselves, and the rest among themselves, the actions keep their order.
    for (const link::Action& action : actions) {
        if (auto* send = std::get_if<link::Send>(&action))
            port_.send(send->bytes);
        else if (auto* threshold = std::get_if<link::SetThreshold>(&action))
            port_.setThreshold(threshold->bytes);
    }
    std::optional<link::Question> ask;
    for (const link::Action& action : actions) {
        if (std::holds_alternative<link::Send>(action) ||
            std::holds_alternative<link::SetThreshold>(action)) {
            continue;
        } else if (auto* progress = std::get_if<link::SetProgress>(&action)) {
            call(handlers_.progress, progress->value);
        } else if (auto* question = std::get_if<link::AskForceQuestion>(&action)) {
            ask = question->question;
        } else if (auto* finished = std::get_if<link::Finished>(&action)) {
            watchdog_.stop();
            call(handlers_.finished, finished->outcome);
        }
    }
    if (ask) {
        // The watchdog rests while the question is open, however long the user takes.
        watchdog_.stop();
        const bool ok = handlers_.forceQuestion && handlers_.forceQuestion(*ask);
        if (ok) watchdog_.start();
        execute(transfer_.answerForceQuestion(ok));
    }
}

const msg::Message* LinkDriver::outcomeMessage(link::Transfer::Direction direction, link::Outcome outcome) {
    switch (outcome) {
        case link::Outcome::Succeeded:
            return direction == link::Transfer::Direction::Read ? &msg::kReadSucceeded
                                                                : &msg::kWriteSucceeded;
        case link::Outcome::BandRefused:
            return &msg::kBandRefused;
        case link::Outcome::TimedOut:
            return &msg::kCommunicationError;
        case link::Outcome::Cancelled:
            break;
    }
    return nullptr;
}

const msg::Message& LinkDriver::questionMessage(link::Question question) {
    return question == link::Question::CalibrationNotRead ? msg::kCalibrationNotReadQuestion
                                                          : msg::kForceBandQuestion;
}

}  // namespace zrt

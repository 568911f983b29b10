// What a radio transfer asks of its runner, in the order the runner must carry it out.
#pragma once

#include <cstdint>
#include <variant>
#include <vector>

#include "config/messages.h"

namespace zrt::link {

enum class Outcome {
    Succeeded,
    Cancelled,    // a question before the write was answered Cancel or No
    BandRefused,  // the radio is of another band and a forced write is not allowed
    TimedOut,     // no acceptable reply for eleven watchdog ticks
};

struct Send {
    std::vector<std::uint8_t> bytes;
    friend bool operator==(const Send&, const Send&) = default;
};
// The port's receive threshold: hand over waiting bytes only once at least this many are waiting.
struct SetThreshold {
    int bytes;
    friend bool operator==(const SetThreshold&, const SetThreshold&) = default;
};
// The progress bar's value (minimum 1, maximum 196).
struct SetProgress {
    int value;
    friend bool operator==(const SetProgress&, const SetProgress&) = default;
};
// Ask a write's question before anything is written (msg::kForceBandQuestion, then
// msg::kCalibrationNotReadQuestion) and pass the answer, true for OK or Yes, to answerForceQuestion(). The
// watchdog rests meanwhile.
struct AskForceQuestion {
    const msg::Message* question = &msg::kForceBandQuestion;
    friend bool operator==(const AskForceQuestion&, const AskForceQuestion&) = default;
};
struct CloseProgress {
    friend bool operator==(const CloseProgress&, const CloseProgress&) = default;
};
// A read has completed: ImageIn goes into the configuration.
struct DecodeImageIn {
    friend bool operator==(const DecodeImageIn&, const DecodeImageIn&) = default;
};
struct ShowMessage {
    const msg::Message* message;
    friend bool operator==(const ShowMessage&, const ShowMessage&) = default;
};
// Read and Write become available at once.
struct EnableCommands {
    friend bool operator==(const EnableCommands&, const EnableCommands&) = default;
};
// Read and Write become available 1.2 s from now (after the success message was closed).
struct StartReenableTimer {
    friend bool operator==(const StartReenableTimer&, const StartReenableTimer&) = default;
};
// The transfer has ended; always the last action of its list.
struct Finished {
    Outcome outcome;
    friend bool operator==(const Finished&, const Finished&) = default;
};

using Action = std::variant<Send, SetThreshold, SetProgress, AskForceQuestion, CloseProgress, DecodeImageIn,
                            ShowMessage, EnableCommands, StartReenableTimer, Finished>;
using Actions = std::vector<Action>;

}  // namespace zrt::link

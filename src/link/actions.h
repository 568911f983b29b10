// What a radio transfer asks of its runner, in the order the runner must carry it out, and how it ended.
#pragma once

#include <cstdint>
#include <variant>
#include <vector>

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
// A question a write asks before anything is written; the runner passes the answer, true for OK or Yes, to
// answerForceQuestion(). The watchdog rests meanwhile.
enum class Question {
    ForceBand,           // the radio is of another band: write into it by force?
    CalibrationNotRead,  // calibration values nobody read or chose would replace the radio's own
};
struct AskForceQuestion {
    Question question = Question::ForceBand;
    friend bool operator==(const AskForceQuestion&, const AskForceQuestion&) = default;
};
// A read has completed: ImageIn goes into the configuration.
struct DecodeImageIn {
    friend bool operator==(const DecodeImageIn&, const DecodeImageIn&) = default;
};
// The transfer has ended; always the last action of its list. What the user is told and when Read and Write
// come back is the runner's choice, made from the outcome.
struct Finished {
    Outcome outcome;
    friend bool operator==(const Finished&, const Finished&) = default;
};

using Action = std::variant<Send, SetThreshold, SetProgress, AskForceQuestion, DecodeImageIn, Finished>;
using Actions = std::vector<Action>;

}  // namespace zrt::link

// One port's share of programming several radios: a read or a write (with its read-back check) of the radio
// on that port, and, at a programming station, the cycle around it: wait for a radio to be switched on,
// program it, wait until it has gone, again. Like the link's transfers it has no I/O and no clock: the
// runner feeds it the port's bytes and the 200 ms ticks and carries out the actions it answers with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "image/memory_image.h"
#include "link/actions.h"
#include "link/transfer.h"

namespace zrt {

struct StationOptions {
    enum class Job { Write, Read };
    Job job = Job::Write;
    bool verify = false;   // a write is read back and compared
    bool station = false;  // wait for each radio to come, and to go again before the next
    // The band the radio must have; with crossBandWrite a radio of another band is written all the same.
    link::WriteOptions write{};
};

enum class StationPhase {
    Waiting,  // no radio: the program request goes out every 2 s
    Writing,
    Settling,   // the radio's answer to the write's 'E' is let pass before the read-back
    Verifying,  // reading the radio back
    Reading,
    Leaving,  // the radio is done: asked every 2 s until it no longer answers
    Ended,
};

enum class RadioResult {
    Written,
    Verified,
    Read,
    BandRefused,
    CalibrationRefused,  // a calibration write of values nobody read: never sent with nobody to ask
    NoAnswer,            // not a single reply
    StoppedAnswering,    // the radio fell silent during a transfer
    VerifyFailed,        // the read-back differs from what was written
    CablePulled,
    Interrupted,  // cut short by the user; the radio was told to leave programming mode
};

bool succeeded(RadioResult result);

struct PhaseChanged {
    StationPhase phase;
    friend bool operator==(const PhaseChanged&, const PhaseChanged&) = default;
};
// How far the radio in hand is, 0..100 (a checked write counts the write as the first half).
struct Percent {
    int value;
    friend bool operator==(const Percent&, const Percent&) = default;
};
struct RadioDone {
    RadioResult result;
    std::optional<std::size_t> firstDifference;  // VerifyFailed: the first address that differs
    friend bool operator==(const RadioDone&, const RadioDone&) = default;
};
using StationAction = std::variant<link::Send, link::SetThreshold, PhaseChanged, Percent, RadioDone>;
using StationActions = std::vector<StationAction>;

class StationCycle {
  public:
    static constexpr int kProbeTicks = 10;      // 2 s between program requests while no radio answers
    static constexpr int kSettleTicks = 2;      // 400 ms between a write and its read-back
    static constexpr int kLeftAfterProbes = 1;  // unanswered probes after which a radio has gone

    // A write sends imageOut, which must outlive the cycle.
    StationCycle(const MemoryImage& imageOut, StationOptions options);
    StationCycle(const StationCycle&) = delete;  // its transfer points into it
    StationCycle& operator=(const StationCycle&) = delete;

    StationActions start();
    StationActions received(std::span<const std::uint8_t> bytes);
    StationActions tick();
    // Ends the cycle once the radio in hand (if any) is done; a waiting cycle ends at once.
    StationActions stop();
    // Ends the cycle now: a transfer under way is cut off with 'E'.
    StationActions abort();
    // The port has gone away (adapter unplugged): the radio in hand has failed and the cycle ends.
    StationActions lineLost();

    StationPhase phase() const { return phase_; }
    bool ended() const { return phase_ == StationPhase::Ended; }
    int succeededCount() const { return succeeded_; }
    int failedCount() const { return failed_; }
    std::optional<RadioResult> lastResult() const { return lastResult_; }
    // What a read (or the read-back of a check) delivered.
    const MemoryImage& imageIn() const { return imageIn_; }

  private:
    void enter(StationPhase phase, StationActions& out);
    void startWrite(StationActions& out);
    void startRead(StationPhase phase, StationActions& out);
    void carryOut(const link::Actions& actions, StationActions& out);
    void transferEnded(link::Outcome outcome, StationActions& out);
    void radioDone(RadioResult result, std::optional<std::size_t> difference, StationActions& out);
    void percent(int step, StationActions& out);

    const MemoryImage& imageOut_;
    StationOptions options_;
    StationPhase phase_ = StationPhase::Waiting;
    std::optional<link::Transfer> transfer_;
    MemoryImage imageIn_;
    bool started_ = false;
    bool stopping_ = false;
    bool gotReply_ = false;  // the present transfer (or probe) has had a reply
    int ticks_ = 0;
    int unanswered_ = 0;
    int lastPercent_ = -1;
    std::string recvHex_;  // the replies to a probe of a leaving radio
    int succeeded_ = 0;
    int failed_ = 0;
    std::optional<RadioResult> lastResult_;
};

}  // namespace zrt

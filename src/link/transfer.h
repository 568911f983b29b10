// The read and the write of the radio's memory as state machines without I/O and without a clock: the runner
// feeds them the bytes the port hands over and the ticks of the 200 ms watchdog, and carries out the actions
// they answer with (bytes to send, receive threshold, progress, questions, the end and its outcome).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "image/memory_image.h"
#include "link/actions.h"

namespace zrt::link {

struct WriteOptions {
    int bandIndex = 0;            // the band list's position that the radio's band code must match
    bool crossBandWrite = false;  // CrossBandWrite: a radio of another band may be written after a question
    bool calibWrite = false;      // CalibWrite: also write the two calibration blocks
    // The calibration values were not read (from this radio or a file) nor set by the user: a calibration
    // write asks before anything is written.
    bool confirmCalibration = false;
};

class Transfer {
  public:
    enum class Direction { Read, Write };

    static constexpr int kFirstStep = 1;
    static constexpr int kLastStep = 196;
    static constexpr int kWatchdogTicks =
        10;  // ticks tolerated without an accepted reply; the next one aborts
    static constexpr int kBlockThreshold = 20;

    // A read stores the radio's blocks into imageIn; a write sends imageOut. The image must outlive the
    // transfer.
    static Transfer read(MemoryImage& imageIn);
    static Transfer write(const MemoryImage& imageOut, WriteOptions options);

    // Sends the program request. The watchdog runs from here on.
    Actions start();
    // The bytes the port handed over (after its receive threshold). Ignored once the transfer has ended.
    Actions received(std::span<const std::uint8_t> bytes);
    // One 200 ms watchdog tick.
    Actions tick();
    // The answer to AskForceQuestion: true for OK or Yes.
    Actions answerForceQuestion(bool ok);

    Direction direction() const { return direction_; }
    bool active() const { return active_; }
    bool awaitingAnswer() const { return awaitingAnswer_; }
    int step() const { return step_; }                  // ReadStep or WriteStep
    int timeoutCount() const { return timeoutCount_; }  // TimeoutCount
    const std::string& recvHex() const { return recvHex_; }

  private:
    Transfer(Direction direction, MemoryImage* imageIn, const MemoryImage* imageOut, WriteOptions options);

    void accept();
    void writeStep(Actions& out);
    void bandCheck(Actions& out);
    void bandAccepted(Actions& out);
    void readStep(Actions& out);
    void storeBlock();
    void succeed(Actions& out);
    void end(Actions& out, Outcome outcome);

    Direction direction_;
    MemoryImage* imageIn_;
    const MemoryImage* imageOut_;
    WriteOptions options_;
    bool started_ = false;
    bool active_ = false;
    bool awaitingAnswer_ = false;
    std::optional<Question> question_;  // the last question asked
    int step_ = kFirstStep;
    int timeoutCount_ = 0;
    std::string recvHex_;
};

}  // namespace zrt::link

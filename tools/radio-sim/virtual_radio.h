// A virtual radio on a pseudo-terminal: the programming software opens devicePath() as its serial port and
// talks to a RadioProtocol. Runs on its own thread (start/stop) or is polled by its owner's loop (poll).
#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "radio-sim/radio_protocol.h"

namespace zrt::sim {

struct LineFaults {
    bool splitReplies = false;  // each reply byte written on its own, with splitGapMicros between
    int splitGapMicros = 500;
    // Each byte takes as long as at 9600 baud, 8N1, both ways: a frame from the program is taken only once
    // its last byte would have arrived, and every reply byte appears when it would have been sent.
    bool pace9600 = false;
    int closeAfter = -1;  // the pty is closed after this many replies, as if the cable were pulled; -1 never
};

// The radio's power switch. A radio that is off hears nothing and says nothing; switching it off ends
// its programming mode.
struct PowerPlan {
    int onAfterMs = 0;           // off until this long after open()
    bool offAfterWrite = false;  // its owner switches it off once the program has let go of it after a write
    int offAfterQuietMs = 1000;  // ... that is, once the line has been quiet this long after the write's end
};

class VirtualRadio {
  public:
    explicit VirtualRadio(RadioBehaviour behaviour = {}, LineFaults faults = {}, PowerPlan power = {});
    ~VirtualRadio();
    VirtualRadio(const VirtualRadio&) = delete;
    VirtualRadio& operator=(const VirtualRadio&) = delete;

    // Creates the pseudo-terminal. False (with a reason in error()) when the system refuses.
    bool open();
    const std::string& devicePath() const { return path_; }
    const std::string& error() const { return error_; }

    // Answers on a thread of its own until stop() (or the destructor).
    bool start();
    void stop();
    // For a single-threaded owner: waits up to timeoutMs for bytes and answers them. False once closed.
    bool poll(int timeoutMs);
    bool closed() const { return closed_; }

    // Thread-safe views of the radio.
    RadioProtocol::Memory memory() const;
    void setMemory(const RadioProtocol::Memory& memory);
    std::vector<ReceivedFrame> frames() const;
    int replies() const;
    bool programming() const;
    // The power switch (thread-safe); the radio is on unless a PowerPlan says otherwise.
    void setPowered(bool on);
    bool powered() const { return powered_; }
    // Bytes taken from and written to the line so far (all of them, noise and garbage included).
    std::size_t bytesIn() const { return bytesIn_; }
    std::size_t bytesOut() const { return bytesOut_; }
    // For each frame that followed a reply: microseconds from the reply's last byte written to the frame's
    // first bytes read, the other side's turnaround (its own time and the line's transit both ways).
    std::vector<double> turnaroundMicros() const;

    // The memory to and from a *.dat data file; false with a reason in error() on failure.
    bool loadDataFile(const std::string& path);
    bool saveDataFile(const std::string& path);

  private:
    bool writeReply(const Bytes& reply);
    bool writeSome(const std::uint8_t* data, std::size_t size);
    // Where the line's receive and send sides are busy until, for the pacing.
    using Clock = std::chrono::steady_clock;
    Clock::time_point occupy(Clock::time_point& busyUntil, std::size_t bytes);
    void closePty();

    mutable std::mutex mutex_;
    RadioProtocol protocol_;
    LineFaults faults_;
    PowerPlan power_;
    std::atomic<bool> powered_{true};
    bool writtenSinceOn_ = false;
    Clock::time_point onAt_{};   // when a radio still off is switched on
    Clock::time_point offAt_{};  // when a written radio is switched off
    int master_ = -1;
    int slave_ = -1;  // held open so the line stays up while the program opens and closes its side
    std::string path_;
    std::string error_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> closed_{false};
    std::atomic<std::size_t> bytesIn_{0};
    std::atomic<std::size_t> bytesOut_{0};
    Clock::time_point replyEnd_{};  // while a reply waits for the next frame
    std::vector<double> turnarounds_;
    Clock::time_point receiveBusy_{};
    Clock::time_point sendBusy_{};
    std::thread thread_;
};

}  // namespace zrt::sim

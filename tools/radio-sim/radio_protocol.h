// The radio's side of the programming protocol, without any I/O: bytes from the programming software go in,
// the radio's replies come out. Answers from a 3072-byte memory, and misbehaves on request.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zrt::sim {

using Bytes = std::vector<std::uint8_t>;

struct RadioBehaviour {
    std::string model = "QMX274";  // the identification's first six bytes
    std::uint8_t bandCode = 0;     // the identification's seventh byte
    int silentAfter = -1;          // replies given before the radio falls silent for good; -1 never
    int garbageBefore = -1;        // the reply (counted from 1) that gets garbage in front of it; -1 none
    Bytes garbage{0x11, 0x5A, 0x33};
    int replacedReply = -1;  // the reply (counted from 1) sent as `replacement` instead; -1 none
    Bytes replacement{};
    // A faulty memory: the data block written to this address is acknowledged but not stored; -1 none.
    int dropBlock = -1;
    // What a read block holds past the memory's end (the last block the software reads runs beyond it).
    std::uint8_t pastMemory = 0xFF;
};

// A frame the radio understood, for tests and the log.
struct ReceivedFrame {
    enum class Kind { Program, Identify, Ack, Read, Write, End };
    Kind kind;
    std::size_t address = 0;  // Read and Write
    friend bool operator==(const ReceivedFrame&, const ReceivedFrame&) = default;
};

const char* kindName(ReceivedFrame::Kind kind);

class RadioProtocol {
  public:
    static constexpr std::size_t kMemorySize = 3072;
    using Memory = std::array<std::uint8_t, kMemorySize>;

    explicit RadioProtocol(RadioBehaviour behaviour = {});

    // Bytes from the programming software, in any pieces; returns the replies they complete, one per frame.
    std::vector<Bytes> feed(std::span<const std::uint8_t> bytes);

    Memory& memory() { return memory_; }
    const Memory& memory() const { return memory_; }
    const std::vector<ReceivedFrame>& frames() const { return frames_; }
    int replies() const { return replies_; }
    // Between a program request and the 'E' that ends it; a radio left there waits until switched off.
    bool programming() const { return programming_; }
    // Power off: the programming mode ends, and a frame half received is forgotten.
    void switchOff() {
        programming_ = false;
        pending_.clear();
    }
    bool silent() const { return behaviour_.silentAfter >= 0 && replies_ >= behaviour_.silentAfter; }

  private:
    // The reply to the frame at the start of pending_, consuming it; false when more bytes are needed.
    bool takeFrame(Bytes& reply);
    Bytes dataReply(std::size_t address) const;

    RadioBehaviour behaviour_;
    Memory memory_;
    Bytes pending_;
    bool programming_ = false;
    int replies_ = 0;
    std::vector<ReceivedFrame> frames_;
};

}  // namespace zrt::sim

// A radio in memory and a runner that drives a transfer against it, for the protocol tests. The runner
// delivers the radio's replies through the receive threshold, cut as a test asks: whole frames, single bytes
// or random pieces, and ticks the watchdog only while the line is quiet.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "link/actions.h"
#include "link/frames.h"
#include "link/receive_buffer.h"

namespace zrt::testing {

using link::Bytes;

// The radio's side of the protocol, frame by frame (each Send of the program is one frame).
class ScriptedRadio {
  public:
    static constexpr std::size_t kMemorySize = 0xC30;  // 0x0C00..0x0C2F answer whatever lies there

    std::string model = "QMX274";
    std::uint8_t bandCode = 0;
    int silentAfter = -1;  // replies given before the radio falls silent; -1 never
    // Replaces the reply to the n-th frame (0-based) when it returns a value.
    std::function<std::optional<Bytes>(const Bytes& frame, int index)> overrideReply;
    std::array<std::uint8_t, kMemorySize> memory{};

    std::vector<Bytes> framesReceived;

    // The reply to one frame of the program; empty when the radio says nothing.
    Bytes answer(const Bytes& frame) {
        const int index = static_cast<int>(framesReceived.size());
        framesReceived.push_back(frame);
        Bytes reply = naturalReply(frame);
        if (overrideReply) {
            if (auto r = overrideReply(frame, index)) reply = *r;
        }
        if (reply.empty()) return reply;
        if (silentAfter >= 0 && replies_ >= silentAfter) return {};
        ++replies_;
        return reply;
    }

  private:
    Bytes naturalReply(const Bytes& frame) {
        if (frame == link::programRequest()) {
            programming_ = true;
            return {link::kAck};
        }
        if (!programming_ || frame.empty()) return {};
        const std::size_t address = frame.size() >= 3 ? (std::size_t{frame[1]} << 8) | frame[2] : 0;
        switch (frame[0]) {
            case link::kIdentifyRequest: {
                Bytes ident(model.begin(), model.end());
                ident.push_back(bandCode);
                ident.push_back(0x00);
                return ident;
            }
            case link::kAck:
                return {link::kAck};
            case link::kEnd:
                programming_ = false;
                return {link::kAck};
            case link::kReadCommand: {
                Bytes block{link::kDataCommand, frame[1], frame[2], link::kBlockLength};
                for (std::size_t k = 0; k < link::kBlockSize; ++k)
                    block.push_back(address + k < kMemorySize ? memory[address + k] : 0xFF);
                return block;
            }
            case link::kDataCommand:
                for (std::size_t k = 0; k < link::kBlockSize && 4 + k < frame.size(); ++k)
                    if (address + k < kMemorySize) memory[address + k] = frame[4 + k];
                return {link::kAck};
            default:
                return {};
        }
    }

    bool programming_ = false;
    int replies_ = 0;
};

enum class Split { WholeFrames, SingleBytes, RandomCuts };

inline const char* splitName(Split s) {
    static constexpr const char* kNames[] = {"WholeFrames", "SingleBytes", "RandomCuts"};
    return kNames[static_cast<int>(s)];
}

struct RunResult {
    std::vector<Bytes> sent;  // every Send, in order
    link::Actions actions;    // everything the transfer asked for
    std::optional<link::Outcome> outcome;
    std::vector<link::Question> asked;  // the questions, in order
    int ticks = 0;
};

// Drives any transfer-like object (link::Transfer or RadioTransfer) with start/received/tick/answer.
class LinkRunner {
  public:
    LinkRunner(ScriptedRadio& radio, Split split, unsigned seed = 7)
        : radio_(radio), split_(split), rng_(seed) {}

    bool forceAnswer = true;
    int maxTicks = 1000;

    template <class Machine, class Start>
    RunResult run(Machine& machine, Start start) {
        RunResult result;
        process(machine, start(), result);
        while (machine.active() && result.ticks < maxTicks) {
            if (!line_.empty()) {
                const Bytes chunk = takeChunk();
                if (auto handed = buffer_.arrive(chunk)) process(machine, machine.received(*handed), result);
            } else {
                ++result.ticks;
                process(machine, machine.tick(), result);
            }
        }
        return result;
    }

  private:
    template <class Machine>
    void process(Machine& machine, const link::Actions& actions, RunResult& result) {
        bool ask = false;
        for (const link::Action& a : actions) {
            result.actions.push_back(a);
            if (auto* s = std::get_if<link::Send>(&a)) {
                result.sent.push_back(s->bytes);
                Bytes reply = radio_.answer(s->bytes);
                line_.insert(line_.end(), reply.begin(), reply.end());
                if (!reply.empty()) frameEnds_.push_back(consumed_ + line_.size());
            } else if (auto* t = std::get_if<link::SetThreshold>(&a)) {
                buffer_.setThreshold(t->bytes);
            } else if (auto* f = std::get_if<link::Finished>(&a)) {
                result.outcome = f->outcome;
            } else if (auto* q = std::get_if<link::AskForceQuestion>(&a)) {
                ask = true;
                result.asked.push_back(q->question);
            }
        }
        if (ask) {
            process(machine, machine.answerForceQuestion(forceAnswer), result);
        }
    }

    Bytes takeChunk() {
        std::size_t n = 1;
        switch (split_) {
            case Split::WholeFrames:
                n = frameEnds_.empty() ? line_.size() : frameEnds_.front() - consumed_;
                break;
            case Split::SingleBytes:
                n = 1;
                break;
            case Split::RandomCuts:
                n = std::uniform_int_distribution<std::size_t>(1, line_.size())(rng_);
                break;
        }
        Bytes chunk(line_.begin(), line_.begin() + static_cast<std::ptrdiff_t>(n));
        line_.erase(line_.begin(), line_.begin() + static_cast<std::ptrdiff_t>(n));
        consumed_ += n;
        while (!frameEnds_.empty() && frameEnds_.front() <= consumed_)
            frameEnds_.pop_front();
        return chunk;
    }

    ScriptedRadio& radio_;
    Split split_;
    std::mt19937 rng_;
    link::ReceiveBuffer buffer_;
    std::deque<std::uint8_t> line_;
    std::deque<std::size_t> frameEnds_;  // positions (counted from the first byte ever) where replies end
    std::size_t consumed_ = 0;
};

}  // namespace zrt::testing

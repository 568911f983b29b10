// The virtual radio's protocol at the far end of a line, and a runner that drives a transfer against it. The
// line delivers the radio's replies through the receive threshold, cut as a test asks: whole replies, single
// bytes or random pieces; the runner ticks the watchdog only while the line is quiet.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <random>
#include <vector>

#include "link/actions.h"
#include "link/frames.h"
#include "link/receive_buffer.h"
#include "radio-sim/radio_protocol.h"

namespace zrt::testing {

using link::Bytes;

enum class Split { WholeFrames, SingleBytes, RandomCuts };

inline const char* splitName(Split s) {
    static constexpr const char* kNames[] = {"WholeFrames", "SingleBytes", "RandomCuts"};
    return kNames[static_cast<int>(s)];
}

// The serial line with whichever radio is switched on at its other end; with none, what is sent is lost.
class Line {
  public:
    explicit Line(sim::RadioProtocol* radio = nullptr, Split split = Split::WholeFrames, unsigned seed = 7)
        : radio(radio), split_(split), rng_(seed) {}

    sim::RadioProtocol* radio;

    // One frame of the program (each Send is one); the radio's replies queue up on the line.
    void send(const Bytes& frame) {
        if (!radio) return;
        for (const Bytes& reply : radio->feed(frame)) {
            if (reply.empty()) continue;
            line_.insert(line_.end(), reply.begin(), reply.end());
            frameEnds_.push_back(consumed_ + line_.size());
        }
    }
    void setThreshold(int bytes) { buffer_.setThreshold(bytes); }
    bool quiet() const { return line_.empty(); }
    // Takes the next piece off the line; returns what the port hands on once its threshold is reached.
    std::optional<Bytes> arrive() { return buffer_.arrive(takeChunk()); }

  private:
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

    Split split_;
    std::mt19937 rng_;
    link::ReceiveBuffer buffer_;
    std::deque<std::uint8_t> line_;
    std::deque<std::size_t> frameEnds_;  // positions (counted from the first byte ever) where replies end
    std::size_t consumed_ = 0;
};

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
    LinkRunner(sim::RadioProtocol& radio, Split split, unsigned seed = 7) : line_(&radio, split, seed) {}

    bool forceAnswer = true;
    int maxTicks = 1000;

    template <class Machine, class Start>
    RunResult run(Machine& machine, Start start) {
        RunResult result;
        process(machine, start(), result);
        while (machine.active() && result.ticks < maxTicks) {
            if (!line_.quiet()) {
                if (auto handed = line_.arrive()) process(machine, machine.received(*handed), result);
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
                line_.send(s->bytes);
            } else if (auto* t = std::get_if<link::SetThreshold>(&a)) {
                line_.setThreshold(t->bytes);
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

    Line line_;
};

}  // namespace zrt::testing

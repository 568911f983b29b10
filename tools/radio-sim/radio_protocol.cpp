#include "radio-sim/radio_protocol.h"

#include <algorithm>
#include <string_view>

namespace zrt::sim {

namespace {

constexpr std::string_view kProgram = "PROGRAM";
constexpr std::uint8_t kAck = 0x06;
constexpr std::size_t kBlock = 16;

std::size_t addressOf(const Bytes& b) {
    return (std::size_t{b[1]} << 8) | b[2];
}

}  // namespace

const char* kindName(ReceivedFrame::Kind kind) {
    switch (kind) {
        case ReceivedFrame::Kind::Program:
            return "PROGRAM";
        case ReceivedFrame::Kind::Identify:
            return "identify";
        case ReceivedFrame::Kind::Ack:
            return "ack";
        case ReceivedFrame::Kind::Read:
            return "read";
        case ReceivedFrame::Kind::Write:
            return "write";
        case ReceivedFrame::Kind::End:
            return "end";
    }
    return "?";
}

RadioProtocol::RadioProtocol(RadioBehaviour behaviour) : behaviour_(std::move(behaviour)) {
    memory_.fill(0xFF);
}

std::vector<Bytes> RadioProtocol::feed(std::span<const std::uint8_t> bytes) {
    std::vector<Bytes> replies;
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    Bytes reply;
    // A silent radio still takes in what arrives (so a test can see what was sent), it only never answers.
    while (takeFrame(reply)) {
        if (reply.empty() || silent()) continue;
        ++replies_;
        if (replies_ == behaviour_.replacedReply) reply = behaviour_.replacement;
        if (replies_ == behaviour_.garbageBefore)
            reply.insert(reply.begin(), behaviour_.garbage.begin(), behaviour_.garbage.end());
        replies.push_back(std::move(reply));
        reply.clear();
    }
    return replies;
}

bool RadioProtocol::takeFrame(Bytes& reply) {
    reply.clear();
    if (pending_.empty()) return false;
    auto consume = [this](std::size_t n) {
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(n));
    };

    // A program request starts a session at any time (also after a transfer that ended without 'E').
    if (pending_[0] == kProgram[0]) {
        const std::size_t n = std::min(pending_.size(), kProgram.size());
        if (std::equal(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(n),
                       kProgram.begin())) {
            if (n < kProgram.size()) return false;
            consume(n);
            programming_ = true;
            frames_.push_back({ReceivedFrame::Kind::Program});
            reply = {kAck};
            return true;
        }
    }
    if (!programming_) {
        consume(1);
        return true;
    }
    switch (pending_[0]) {
        case 0x02: {
            consume(1);
            frames_.push_back({ReceivedFrame::Kind::Identify});
            reply.assign(behaviour_.model.begin(), behaviour_.model.end());
            reply.resize(6, ' ');
            reply.push_back(behaviour_.bandCode);
            reply.push_back(0x00);
            return true;
        }
        case kAck:
            consume(1);
            frames_.push_back({ReceivedFrame::Kind::Ack});
            reply = {kAck};
            return true;
        case 'E':
            consume(1);
            frames_.push_back({ReceivedFrame::Kind::End});
            programming_ = false;
            reply = {kAck};
            return true;
        case 'R': {
            if (pending_.size() < 4) return false;
            const std::size_t address = addressOf(pending_);
            consume(4);
            frames_.push_back({ReceivedFrame::Kind::Read, address});
            reply = dataReply(address);
            return true;
        }
        case 'W': {
            if (pending_.size() < 4 + kBlock) return false;
            const std::size_t address = addressOf(pending_);
            const bool dropped = behaviour_.dropBlock >= 0 && address == std::size_t(behaviour_.dropBlock);
            for (std::size_t k = 0; k < kBlock && !dropped; ++k)
                if (address + k < kMemorySize) memory_[address + k] = pending_[4 + k];
            consume(4 + kBlock);
            frames_.push_back({ReceivedFrame::Kind::Write, address});
            reply = {kAck};
            return true;
        }
        default:
            consume(1);  // noise on the line
            return true;
    }
}

Bytes RadioProtocol::dataReply(std::size_t address) const {
    Bytes reply{'W', static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address & 0xFF),
                0x10};
    for (std::size_t k = 0; k < kBlock; ++k)
        reply.push_back(address + k < kMemorySize ? memory_[address + k] : behaviour_.pastMemory);
    return reply;
}

}  // namespace zrt::sim

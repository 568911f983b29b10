// Radio memories for the serial tests: a deterministic pattern, and what the program keeps of a memory.
#pragma once

#include <algorithm>
#include <cstdint>

#include "radio-sim/radio_protocol.h"
#include "session/session.h"

namespace zrt::testing_support {

inline sim::RadioProtocol::Memory patterned(unsigned seed) {
    sim::RadioProtocol::Memory m;
    std::uint32_t x = seed;
    for (auto& b : m) {
        x = x * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(x >> 16);
    }
    return m;
}

// A radio's memory as the program keeps it: its decode and encode in a fresh program (a fixed point of both).
inline sim::RadioProtocol::Memory asTheProgramKeepsIt(const sim::RadioProtocol::Memory& raw) {
    Session s;
    MemoryImage in;
    std::copy(raw.begin(), raw.end(), in.bytes().begin());
    s.decode(in);
    s.encode();
    sim::RadioProtocol::Memory m;
    std::copy_n(s.imageOut().bytes().begin(), m.size(), m.begin());
    return m;
}

}  // namespace zrt::testing_support

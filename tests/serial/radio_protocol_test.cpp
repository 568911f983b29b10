// The virtual radio's protocol engine, which the serial tests and the standalone simulator rely on.
#include "radio-sim/radio_protocol.h"

#include <gtest/gtest.h>

#include <string_view>

namespace zrt::sim {
namespace {

Bytes ascii(std::string_view s) {
    return Bytes(s.begin(), s.end());
}

Bytes feedAll(RadioProtocol& radio, const Bytes& bytes, bool oneByOne) {
    Bytes out;
    auto collect = [&](const std::vector<Bytes>& replies) {
        for (const Bytes& r : replies)
            out.insert(out.end(), r.begin(), r.end());
    };
    if (oneByOne) {
        for (std::uint8_t b : bytes)
            collect(radio.feed(std::span(&b, 1)));
    } else {
        collect(radio.feed(bytes));
    }
    return out;
}

TEST(RadioProtocol, AnswersFramesInAnyPieces) {
    for (bool oneByOne : {false, true}) {
        SCOPED_TRACE(oneByOne ? "one byte at a time" : "whole");
        RadioBehaviour b;
        b.bandCode = 3;
        RadioProtocol radio(b);
        radio.memory()[0xBFF] = 0x42;
        Bytes program = ascii("xxPROGRAM");  // noise before a session is ignored
        EXPECT_EQ(feedAll(radio, program, oneByOne), Bytes{0x06});
        EXPECT_EQ(feedAll(radio, {0x02}, oneByOne), (Bytes{'Q', 'M', 'X', '2', '7', '4', 3, 0}));
        Bytes write{'W', 0x0B, 0xF0, 0x10};
        write.insert(write.end(), 16, 0x99);
        EXPECT_EQ(feedAll(radio, write, oneByOne), Bytes{0x06});
        Bytes expected{'W', 0x0B, 0xF0, 0x10};
        expected.insert(expected.end(), 16, 0x99);
        EXPECT_EQ(feedAll(radio, {'R', 0x0B, 0xF0, 0x10}, oneByOne), expected);
        // Past the memory: read as 0xFF, writes dropped.
        Bytes past{'W', 0x0C, 0x00, 0x10};
        past.insert(past.end(), 16, 0x00);
        EXPECT_EQ(feedAll(radio, past, oneByOne), Bytes{0x06});
        Bytes ff{'W', 0x0C, 0x00, 0x10};
        ff.insert(ff.end(), 16, 0xFF);
        EXPECT_EQ(feedAll(radio, {'R', 0x0C, 0x00, 0x10}, oneByOne), ff);
        EXPECT_EQ(feedAll(radio, {'E'}, oneByOne), Bytes{0x06});
        EXPECT_EQ(feedAll(radio, {'E'}, oneByOne), Bytes{});  // the session is over
        EXPECT_EQ(radio.frames().back(), ReceivedFrame{ReceivedFrame::Kind::End});
    }
}

TEST(RadioProtocol, Faults) {
    RadioBehaviour silent;
    silent.silentAfter = 2;
    RadioProtocol quiet(silent);
    EXPECT_EQ(feedAll(quiet, ascii("PROGRAM"), false), Bytes{0x06});
    EXPECT_EQ(feedAll(quiet, {0x02}, false).size(), 8u);
    EXPECT_EQ(feedAll(quiet, {0x06}, false), Bytes{});
    EXPECT_EQ(feedAll(quiet, {'E'}, false), Bytes{});
    EXPECT_EQ(quiet.frames().back(), ReceivedFrame{ReceivedFrame::Kind::End});  // still heard

    RadioBehaviour garbage;
    garbage.garbageBefore = 2;
    RadioProtocol noisy(garbage);
    EXPECT_EQ(feedAll(noisy, ascii("PROGRAM"), false), Bytes{0x06});
    const Bytes ident = feedAll(noisy, {0x02}, false);
    EXPECT_EQ(Bytes(ident.begin(), ident.begin() + 3), garbage.garbage);
    EXPECT_EQ(ident.size(), 11u);
}

}  // namespace
}  // namespace zrt::sim

// A radio may fall silent after any of its replies. Wherever it does, the transfer ends with the
// communication error and 'E', a read leaves the configuration and ImageOut as they were (the decode runs
// only after the radio acknowledged the end), and a write leaves the configuration and ImageIn alone, having
// encoded the configuration into ImageOut before its first block.
#include <gtest/gtest.h>

#include <algorithm>

#include "link/link_harness.h"
#include "session/radio_transfer.h"
#include "session/session.h"
#include "support/generators.h"

namespace zrt {
namespace {

using link::Bytes;
using link::Outcome;
using testing::LinkRunner;
using testing::RunResult;
using testing::Split;
using testing_support::encoded;

// Replies of a complete exchange: the program request, the identification and its acknowledgement, then a
// read's 193 blocks with an acknowledgement each and the acknowledgement of 'E'; a write's 193 frames.
constexpr int kReadReplies = 3 + 2 * 193 + 1;
constexpr int kWriteReplies = 3 + 193;

// The program holds a configuration of its own before the transfer.
Session programWithItsOwnConfiguration() {
    Session s;
    MemoryImage in = testing_support::patternedImage(3);
    in.set(0x716, 0);  // the band of the virtual radio's identification
    s.decode(in);
    MemoryImage out;
    out.fill(0x3C);
    s.setImageOut(out);
    return s;
}

TEST(SilenceAnywhere, OnlyACompletedReadChangesTheProgram) {
    const Session start = programWithItsOwnConfiguration();
    const MemoryImage configBefore = encoded(start.config());
    for (bool write : {false, true}) {
        const int replies = write ? kWriteReplies : kReadReplies;
        for (int silentAfter = 0; silentAfter <= replies; ++silentAfter) {
            SCOPED_TRACE(::testing::Message()
                         << (write ? "write" : "read") << ", silent after " << silentAfter);
            Session session = start;
            sim::RadioProtocol radio({.silentAfter = silentAfter});
            testing_support::fillPattern(radio.memory(), 13);
            RadioTransfer& transfer = session.transfer();
            LinkRunner runner(radio, Split::RandomCuts, static_cast<unsigned>(silentAfter));
            const RunResult r =
                runner.run(transfer, [&] { return write ? transfer.startWrite() : transfer.startRead(); });

            const bool completed = silentAfter == replies;
            ASSERT_FALSE(transfer.active());
            ASSERT_FALSE(r.sent.empty());
            EXPECT_EQ(r.sent.back(), Bytes{'E'});
            ASSERT_EQ(r.outcome, completed ? Outcome::Succeeded : Outcome::TimedOut);
            // The watchdog gives up on the eleventh quiet tick and leaves the line at single bytes.
            EXPECT_EQ(r.ticks, completed ? 0 : 11);
            EXPECT_TRUE(completed || std::get<link::SetThreshold>(*(r.actions.end() - 2)).bytes == 1);
            if (write) {
                // Frames went out only after the identification was accepted, one per acknowledgement; the
                // 125th and 126th are single acknowledgements in place of the calibration blocks.
                const int frames = std::clamp(silentAfter - 2, 0, 193);
                const int blocks = frames - std::clamp(frames - 124, 0, 2);
                EXPECT_EQ(std::count_if(r.sent.begin(), r.sent.end(),
                                        [](const Bytes& f) { return f.size() == 20; }),
                          blocks);
                EXPECT_EQ(session.imageIn(), start.imageIn());
                MemoryImage out = start.imageOut();
                encodeImage(start.config(), out);
                EXPECT_EQ(session.imageOut(), out);
            } else {
                EXPECT_EQ(session.imageOut(), start.imageOut());
            }
            if (write || !completed) {
                ASSERT_EQ(encoded(session.config()), configBefore);
            } else {
                Session fresh = start;
                MemoryImage in;
                std::copy(radio.memory().begin(), radio.memory().end(), in.bytes().begin());
                in.set(3072, 0xFF);  // the last block reaches past the radio's memory
                fresh.decode(in);
                EXPECT_EQ(encoded(session.config()), encoded(fresh.config()));
            }
        }
    }
}

}  // namespace
}  // namespace zrt

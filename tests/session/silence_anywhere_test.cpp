// A radio may fall silent after any of its replies. Wherever it does, the transfer ends with the
// communication error and 'E', a read leaves the configuration and ImageOut as they were (the decode runs
// only after the radio acknowledged the end), and a write leaves the configuration and ImageIn alone.
#include <gtest/gtest.h>

#include <algorithm>

#include "link/link_harness.h"
#include "mapping/image_transfer.h"
#include "session/radio_transfer.h"
#include "session/session.h"

namespace zrt {
namespace {

using link::Bytes;
using link::Outcome;
using testing::LinkRunner;
using testing::RunResult;
using testing::ScriptedRadio;
using testing::Split;

// Replies of a complete exchange: the program request, the identification and its acknowledgement, then a
// read's 193 blocks with an acknowledgement each and the acknowledgement of 'E'; a write's 193 frames.
constexpr int kReadReplies = 3 + 2 * 193 + 1;
constexpr int kWriteReplies = 3 + 193;

MemoryImage encoded(const Configuration& config) {
    MemoryImage image;
    encodeImage(config, image);
    return image;
}

// The program holds a configuration of its own before the transfer.
Session programWithItsOwnConfiguration() {
    Session s;
    MemoryImage in, out;
    for (std::size_t a = 0; a < MemoryImage::kSize; ++a)
        in.set(a, static_cast<std::uint8_t>(a * 7 + 3));
    in.set(0x716, 0);  // the band of the scripted radio's identification
    s.decode(in);
    out.fill(0x3C);
    s.setImageOut(out);
    return s;
}

void fillRadio(ScriptedRadio& radio) {
    for (std::size_t a = 0; a < radio.memory.size(); ++a)
        radio.memory[a] = static_cast<std::uint8_t>(a * 13 + 1);
}

TEST(SilenceAnywhere, AReadChangesTheConfigurationOnlyWhenItCompletes) {
    const Session start = programWithItsOwnConfiguration();
    const MemoryImage configBefore = encoded(start.config());
    for (int silentAfter = 0; silentAfter <= kReadReplies; ++silentAfter) {
        SCOPED_TRACE(silentAfter);
        Session session = start;
        ScriptedRadio radio;
        fillRadio(radio);
        radio.silentAfter = silentAfter;
        RadioTransfer& transfer = session.transfer();
        LinkRunner runner(radio, Split::RandomCuts, static_cast<unsigned>(silentAfter));
        const RunResult r = runner.run(transfer, [&] { return transfer.startRead(); });

        ASSERT_FALSE(transfer.active());
        ASSERT_FALSE(r.sent.empty());
        EXPECT_EQ(r.sent.back(), Bytes{'E'});
        EXPECT_EQ(session.imageOut(), start.imageOut());
        if (silentAfter < kReadReplies) {
            ASSERT_EQ(r.outcome, Outcome::TimedOut);
            ASSERT_EQ(encoded(session.config()), configBefore);
        } else {
            ASSERT_EQ(r.outcome, Outcome::Succeeded);
            Session fresh = start;
            MemoryImage in;
            std::copy_n(radio.memory.begin(), MemoryImage::kSize, in.bytes().begin());
            fresh.decode(in);
            EXPECT_EQ(encoded(session.config()), encoded(fresh.config()));
        }
    }
}

TEST(SilenceAnywhere, AWriteLeavesTheProgramAsItWas) {
    const Session start = programWithItsOwnConfiguration();
    const MemoryImage configBefore = encoded(start.config());
    for (int silentAfter = 0; silentAfter <= kWriteReplies; ++silentAfter) {
        SCOPED_TRACE(silentAfter);
        Session session = start;
        ScriptedRadio radio;
        radio.silentAfter = silentAfter;
        RadioTransfer& transfer = session.transfer();
        LinkRunner runner(radio, Split::RandomCuts, static_cast<unsigned>(silentAfter));
        const RunResult r = runner.run(transfer, [&] { return transfer.startWrite(); });

        ASSERT_FALSE(transfer.active());
        EXPECT_EQ(r.sent.back(), Bytes{'E'});
        ASSERT_EQ(r.outcome, silentAfter < kWriteReplies ? Outcome::TimedOut : Outcome::Succeeded);
        // Frames went out only after the identification was accepted, one per acknowledgement; the 125th and
        // 126th are single acknowledgements in place of the calibration blocks.
        const int frames = std::clamp(silentAfter - 2, 0, 193);
        const int blocks = frames - std::clamp(frames - 124, 0, 2);
        EXPECT_EQ(std::count_if(r.sent.begin(), r.sent.end(), [](const Bytes& f) { return f.size() == 20; }),
                  blocks);
        EXPECT_EQ(session.imageIn(), start.imageIn());
        EXPECT_EQ(encoded(session.config()), configBefore);
    }
}

}  // namespace
}  // namespace zrt

#include "session/radio_transfer.h"

#include <gtest/gtest.h>

#include "link/link_harness.h"
#include "session/session.h"
#include "transfer/image_transfer.h"

namespace zrt {
namespace {

using link::Bytes;
using link::Outcome;
using testing::LinkRunner;
using testing::RunResult;
using testing::ScriptedRadio;
using testing::Split;

RunResult run(RadioTransfer& transfer, ScriptedRadio& radio, bool write) {
    LinkRunner runner(radio, Split::RandomCuts);
    return runner.run(transfer, [&] { return write ? transfer.startWrite() : transfer.startRead(); });
}

TEST(RadioTransfer, WriteEncodesTheConfigurationBeforeTheFirstBlock) {
    Session session;
    session.imageOut.fill(0x00);
    MemoryImage expected;
    encodeImage(session.config, expected);

    RadioTransfer transfer(session);
    const link::Actions first = transfer.startWrite();
    EXPECT_EQ(first, (link::Actions{link::Send{link::programRequest()}}));
    EXPECT_EQ(session.imageOut, expected);

    ScriptedRadio radio;
    const RunResult r = run(transfer, radio, true);
    EXPECT_EQ(r.outcome, Outcome::Succeeded);
    for (std::size_t a = 0; a < 0x7C0; ++a)
        ASSERT_EQ(radio.memory[a], expected[a]);
}

TEST(RadioTransfer, WriteTakesTheBandListAndTheServiceFlags) {
    struct Case {
        int listIndex;
        bool crossBand, calib;
        std::uint8_t radioBand;
        Outcome outcome;
        int questions;
        std::size_t frames;
    };
    const Case cases[] = {
        {2, false, false, 2, Outcome::Succeeded, 0, 3 + 191 + 2 + 1},
        {2, false, true, 2, Outcome::Succeeded, 0, 3 + 193 + 1},
        {1, false, false, 2, Outcome::BandRefused, 0, 3},
        {1, true, false, 2, Outcome::Succeeded, 1, 3 + 191 + 2 + 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.listIndex);
        Session session;
        session.config.band.listIndex = c.listIndex;
        session.config.service.crossBandWrite = c.crossBand;
        session.config.service.calibWrite = c.calib;
        RadioTransfer transfer(session);
        ScriptedRadio radio;
        radio.bandCode = c.radioBand;
        const RunResult r = run(transfer, radio, true);
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_EQ(r.questions, c.questions);
        EXPECT_EQ(r.sent.size(), c.frames);
        EXPECT_FALSE(transfer.active());
    }
}

TEST(RadioTransfer, OnlyACompleteReadReachesTheConfiguration) {
    for (int silentAfter : {-1, 0, 5, 190}) {
        SCOPED_TRACE(silentAfter);
        Session session;
        MemoryImage encodedBefore;
        encodeImage(session.config, encodedBefore);

        ScriptedRadio radio;
        radio.silentAfter = silentAfter;
        for (std::size_t a = 0; a < radio.memory.size(); ++a)
            radio.memory[a] = static_cast<std::uint8_t>(a % 200);
        RadioTransfer transfer(session);
        const RunResult r = run(transfer, radio, false);

        const bool decoded =
            std::count(r.actions.begin(), r.actions.end(), link::Action{link::DecodeImageIn{}}) == 1;
        if (silentAfter < 0) {
            EXPECT_EQ(r.outcome, Outcome::Succeeded);
            EXPECT_TRUE(decoded);
            for (std::size_t a = 0; a <= 3072; ++a)
                ASSERT_EQ(session.imageIn[a], radio.memory[a]);
        } else {
            EXPECT_EQ(r.outcome, Outcome::TimedOut);
            EXPECT_FALSE(decoded);
            MemoryImage encodedAfter;
            encodeImage(session.config, encodedAfter);
            EXPECT_EQ(encodedAfter, encodedBefore);
        }
    }
}

}  // namespace
}  // namespace zrt

#include "session/radio_transfer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "link/link_harness.h"
#include "mapping/image_transfer.h"
#include "session/session.h"
#include "session/write_verification.h"

namespace zrt {
namespace {

using link::Bytes;
using link::Outcome;
using testing::LinkRunner;
using testing::RunResult;
using testing::ScriptedRadio;
using testing::Split;

RunResult run(RadioTransfer& transfer, ScriptedRadio& radio, bool write,
              RadioTransfer::WriteImage image = RadioTransfer::WriteImage::Encoded) {
    LinkRunner runner(radio, Split::RandomCuts);
    return runner.run(transfer, [&] { return write ? transfer.startWrite(image) : transfer.startRead(); });
}

TEST(RadioTransfer, WriteEncodesTheConfigurationBeforeTheFirstBlock) {
    Session session;
    session.setImageOut(MemoryImage{});
    MemoryImage expected;
    encodeImage(session.config(), expected);

    RadioTransfer& transfer = session.transfer();
    const link::Actions first = transfer.startWrite();
    EXPECT_EQ(first, (link::Actions{link::Send{link::programRequest()}}));
    EXPECT_EQ(session.imageOut(), expected);

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
        bool calibKnown = true;  // the values were read, opened or moved by the user
    };
    const Case cases[] = {
        {2, false, false, 2, Outcome::Succeeded, 0, 3 + 191 + 2 + 1},
        {2, false, true, 2, Outcome::Succeeded, 0, 3 + 193 + 1},
        {2, false, true, 2, Outcome::Succeeded, 1, 3 + 193 + 1, false},  // asked first (answered Yes)
        {2, false, false, 2, Outcome::Succeeded, 0, 3 + 191 + 2 + 1, false},
        {1, false, false, 2, Outcome::BandRefused, 0, 3},
        {1, true, false, 2, Outcome::Succeeded, 1, 3 + 191 + 2 + 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.listIndex);
        Session session;
        session.edit(Change::everything(), [&](Configuration& c_) { c_.calib.known = c.calibKnown; });
        session.edit(Change::everything(), [&](Configuration& c_) { c_.band.listIndex = c.listIndex; });
        session.edit(Change::everything(),
                     [&](Configuration& c_) { c_.service.crossBandWrite = c.crossBand; });
        session.edit(Change::everything(), [&](Configuration& c_) { c_.service.calibWrite = c.calib; });
        RadioTransfer& transfer = session.transfer();
        ScriptedRadio radio;
        radio.bandCode = c.radioBand;
        const RunResult r = run(transfer, radio, true);
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_EQ(r.questions, c.questions);
        EXPECT_EQ(r.sent.size(), c.frames);
        EXPECT_FALSE(transfer.active());
    }
}

// A backup restored as it is: every block the protocol writes carries ImageOut's bytes, including those the
// encode would set (0x680.., 0x710..) or never set (0x792..0x79F, 0xC00); the band check and the service
// flags work as for any write.
TEST(RadioTransfer, AWriteAsItIsSendsImageOutWithoutTheEncode) {
    using WriteImage = RadioTransfer::WriteImage;
    struct Case {
        const char* name;
        WriteImage image;
        bool calib;
        std::uint8_t radioBand;
        Outcome outcome;
    };
    const Case cases[] = {
        {"as it is", WriteImage::AsItIs, false, 1, Outcome::Succeeded},
        {"as it is, calibration", WriteImage::AsItIs, true, 1, Outcome::Succeeded},
        {"as it is, other band", WriteImage::AsItIs, true, 3, Outcome::BandRefused},
        {"encoded", WriteImage::Encoded, true, 1, Outcome::Succeeded},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session session;
        session.chooseBand(1, [] { return true; });
        session.edit(Change::everything(), [&](Configuration& c_) { c_.service.calibWrite = c.calib; });
        MemoryImage out;
        for (std::size_t a = 0; a < MemoryImage::kSize; ++a)
            out.set(a, static_cast<std::uint8_t>(a * 7 + 3));
        session.setImageOut(out);
        MemoryImage expected = out;
        if (c.image == WriteImage::Encoded) encodeImage(session.config(), expected);

        ScriptedRadio radio;
        radio.bandCode = c.radioBand;
        radio.memory.fill(0xAA);
        RadioTransfer& transfer = session.transfer();
        const RunResult r = run(transfer, radio, true, c.image);
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_EQ(session.imageOut(), expected);
        if (c.outcome != Outcome::Succeeded) {
            EXPECT_TRUE(
                std::all_of(radio.memory.begin(), radio.memory.end(), [](auto b) { return b == 0xAA; }));
            continue;
        }
        std::vector<bool> written(radio.memory.size(), false);
        for (std::size_t block : writtenBlocks(c.calib))
            for (std::size_t a = block; a < block + link::kBlockSize; ++a) {
                written[a] = true;
                ASSERT_EQ(radio.memory[a], a < MemoryImage::kSize ? expected[a] : 0x00) << a;
            }
        for (std::size_t a = 0; a < radio.memory.size(); ++a)
            if (!written[a]) {
                ASSERT_EQ(radio.memory[a], 0xAA) << a;
            }
    }
}

TEST(RadioTransfer, OnlyACompleteReadReachesTheConfiguration) {
    for (int silentAfter : {-1, 0, 5, 190}) {
        SCOPED_TRACE(silentAfter);
        Session session;
        MemoryImage encodedBefore;
        encodeImage(session.config(), encodedBefore);

        ScriptedRadio radio;
        radio.silentAfter = silentAfter;
        for (std::size_t a = 0; a < radio.memory.size(); ++a)
            radio.memory[a] = static_cast<std::uint8_t>(a % 200);
        RadioTransfer& transfer = session.transfer();
        const RunResult r = run(transfer, radio, false);

        const bool decoded =
            std::count(r.actions.begin(), r.actions.end(), link::Action{link::DecodeImageIn{}}) == 1;
        if (silentAfter < 0) {
            EXPECT_EQ(r.outcome, Outcome::Succeeded);
            EXPECT_TRUE(decoded);
            for (std::size_t a = 0; a <= 3072; ++a)
                ASSERT_EQ(session.imageIn()[a], radio.memory[a]);
        } else {
            EXPECT_EQ(r.outcome, Outcome::TimedOut);
            EXPECT_FALSE(decoded);
            MemoryImage encodedAfter;
            encodeImage(session.config(), encodedAfter);
            EXPECT_EQ(encodedAfter, encodedBefore);
        }
    }
}

}  // namespace
}  // namespace zrt

#include "session/write_verification.h"

#include <gtest/gtest.h>

#include "link/frames.h"
#include "link/transfer.h"

namespace zrt {
namespace {

// The data blocks a write really sends to a radio that acknowledges everything.
std::vector<std::size_t> blocksSent(bool calibWrite) {
    MemoryImage out;
    link::Transfer t = link::Transfer::write(out, {0, false, calibWrite});
    std::vector<std::size_t> blocks;
    auto collect = [&](const link::Actions& actions) {
        for (const link::Action& a : actions)
            if (const auto* send = std::get_if<link::Send>(&a);
                send && send->bytes.size() == link::kDataFrameSize)
                blocks.push_back((std::size_t{send->bytes[1]} << 8) | send->bytes[2]);
    };
    collect(t.start());
    const std::vector<std::uint8_t> ack{link::kAck};
    std::vector<std::uint8_t> identification(link::kRadioModel.begin(), link::kRadioModel.end());
    identification.insert(identification.end(), {0x00, 0x00});
    collect(t.received(ack));
    collect(t.received(identification));
    while (t.active())
        collect(t.received(ack));
    return blocks;
}

TEST(WriteVerification, TheBlocksCheckedAreTheBlocksAWriteSends) {
    for (bool calib : {false, true}) {
        SCOPED_TRACE(calib);
        EXPECT_EQ(writtenBlocks(calib), blocksSent(calib));
    }
    EXPECT_EQ(writtenBlocks(false).size(), 191u);
}

TEST(WriteVerification, ReportsTheFirstDifferenceOfEachBlockWithinTheRadiosMemory) {
    MemoryImage sent, back;
    sent.fill(0x11);
    back.fill(0x11);
    back.set(0x005, 0x22);
    back.set(0x00A, 0x33);  // a second difference in the same block
    back.set(0x7C3, 0x44);  // never written
    back.set(0x7E4, 0x55);  // a calibration block
    back.set(0xBFF, 0x66);
    back.set(0xC00, 0x77);  // past the radio's memory
    WriteCheck check = checkWrite(sent, back, false);
    EXPECT_EQ(check.blocksCompared, 188);
    EXPECT_EQ(check.differences,
              (std::vector<BlockDifference>{{0x000, 0x005, 0x11, 0x22}, {0xBF0, 0xBFF, 0x11, 0x66}}));

    check = checkWrite(sent, back, true);
    EXPECT_EQ(check.blocksCompared, 190);
    ASSERT_EQ(check.differences.size(), 3u);
    EXPECT_EQ(check.differences[1], (BlockDifference{0x7E0, 0x7E4, 0x11, 0x55}));
}

}  // namespace
}  // namespace zrt

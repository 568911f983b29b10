#include "session/write_verification.h"

#include <gtest/gtest.h>

namespace zrt {
namespace {

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

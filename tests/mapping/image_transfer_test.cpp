#include "mapping/image_transfer.h"

#include <gtest/gtest.h>

#include "image/address_map.h"

namespace zrt {
namespace {

// Reserved and filler bytes the encode writes whatever the configuration holds.
TEST(ImageTransfer, EncodeRightAfterStartWritesEveryReservedByte) {
    const Configuration config = startConfiguration();
    MemoryImage out;  // all 0x00, as at program start
    encodeImage(config, out);
    const std::vector<std::pair<int, int>> reserved = {
        {0x680, 0x6FF}, {0x717, 0x717}, {0x71E, 0x71F}, {0x72D, 0x72D}, {0x72F, 0x72F}, {0x73D, 0x73D},
        {0x73F, 0x73F}, {0x744, 0x75F}, {0x7A3, 0x7A3}, {0x7A7, 0x7DF}, {0x7E9, 0x7EF}, {0x7F9, 0x7FF},
    };
    for (auto [first, last] : reserved)
        for (int a = first; a <= last; ++a)
            EXPECT_EQ(out[a], 0xFF) << std::hex << a;
    const std::string ident = "MRV-PQ";
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(out[0x710 + i], ident[i]);
    for (int a = 0x792; a <= 0x79F; ++a)
        EXPECT_EQ(out[a], 0x00) << std::hex << a;
    EXPECT_EQ(out[addr::kSpare], 0x00);
}

TEST(ImageTransfer, UntouchedBytesKeepWhatAnEarlierEncodeLeft) {
    MemoryImage out;
    out.set(0x795, 0x42);
    out.set(addr::kSpare, 0x17);
    encodeImage(startConfiguration(), out);
    EXPECT_EQ(out[0x795], 0x42);
    EXPECT_EQ(out[addr::kSpare], 0x17);
}

}  // namespace
}  // namespace zrt

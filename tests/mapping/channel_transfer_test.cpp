// Channel records and names between an image and the per-channel store: the layout pinned by literal bytes
// and the decode's own rules; the round trip of every field is the field round-trip property's.
#include "mapping/channel_transfer.h"

#include <gtest/gtest.h>

#include "config/channel_table.h"
#include "image/address_map.h"

namespace zrt {
namespace {

using Record = std::array<std::uint8_t, 13>;

void putRecord(MemoryImage& image, int n, const Record& r) {
    for (std::size_t k = 0; k < r.size(); ++k)
        image.set(addr::channelRecord(n) + k, r[k]);
}

Record getRecord(const MemoryImage& image, int n) {
    Record r{};
    for (std::size_t k = 0; k < r.size(); ++k)
        r[k] = image[addr::channelRecord(n) + k];
    return r;
}

// 145.12500 rx, 145.72500 tx, decode 67.0, encode D023N.
constexpr Record kFull{0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x57, 0x14, 0x70, 0x06, 0x23, 0x80, 0x00};

MemoryImage withRecord(int n, const Record& r) {
    MemoryImage in;
    in.fill(0xFF);
    putRecord(in, n, r);
    return in;
}

MemoryImage encoded(const Configuration& config) {
    MemoryImage out;
    encodeChannelRecords(config, out);
    return out;
}

TEST(ChannelTransfer, RecordLayoutAndTheDecodesOwnRules) {
    Record noTx = kFull;
    noTx[4] = 0xFF;  // the rest of the transmit bytes do not matter
    noTx[8] = 0xFF;  // neither does byte 9 of an Off tone
    noTx[9] = 0x12;
    Record odd = kFull;
    odd[10] = odd[11] = 0x00;  // a tone no list has: kept as its text
    Record erased = kFull;
    erased[0] = 0xFF;  // empties the channel whatever follows
    MemoryImage in = withRecord(1, kFull);
    putRecord(in, 2, noTx);
    putRecord(in, 3, odd);
    putRecord(in, 4, erased);
    Configuration config = startConfiguration();
    config.channels[3].rxFrequency = "150.00000";
    config.channels[3].busyLock = 1;
    decodeChannelRecords(in, config);
    const ChannelStore& s = config.channels;
    EXPECT_EQ(s[0].rxFrequency, "145.12500");
    EXPECT_EQ(s[0].txFrequency, "145.72500");
    EXPECT_EQ(s[0].decodeTone.text, "67.0");
    EXPECT_EQ(s[0].encodeTone.text, "D023N");
    EXPECT_EQ(s[1].txFrequency, "");
    EXPECT_EQ(s[1].decodeTone, ToneChoice{});
    EXPECT_EQ(s[2].encodeTone.text, "00.0");
    EXPECT_NE(s[2].encodeTone.position, 0);
    EXPECT_EQ(s[3], Channel{});

    const MemoryImage out = encoded(config);
    EXPECT_EQ(getRecord(out, 2),
              (Record{0x00, 0x25, 0x51, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x23, 0x80, 0x00}));
    EXPECT_EQ(getRecord(out, 3), odd);
    Record empty;
    empty.fill(0xFF);
    EXPECT_EQ(getRecord(out, 4), empty);
}

// Which bit is which of kFlagLists, from power to scramble; bits 1 and 7 (0x82) are not carried.
TEST(ChannelTransfer, FlagByte) {
    const std::uint8_t bits[] = {0x01, 0x04, 0x08, 0x10, 0x20, 0x40, 0x82};
    for (std::size_t bit = 0; bit < std::size(bits); ++bit) {
        Record r = kFull;
        r[12] = bits[bit];
        Configuration config = startConfiguration();
        decodeChannelRecords(withRecord(3, r), config);
        for (std::size_t k = 0; k < kFlagLists.size(); ++k)
            EXPECT_EQ(config.channels[2].position(kFlagLists[k]), k == bit ? 1 : 0)
                << int(bits[bit]) << " " << k;
        EXPECT_EQ(getRecord(encoded(config), 3)[12], bits[bit] & 0x7D) << int(bits[bit]);
    }
}

}  // namespace
}  // namespace zrt

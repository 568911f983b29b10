// Channel records and names between an image and the per-channel store.
#include "mapping/channel_transfer.h"

#include <gtest/gtest.h>

#include <vector>

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

Configuration decoded(const MemoryImage& in, int language = kEnglish) {
    Configuration config = startConfiguration();
    config.languageIndex = language;
    decodeChannelRecords(in, config);
    decodeChannelNames(in, config);
    return config;
}

MemoryImage encoded(const Configuration& config) {
    MemoryImage out;
    encodeChannelRecords(config, out);
    encodeChannelNames(config, out);
    return out;
}

TEST(ChannelTransfer, RecordFieldsDecode) {
    MemoryImage in;
    in.fill(0xFF);
    putRecord(in, 1, kFull);
    Record noTx = kFull;
    noTx[4] = 0xFF;  // the rest of the transmit bytes do not matter
    noTx[8] = 0xFF;  // neither does byte 9 of an Off tone
    noTx[9] = 0x12;
    putRecord(in, 2, noTx);

    const Configuration c = decoded(in);
    const ChannelStore& s = c.channels;
    EXPECT_EQ(s[0].rxFrequency, "145.12500");
    EXPECT_EQ(s[0].txFrequency, "145.72500");
    EXPECT_EQ(s[0].decodeTone.text, "67.0");
    EXPECT_EQ(s[0].encodeTone.text, "D023N");
    EXPECT_EQ(s[0].decodeTone.position, 255);
    EXPECT_EQ(s[0].encodeTone.position, 255);
    EXPECT_EQ(s[1].txFrequency, "");
    EXPECT_EQ(s[1].decodeTone.position, 0);
    // The decode stores values, the same in either language; the texts are the view's.
    EXPECT_EQ(s[1].decodeTone, ToneChoice{});
    EXPECT_EQ(decoded(in, kChinese).channels.records, s.records);
    EXPECT_EQ(channelFieldText(s[1], ChannelList::DecodeTone, kEnglish), "Off");
    EXPECT_EQ(channelFieldText(s[1], ChannelList::DecodeTone, kChinese), "关闭");

    const MemoryImage out = encoded(c);
    Record back = getRecord(out, 2);
    EXPECT_EQ(back[8], 0xFF);
    EXPECT_EQ(back[9], 0xFF);
    for (int k = 4; k < 8; ++k)
        EXPECT_EQ(back[k], 0xFF);
}

TEST(ChannelTransfer, Byte0Of0xFFEmptiesTheChannelWhateverFollows) {
    MemoryImage in;
    in.fill(0xFF);
    Record r = kFull;
    r[0] = 0xFF;
    putRecord(in, 7, r);
    Configuration config = startConfiguration();
    config.channels[6].rxFrequency = "150.00000";
    config.channels[6].busyLock = 1;
    config.channels[6].name = "OLD";
    decodeChannelRecords(in, config);
    EXPECT_TRUE(config.channels.isEmpty(7));
    EXPECT_EQ(config.channels[6].txFrequency, "");
    EXPECT_EQ(config.channels[6].busyLock, 0);
    EXPECT_EQ(config.channels[6], Channel{});

    MemoryImage out;
    encodeChannelRecords(config, out);
    for (std::uint8_t b : getRecord(out, 7))
        EXPECT_EQ(b, 0xFF);
}

// Which bit is which list; bits 1 and 7 are not carried.
TEST(ChannelTransfer, FlagByte) {
    const std::pair<std::uint8_t, std::array<int, 6>> cases[] = {
        // the byte, the lists of kFlagLists from power to scramble
        {0x01, {1, 0, 0, 0, 0, 0}}, {0x04, {0, 1, 0, 0, 0, 0}}, {0x08, {0, 0, 1, 0, 0, 0}},
        {0x10, {0, 0, 0, 1, 0, 0}}, {0x20, {0, 0, 0, 0, 1, 0}}, {0x40, {0, 0, 0, 0, 0, 1}},
        {0x82, {0, 0, 0, 0, 0, 0}},
    };
    for (const auto& [flags, lists] : cases) {
        MemoryImage in;
        in.fill(0xFF);
        Record r = kFull;
        r[12] = flags;
        putRecord(in, 3, r);
        const Configuration config = decoded(in);
        for (std::size_t k = 0; k < kFlagLists.size(); ++k)
            EXPECT_EQ(config.channels[2].position(kFlagLists[k]), lists[k]) << int(flags) << " list " << k;
        EXPECT_EQ(getRecord(encoded(config), 3)[12], flags & 0x7D) << int(flags);
    }
}

TEST(ChannelTransfer, ToneTextNotInTheListRoundTrips) {
    MemoryImage in;
    in.fill(0xFF);
    Record r = kFull;
    r[8] = 0x00;
    r[9] = 0x00;
    putRecord(in, 12, r);
    const Configuration config = decoded(in);
    EXPECT_EQ(config.channels[11].decodeTone.text, "00.0");
    EXPECT_NE(config.channels[11].decodeTone.position, 0);
    EXPECT_EQ(getRecord(encoded(config), 12), r);
}

}  // namespace
}  // namespace zrt

// The optional features, VFOs, power-on texts and band between the images and the configuration.
#include "mapping/settings_transfer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image/address_map.h"
#include "image/tone_list.h"
#include "mapping/image_transfer.h"

namespace zrt {
namespace {

using FL = FeatureList;

MemoryImage erased() {
    MemoryImage image;
    image.fill(0xFF);
    return image;
}

void put(MemoryImage& image, std::size_t at, std::vector<std::uint8_t> bytes) {
    for (std::uint8_t b : bytes)
        image.set(at++, b);
}

std::vector<std::uint8_t> bytesAt(const MemoryImage& image, std::size_t at, std::size_t n) {
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < n; ++i)
        out.push_back(image[at + i]);
    return out;
}

// Bytes no list position stands for; the values the lists hold come through the field round-trip property.
TEST(SettingsDecode, ValuesOutsideTheListsFallBackOrLeaveThePositionAlone) {
    struct Case {
        std::size_t at;
        std::uint8_t v;
        FL field;
        int previous, expected;
    };
    const Case cases[] = {
        {0x700, 0x07, FL::ADisplayMode, 0, 1},  // above 3: the fallback
        {0x700, 0x02, FL::ADisplayMode, 0, 0},  // the two-item list has no position 2: unchanged
        {0x701, 10, FL::BSquelch, 0, 5},
        {0x702, 8, FL::AStep, 0, 1},
        {0x703, 2, FL::BDisplayMode, 1, 0},
        {0x704, 200, FL::ASquelch, 0, 5},
        {0x709, 3, FL::PowerOnMode, 0, 1},
        {0x70A, 2, FL::MemoryDisplayMode, 0, 1},
        {0x70C, 16, FL::AutoPowerOff, 3, 0},
        {0x70D, 8, FL::BStep, 0, 4},
        {0x70F, 8, FL::TimeOutTimer, 0, 2},
        {0x72E, 3, FL::VfoAOffsetDirection, 2, 2},  // no position 3: unchanged
        {0x73E, 0xFF, FL::VfoBOffsetDirection, 1, 1},
        {0x7A6, 2, FL::ReturnChannel, 0, 1},
        {0x70E, 0x03, FL::ASelfRegardChannel, 0, 1},  // below 0x10 only the first self-named field is read
        {0x70E, 0x03, FL::BSelfRegardChannel, 1, 1},
        {0x707, 0xC0, FL::LampMode, 1, 1},        // lamp mode 3 does not exist: unchanged
        {0x72C, 0x80, FL::VfoACompanding, 0, 1},  // scramble and companding are read as well
        {0x72C, 0x80, FL::VfoAScramble, 1, 0},
    };
    for (const Case& c : cases) {
        Configuration config = startConfiguration();
        config.features[c.field] = c.previous;
        MemoryImage in = erased();
        in.set(c.at, c.v);
        decodeImage(in, config);
        EXPECT_EQ(config.features[c.field], c.expected) << std::hex << c.at << " = " << int(c.v);
    }
}

TEST(SettingsDecode, ChannelNumbersOutsideTheirLimits) {
    struct Case {
        std::size_t at;
        std::uint8_t v;
        std::string Features::*text;
        std::string expected;
    };
    const Case cases[] = {
        {0x705, 100, &Features::aChannelNumber, "64"},  // within the A limit, then the box's change check
        {0x705, 128, &Features::aChannelNumber, "64"},
        {0x705, 129, &Features::aChannelNumber, ""},
        {0x70B, 100, &Features::bChannelNumber, ""},
    };
    for (const Case& c : cases) {
        Configuration config = startConfiguration();
        MemoryImage in = erased();
        in.set(c.at, c.v);
        decodeSettingsBytes(in, config);
        EXPECT_EQ(config.features.*c.text, c.expected) << std::hex << c.at << " = " << std::dec << int(c.v);
    }
    // Empty numbers, which no decode makes: A is written 0xFF, B 0.
    Configuration config = startConfiguration();
    config.features.aChannelNumber = config.features.bChannelNumber = "";
    MemoryImage out;
    encodeSettingsBytes(config, out);
    EXPECT_EQ(out[0x705], 0xFF);
    EXPECT_EQ(out[0x70B], 0x00);
}

// Where each packed field lands; the field round-trip property then holds the decode to the same places.
TEST(SettingsEncode, PackedBytes) {
    struct Case {
        std::size_t at;
        std::uint8_t expected;
        bool othersZero;  // every other list at position 0, else as at start
        std::vector<std::pair<FL, int>> set;
    };
    const Case cases[] = {
        {0x708, 0xB7, false, {{FL::VoxGain, 5}, {FL::VoxDelay, 2}, {FL::VoxSwitch, 1}}},
        {0x707, 0x40, true, {{FL::LampMode, 1}}},  // bits 7-6
        {0x707, 0x07, true, {{FL::KeyLockMode, 3}, {FL::Roger, 1}}},
        {0x706, 0x49, true, {{FL::Beep, 1}, {FL::KeyLock, 1}, {FL::ScanMode, 1}}},
        {0x70E,
         0xFE,
         false,
         {{FL::ASelfRegardChannel, 0}, {FL::BSelfRegardChannel, 1}}},  // over the constants
        {0x72C, 0xC1, true, {{FL::VfoAPower, 1}, {FL::VfoAScramble, 1}, {FL::VfoACompanding, 1}}},
        {0x73C, 0xD0, true, {{FL::VfoBBandwidth, 1}}},  // B writes bits 6 and 7 set
    };
    for (const Case& c : cases) {
        Configuration config = startConfiguration();
        if (c.othersZero) config.features.list.fill(0);
        for (auto [field, value] : c.set)
            config.features[field] = value;
        MemoryImage out;
        encodeImage(config, out);
        EXPECT_EQ(out[c.at], c.expected) << std::hex << c.at;
    }
    Configuration config = startConfiguration();
    config.features.voxOffWhileReceiving = false;  // Check13 cleared keeps bit 2 clear
    MemoryImage out;
    encodeImage(config, out);
    EXPECT_EQ(out[0x708] & 0x04, 0);
}

TEST(SettingsTransfer, VfoFields) {
    MemoryImage in = erased();
    put(in, 0x720, {0x00, 0x25, 0x61, 0x43, 0x00, 0x00, 0x50, 0x00, 0x70, 0x06, 0x03, 0x87});
    put(in, 0x730, {0x00, 0x50, 0x52, 0x14, 0x00, 0x00, 0x06, 0x00, 0xFF, 0xFF, 0x54, 0xC7});
    Configuration config = startConfiguration();
    decodeImage(in, config);
    const Features& f = config.features;
    EXPECT_EQ(f.vfoAFrequency, "436.12500");
    EXPECT_EQ(f.vfoAOffset, "5.00000");
    EXPECT_EQ(toneListItem(f[FL::VfoADecodeTone], kEnglish), "67.0");
    EXPECT_EQ(toneListItem(f[FL::VfoAEncodeTone], kEnglish), "D703N");
    EXPECT_EQ(f.vfoBFrequency, "145.25000");
    EXPECT_EQ(f.vfoBOffset, "0.60000");
    EXPECT_EQ(f[FL::VfoBDecodeTone], 0);  // 0xFF 0xFF: Off
    EXPECT_EQ(toneListItem(f[FL::VfoBEncodeTone], kEnglish), "D754I");

    // The encode's layout follows from the decode's by the field round-trip property. A typed offset is
    // written as its number; one that is not a number, or does not fit three integer digits, keeps its bytes.
    const std::pair<const char*, std::vector<std::uint8_t>> typed[] = {
        {"12.5", {0x00, 0x00, 0x25, 0x01}}, {"", {1, 2, 3, 4}}, {"1000", {1, 2, 3, 4}}};
    for (const auto& [offset, bytes] : typed) {
        config.features.vfoAOffset = offset;
        MemoryImage out;
        put(out, 0x724, {1, 2, 3, 4});
        encodeVfoA(config, out);
        EXPECT_EQ(bytesAt(out, 0x724, 4), bytes) << offset;
    }
}

TEST(SettingsTransfer, BandSelectsWithoutClearingTheChannels) {
    struct Case {
        std::uint8_t v;
        int band;
    };
    for (const Case c : {Case{3, 3}, Case{4, 0}, Case{0xFF, 0}}) {
        Configuration config = startConfiguration();
        config.band.current = 1;
        config.channels[0].rxFrequency = "145.00000";
        MemoryImage in = erased();
        in.set(0x716, c.v);
        decodeBand(in, config);
        EXPECT_EQ(config.band.current, c.band);
        EXPECT_EQ(config.band.listIndex, c.band);
        EXPECT_EQ(config.band.limits.bLow, kBands[c.band].limits.bLow);
        EXPECT_EQ(config.features.vfoBFrequency, kBands[c.band].vfoB);
        EXPECT_EQ(config.channels[0].rxFrequency, "145.00000");
        MemoryImage out;
        encodeBand(config, out);
        EXPECT_EQ(out[0x716], c.band);
    }
}

}  // namespace
}  // namespace zrt

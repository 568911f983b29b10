#include "image/codecs.h"

#include <gtest/gtest.h>

#include <vector>

namespace zrt::codec {
namespace {

struct FreqCase {
    std::string text;
    std::array<std::uint8_t, 4> bytes;
};

TEST(Codecs, FrequencyEncodesAsLittleEndianBcdAndDecodesBack) {
    const std::vector<FreqCase> cases = {
        {"145.00000", {0x00, 0x00, 0x50, 0x14}}, {"436.12500", {0x00, 0x25, 0x61, 0x43}},
        {"173.99500", {0x00, 0x95, 0x39, 0x17}}, {"000.00000", {0x00, 0x00, 0x00, 0x00}},
        {"099.99500", {0x00, 0x95, 0x99, 0x09}},
    };
    for (const auto& c : cases) {
        MemoryImage image;
        encodeFrequency(c.text, image, 0x10);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(image[0x10 + i], c.bytes[i]) << c.text << " byte " << i;
        EXPECT_EQ(decodeFrequency(image, 0x10), c.text);
    }
}

TEST(Codecs, FrequencyPairThatIsNotHexKeepsThePreviousByte) {
    MemoryImage image;
    for (int i = 0; i < 4; ++i)
        image.set(i, 0xAA);
    encodeFrequency("1x5.12500", image, 0);  // byte 3 comes from "1x"
    EXPECT_EQ(image[3], 0xAA);
    EXPECT_EQ(image[2], 0x51);
    EXPECT_EQ(image[1], 0x25);
    EXPECT_EQ(image[0], 0x00);
}

TEST(Codecs, Tones) {
    struct Case {
        std::string text;
        std::uint8_t low, high;
    };
    const std::vector<Case> roundTrips = {
        {"67.0", 0x70, 0x06},  {"254.1", 0x41, 0x25}, {"100.0", 0x00, 0x10}, {"110.9", 0x09, 0x11},
        {"D023N", 0x23, 0x80}, {"D017N", 0x17, 0x80}, {"D645I", 0x45, 0xC6}, {"D754I", 0x54, 0xC7},
        {"D703I", 0x03, 0xC7}, {"D703N", 0x03, 0x87}, {"00.0", 0x00, 0x00},
    };
    for (const auto& c : roundTrips) {
        MemoryImage image;
        encodeTone(false, c.text, image, 0x20);
        EXPECT_EQ(image[0x20], c.low) << c.text;
        EXPECT_EQ(image[0x21], c.high) << c.text;
        EXPECT_EQ(toneText(c.low, c.high), c.text);
    }

    MemoryImage image;
    encodeTone(true, "", image, 0);
    EXPECT_EQ(image[0], 0xFF);
    EXPECT_EQ(image[1], 0xFF);
    EXPECT_EQ(toneText(0xFF, 0xFF), "FFF.F");  // not in the tone list: shown as Off by the VFO fields
}

// Names and character fields as radios hold them come back through the field round-trip property; what it
// does not make is a 0xFF byte inside a character field.
TEST(Codecs, A0xFFInsideACharacterFieldIsSkipped) {
    MemoryImage image;
    encodeCharField("12", image, 0x740, 4);
    EXPECT_EQ(image[0x742], 0xFF);
    image.set(0x740, 0xFF);
    EXPECT_EQ(decodeCharField(image, 0x740, 4), "2");
}

}  // namespace
}  // namespace zrt::codec

#include "mapping/fm_calib_transfer.h"

#include <gtest/gtest.h>

#include "image/address_map.h"
#include "mapping/image_transfer.h"

namespace zrt {
namespace {

// FM frequencies are 87.0 MHz plus the count of 100 kHz steps; past 108.0 MHz or 0xFFFF is empty. The store
// and the window both take what the image holds; list values the window's lists do not have leave its
// positions alone (1 and 2 before).
TEST(FmDecode, StoreAndWindow) {
    struct Case {
        std::uint8_t hi, lo;
        const char* text;
        std::uint8_t channel, display, step;
        int displayPosition, stepPosition;
    };
    const Case cases[] = {
        {0x00, 0x82, "100.00", 12, 0, 1, 0, 1},
        {0x00, 0xD3, "", 1, 1, 0, 1, 0},
        {0xFF, 0xFF, "", 0xFF, 7, 3, 1, 2},
        {0x01, 0x00, "", 0, 2, 0xFF, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.hi) << " " << int(c.lo));
        MemoryImage in;
        in.fill(0xFF);
        for (addr::Address at : {addr::fmChannel(1), addr::fmChannel(25), addr::kFmVfo}) {
            in.set(at, c.hi);
            in.set(at + 1, c.lo);
        }
        in.set(addr::kFmStartChannel, c.channel);
        in.set(addr::kFmDisplayMode, c.display);
        in.set(addr::kFmStep, c.step);
        Configuration config;
        config.fm.channelFreq[0] = config.fmWindow.cells[24] = config.fmWindow.vfo = "99.00";
        config.fmWindow.displayModePosition = 1;
        config.fmWindow.stepPosition = 2;
        decodeFm(in, config);
        for (const std::string& text :
             {config.fm.channelFreq[0], config.fm.channelFreq[24], config.fmWindow.cells[0],
              config.fmWindow.cells[24], config.fm.vfoFreq, config.fmWindow.vfo})
            EXPECT_EQ(text, c.text);
        EXPECT_EQ(config.fm.currentChannel, c.channel);
        EXPECT_EQ(config.fmWindow.presentChannel, std::to_string(c.channel));
        EXPECT_EQ(config.fm.displayMode, c.display);
        EXPECT_EQ(config.fm.step, c.step);
        EXPECT_EQ(config.fmWindow.displayModePosition, c.displayPosition);
        EXPECT_EQ(config.fmWindow.stepPosition, c.stepPosition);
    }
}

// What no decode makes; the values the store holds come through the field round-trip property.
TEST(FmEncode, EmptinessFromTheGridValueFromTheStore) {
    struct Case {
        const char* cell;
        const char* store;
        std::uint8_t hi, lo;
    };
    const Case cases[] = {
        {"100.00", "100.00", 0x00, 0x82},
        {"", "100.00", 0xFF, 0xFF},        // emptied in the grid, not yet confirmed with OK
        {"98.00", "100.15", 0x00, 0x84},   // the store's value is written; 131.5 rounds to even 132
        {"100.05", "100.05", 0x00, 0x82},  // 130.5 rounds to even 130
        {"98.00", "", 0xFF, 0xFF},         // filled in the grid, never confirmed: the store says empty
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cell << " / " << c.store);
        Configuration config;
        config.fmWindow.cells[6] = c.cell;
        config.fm.channelFreq[6] = c.store;
        MemoryImage out;  // all 0x00, as after start
        encodeFmChannelsAndSettings(config, out);
        EXPECT_EQ(out[addr::fmChannel(7)], c.hi);
        EXPECT_EQ(out[addr::fmChannel(7) + 1], c.lo);
        EXPECT_EQ(out[addr::fmChannel(8) + 1], 0xFF);
    }
    for (const Case& c : {Case{"", "", 0xFF, 0xFF}, Case{"", "0", 0xFF, 0xFF}, Case{"", "abc", 0xFF, 0xFF},
                          Case{"", "108.00", 0x00, 0xD2}}) {
        Configuration config;
        config.fm.vfoFreq = c.store;
        MemoryImage out;
        encodeFmVfo(config, out);
        EXPECT_EQ(out[addr::kFmVfo], c.hi) << c.store;
        EXPECT_EQ(out[addr::kFmVfo + 1], c.lo) << c.store;
    }
}

// The addresses pinned by literal bytes (the property takes them from the program's own table); a value that
// does not fit leaves its byte alone, and the reserved bytes between are not this step's business.
TEST(Calibration, EveryAddressBothWays) {
    const std::pair<addr::Address, int> slots[] = {
        {0x7E0, 10}, {0x7E1, 13}, {0x7E3, 9}, {0x7E5, 12}, {0x7E6, 14}, {0x7E8, 17},
        {0x7F0, 1},  {0x7F1, 4},  {0x7F3, 0}, {0x7F5, 3},  {0x7F6, 5},  {0x7F8, 8},
    };
    Configuration config;
    for (int i = 0; i < kCalibValues; ++i)
        config.calib.values[i] = 100 + i;
    config.calib.values[5] = 256;
    MemoryImage out;
    out.set(0x7F6, 0x5A);
    encodeCalibrationB(config, out);
    encodeCalibrationA(config, out);
    EXPECT_EQ(out[0x7E9], 0x00);
    for (const auto& [at, index] : slots) {
        SCOPED_TRACE(index);
        EXPECT_EQ(out[at], index == 5 ? 0x5A : 100 + index);
        MemoryImage in;
        in.set(at, 200);
        Configuration decoded;
        decodeCalibration(in, decoded);
        for (int i = 0; i < kCalibValues; ++i)
            EXPECT_EQ(decoded.calib.values[i], i == index ? 200 : 0);
        EXPECT_TRUE(decoded.calib.known);
    }
}

}  // namespace
}  // namespace zrt

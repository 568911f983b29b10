#include "datafile/data_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace zrt {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::string_view s) {
    return Bytes(s.begin(), s.end());
}

TEST(DataFile, SerializeWritesHeaderThenImageBytes0To3071) {
    MemoryImage out;
    for (std::size_t i = 0; i < MemoryImage::kSize; ++i)
        out.set(i, static_cast<std::uint8_t>(i * 7 + 3));
    const Bytes file = datafile::serialize(out);
    ASSERT_EQ(file.size(), 3120u);
    Bytes header = bytesOf("QMV274");
    header.insert(header.end(), 4, 0xFF);
    const Bytes version = bytesOf("V0100");
    header.insert(header.end(), version.begin(), version.end());
    header.insert(header.end(), 33, 0xFF);
    ASSERT_EQ(header.size(), 48u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 48), header);
    for (std::size_t i = 0; i < 3072; ++i)
        ASSERT_EQ(file[48 + i], out[i]) << i;
}

TEST(DataFile, LoadChecksOnlyTheFirstSixBytes) {
    struct Case {
        const char* name;
        Bytes start;
        bool accepted;
    };
    const Case cases[] = {
        {"data file identifier", bytesOf("QMV274"), true},
        {"radio identifier", bytesOf("QMX274"), false},
        {"lower case", bytesOf("qmv274"), false},
        {"five bytes", bytesOf("QMV27"), false},
        {"empty", {}, false},
        {"other header bytes", bytesOf("QMV274 anything at all, even no version"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes file = c.start;
        if (file.size() >= 6) file.resize(3120, 0x42);
        MemoryImage in;
        in.fill(0x11);
        const MemoryImage before = in;
        EXPECT_EQ(datafile::load(file, in), c.accepted);
        if (c.accepted) {
            for (std::size_t i = 0; i < 3072; ++i)
                ASSERT_EQ(in[i], file[48 + i]);
        } else {
            EXPECT_EQ(in, before);
        }
    }
}

TEST(DataFile, LoadKeepsTheLastImageByteAndFillsAShortFileWithFF) {
    for (std::size_t length : {std::size_t{6}, std::size_t{48}, std::size_t{49}, std::size_t{1000},
                               std::size_t{3119}, std::size_t{3120}, std::size_t{5000}}) {
        SCOPED_TRACE(length);
        Bytes file = bytesOf("QMV274");
        file.resize(length, 0x00);
        for (std::size_t i = 48; i < length; ++i)
            file[i] = static_cast<std::uint8_t>(i % 251);
        MemoryImage in;
        in.fill(0x5A);
        ASSERT_TRUE(datafile::load(file, in));
        for (std::size_t i = 0; i < 3072; ++i) {
            const std::uint8_t expected = 48 + i < length ? static_cast<std::uint8_t>((48 + i) % 251) : 0xFF;
            ASSERT_EQ(in[i], expected) << i;
        }
        EXPECT_EQ(in[3072], 0x5A);
    }
}

TEST(DataFile, LoadOfASavedFileGivesBackTheImage) {
    MemoryImage out;
    std::mt19937 rng(4);
    for (auto& b : out.bytes())
        b = static_cast<std::uint8_t>(rng());
    MemoryImage in;
    in.set(3072, 0x77);
    ASSERT_TRUE(datafile::load(datafile::serialize(out), in));
    for (std::size_t i = 0; i < 3072; ++i)
        ASSERT_EQ(in[i], out[i]);
    EXPECT_EQ(in[3072], 0x77);
}

}  // namespace
}  // namespace zrt

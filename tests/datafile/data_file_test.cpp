#include "datafile/data_file.h"

#include <gtest/gtest.h>

#include <string>

namespace zrt {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::string_view s) {
    return Bytes(s.begin(), s.end());
}

// What Open accepts, and that a saved file opens to the image it came from, is the data-file fuzz target's
// business; here the bytes a saved file starts with.
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
    EXPECT_FALSE(out.set(3073, 1));  // one past the image: refused, not written
    EXPECT_FALSE(out.get(3073).has_value());
}

}  // namespace
}  // namespace zrt

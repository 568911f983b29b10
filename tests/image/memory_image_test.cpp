#include "image/memory_image.h"

#include <gtest/gtest.h>

namespace zrt {
namespace {

TEST(MemoryImage, StartsZeroAndChecksBounds) {
    MemoryImage image;
    EXPECT_EQ(image.bytes().size(), 3073u);
    EXPECT_EQ(image.get(0), 0);
    EXPECT_EQ(image.get(3072), 0);
    EXPECT_FALSE(image.get(3073).has_value());
    EXPECT_TRUE(image.set(3072, 0x5A));
    EXPECT_EQ(image[3072], 0x5A);
    EXPECT_FALSE(image.set(3073, 1));
}

}  // namespace
}  // namespace zrt

// Test data the suites share: byte patterns, images and radio memories made from them, and a configuration's
// encode.
#pragma once

#include <cstdint>

#include "config/configuration.h"
#include "image/memory_image.h"
#include "mapping/image_transfer.h"

namespace zrt::testing_support {

// Two decimal digits as one BCD byte.
constexpr std::uint8_t bcd(int v) {
    return static_cast<std::uint8_t>((v / 10) * 16 + v % 10);
}

// Fills any bytes with a pseudo-random pattern of its own for every seed.
template <class Bytes>
void fillPattern(Bytes&& bytes, unsigned seed) {
    std::uint32_t x = seed;
    for (auto& b : bytes) {
        x = x * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(x >> 16);
    }
}

inline MemoryImage patternedImage(unsigned seed) {
    MemoryImage image;
    fillPattern(image.bytes(), seed);
    return image;
}

inline MemoryImage encoded(const Configuration& config) {
    MemoryImage image;
    encodeImage(config, image);
    return image;
}

}  // namespace zrt::testing_support

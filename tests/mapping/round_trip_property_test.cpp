// Properties of the decode and encode over many generated images: after one round trip the image is a fixed
// point, so reading a radio and writing it back twice never drifts.
#include <gtest/gtest.h>

#include <random>

#include "config/configuration.h"
#include "image/address_map.h"
#include "mapping/image_transfer.h"

namespace zrt {
namespace {

std::uint8_t bcd(int v) {
    return static_cast<std::uint8_t>((v / 10) * 16 + v % 10);
}

// Images of three kinds: erased memory, plausible radio contents, and arbitrary bytes.
MemoryImage generate(std::mt19937& rng, int kind) {
    MemoryImage image;
    std::uniform_int_distribution<int> byte(0, 255);
    if (kind == 0) {
        image.fill(0xFF);
        return image;
    }
    for (auto& b : image.bytes())
        b = static_cast<std::uint8_t>(byte(rng));
    if (kind == 2) return image;
    std::uniform_int_distribution<int> percent(0, 99);
    for (int n = 1; n <= addr::kChannelCount; ++n) {
        const auto at = addr::channelRecord(n);
        if (percent(rng) < 30) {
            image.set(at, 0xFF);
            continue;
        }
        const int mhz = 136 + byte(rng) % 38;
        for (auto base : {at, at + 4}) {
            image.set(base + 0, bcd(byte(rng) % 100));
            image.set(base + 1, bcd(byte(rng) % 100));
            image.set(base + 2, bcd((mhz % 10) * 10 + byte(rng) % 10));
            image.set(base + 3, bcd(mhz / 10));
        }
        image.set(at + 12, static_cast<std::uint8_t>(byte(rng) & 0x7D));
    }
    for (auto a = addr::kSettings; a < addr::kSettings + 16; ++a)
        image.set(a, static_cast<std::uint8_t>(byte(rng) % 4));
    image.set(addr::kBand, static_cast<std::uint8_t>(byte(rng) % 4));
    return image;
}

TEST(RoundTripProperty, SecondRoundTripChangesNothing) {
    std::mt19937 rng(20261206);
    for (int i = 0; i < 300; ++i) {
        const MemoryImage in = generate(rng, i % 3);
        for (int language : {kEnglish, kChinese}) {
            Configuration config = startConfiguration();
            config.languageIndex = language;
            decodeImage(in, config);
            MemoryImage first;
            encodeImage(config, first);
            decodeImage(first, config);
            MemoryImage second = first;
            encodeImage(config, second);
            ASSERT_EQ(first, second) << "image " << i << " language " << language;
        }
    }
}

// What one program encodes, a freshly started program decodes and encodes to the same bytes: nothing of the
// configuration that the image does not carry leaks into a saved file or a write.
TEST(RoundTripProperty, AnEncodedImageMeansTheSameToAFreshProgram) {
    std::mt19937 rng(20261207);
    for (int i = 0; i < 300; ++i) {
        const MemoryImage in = generate(rng, i % 3);
        const int language = i % 2 == 0 ? kEnglish : kChinese;
        Configuration config = startConfiguration();
        config.languageIndex = language;
        decodeImage(in, config);
        MemoryImage saved;
        encodeImage(config, saved);

        Configuration fresh = startConfiguration();
        fresh.languageIndex = language;
        decodeImage(saved, fresh);
        MemoryImage again;
        encodeImage(fresh, again);
        ASSERT_EQ(again, saved) << "image " << i;
    }
}

}  // namespace
}  // namespace zrt

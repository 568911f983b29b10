// Costs of the core's whole-image work: the decode, the encode and their round trip.
#include <benchmark/benchmark.h>

#include <random>

#include "config/configuration.h"
#include "transfer/image_transfer.h"

namespace {

zrt::MemoryImage sampleImage() {
    zrt::MemoryImage image;
    std::mt19937 rng(7);
    for (auto& b : image.bytes()) b = static_cast<std::uint8_t>(rng());
    return image;
}

void BM_Decode(benchmark::State& state) {
    const zrt::MemoryImage in = sampleImage();
    zrt::Configuration config = zrt::startConfiguration();
    for (auto _ : state) {
        zrt::decodeImage(in, config);
        benchmark::DoNotOptimize(config);
    }
}
BENCHMARK(BM_Decode);

void BM_Encode(benchmark::State& state) {
    zrt::Configuration config = zrt::startConfiguration();
    zrt::decodeImage(sampleImage(), config);
    zrt::MemoryImage out;
    for (auto _ : state) {
        zrt::encodeImage(config, out);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_Encode);

}  // namespace

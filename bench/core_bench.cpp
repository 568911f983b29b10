// Costs of the core's whole-image work: the decode, the encode, and Open and Save of a full data file in
// memory.
#include <benchmark/benchmark.h>

#include <random>

#include "config/configuration.h"
#include "datafile/data_file.h"
#include "mapping/image_transfer.h"
#include "session/session.h"
#include "support/full_configuration.h"

namespace {

zrt::MemoryImage sampleImage() {
    zrt::MemoryImage image;
    std::mt19937 rng(7);
    for (auto& b : image.bytes())
        b = static_cast<std::uint8_t>(rng());
    return image;
}

zrt::MemoryImage fullImage() {
    zrt::MemoryImage image;
    zrt::encodeImage(zrt::bench::fullConfiguration(), image);
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

void BM_DecodeFull(benchmark::State& state) {
    const zrt::MemoryImage in = fullImage();
    zrt::Configuration config = zrt::startConfiguration();
    for (auto _ : state) {
        zrt::decodeImage(in, config);
        benchmark::DoNotOptimize(config);
    }
}
BENCHMARK(BM_DecodeFull);

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

void BM_EncodeFull(benchmark::State& state) {
    const zrt::Configuration config = zrt::bench::fullConfiguration();
    zrt::MemoryImage out;
    for (auto _ : state) {
        zrt::encodeImage(config, out);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_EncodeFull);

// Open: the file's bytes into ImageIn, then the decode; what the window does after reading the file.
void BM_OpenFullDataFile(benchmark::State& state) {
    const std::vector<std::uint8_t> file = zrt::bench::fullDataFile();
    zrt::Session session;
    zrt::MemoryImage image;
    if (!zrt::datafile::load(file, image)) return state.SkipWithError("not a data file");
    session.decode(image);
    for (int n = 1; n <= zrt::kChannelCount; ++n)
        if (session.config().channels.isEmpty(n)) return state.SkipWithError("a channel did not come back");
    for (auto _ : state) {
        if (!zrt::datafile::load(file, image)) state.SkipWithError("not a data file");
        session.decode(image);
        benchmark::DoNotOptimize(session.config());
    }
}
BENCHMARK(BM_OpenFullDataFile);

// Save: the encode, then the file's bytes; what the window does before writing the file.
void BM_SaveFullDataFile(benchmark::State& state) {
    zrt::Session session;
    session.replaceConfiguration(zrt::bench::fullConfiguration());
    for (auto _ : state) {
        session.encode();
        std::vector<std::uint8_t> file = zrt::datafile::serialize(session.imageOut());
        benchmark::DoNotOptimize(file);
    }
}
BENCHMARK(BM_SaveFullDataFile);

}  // namespace

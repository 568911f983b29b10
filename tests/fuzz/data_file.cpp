// Any bytes of any length as a data file: Open's load, then the decode into the editors, the encode and
// Save's bytes. Nothing may crash, a refused file changes nothing, and what Save writes opens again to the
// same image, so a file never drifts however often it is opened and saved.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "config/configuration.h"
#include "datafile/data_file.h"
#include "fuzz/fuzz_check.h"
#include "image/address_map.h"
#include "mapping/image_transfer.h"

namespace {

using namespace zrt;

constexpr std::uint8_t kEarlier = 0xA5;  // what ImageIn held before the Open

bool sameStoredBytes(const MemoryImage& a, const MemoryImage& b) {
    return std::equal(a.bytes().begin(), a.bytes().begin() + datafile::kImageBytes, b.bytes().begin());
}

void openAndSave(const MemoryImage& imageIn, int language) {
    Configuration config = startConfiguration();
    config.languageIndex = language;
    decodeImage(imageIn, config);
    MemoryImage imageOut;
    encodeImage(config, imageOut);

    const std::vector<std::uint8_t> file = datafile::serialize(imageOut);
    ZRT_FUZZ_CHECK(file.size() == datafile::kFileSize);
    const std::vector<std::uint8_t> header = datafile::header();
    ZRT_FUZZ_CHECK(std::equal(header.begin(), header.end(), file.begin()));
    ZRT_FUZZ_CHECK(std::equal(file.begin() + datafile::kHeaderSize, file.end(), imageOut.bytes().begin()));

    // The saved file opens in a freshly started program to a configuration that saves the same bytes.
    MemoryImage reopened;
    ZRT_FUZZ_CHECK(datafile::load(file, reopened));
    ZRT_FUZZ_CHECK(sameStoredBytes(reopened, imageOut));
    Configuration fresh = startConfiguration();
    fresh.languageIndex = language;
    decodeImage(reopened, fresh);
    MemoryImage again;
    encodeImage(fresh, again);
    ZRT_FUZZ_CHECK(again == imageOut);

    // And in the program that saved it: a second open and save changes nothing either.
    decodeImage(imageOut, config);
    MemoryImage second = imageOut;
    encodeImage(config, second);
    ZRT_FUZZ_CHECK(second == imageOut);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    MemoryImage imageIn;
    imageIn.fill(kEarlier);
    const MemoryImage before = imageIn;

    const bool loaded = datafile::load(file, imageIn);
    const bool identified =
        size >= datafile::kModelIdentifier.size() &&
        std::memcmp(data, datafile::kModelIdentifier.data(), datafile::kModelIdentifier.size()) == 0;
    ZRT_FUZZ_CHECK(loaded == identified);
    if (!loaded) {
        ZRT_FUZZ_CHECK(imageIn == before);
        return 0;
    }
    for (std::size_t i = 0; i < datafile::kImageBytes; ++i) {
        const std::size_t offset = datafile::kHeaderSize + i;
        ZRT_FUZZ_CHECK(imageIn[i] == (offset < size ? data[offset] : 0xFF));
    }
    ZRT_FUZZ_CHECK(imageIn[addr::kSpare] == kEarlier);

    openAndSave(imageIn, kEnglish);
    openAndSave(imageIn, kChinese);
    return 0;
}

#include "datafile/data_file.h"

#include <algorithm>

namespace zrt::datafile {

std::vector<std::uint8_t> header() {
    std::vector<std::uint8_t> h(kHeaderSize, 0xFF);
    std::copy(kModelIdentifier.begin(), kModelIdentifier.end(), h.begin());
    std::copy(kVersion.begin(), kVersion.end(), h.begin() + 10);
    return h;
}

bool hasModelIdentifier(std::span<const std::uint8_t> file) {
    if (file.size() < kModelIdentifier.size()) return false;
    return std::equal(kModelIdentifier.begin(), kModelIdentifier.end(), file.begin(),
                      [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
}

bool load(std::span<const std::uint8_t> file, MemoryImage& imageIn) {
    if (!hasModelIdentifier(file)) return false;
    auto image = imageIn.bytes();
    for (std::size_t i = 0; i < kImageBytes; ++i) {
        const std::size_t offset = kHeaderSize + i;
        image[i] = offset < file.size() ? file[offset] : 0xFF;
    }
    return true;
}

std::vector<std::uint8_t> serialize(const MemoryImage& imageOut) {
    std::vector<std::uint8_t> file = header();
    const auto image = imageOut.bytes();
    file.insert(file.end(), image.begin(), image.begin() + kImageBytes);
    return file;
}

}  // namespace zrt::datafile

#include "image/memory_image.h"

namespace zrt {

std::optional<std::uint8_t> MemoryImage::get(std::size_t address) const {
    if (address >= kSize) return std::nullopt;
    return bytes_[address];
}

bool MemoryImage::set(std::size_t address, std::uint8_t value) {
    if (address >= kSize) return false;
    bytes_[address] = value;
    return true;
}

}  // namespace zrt

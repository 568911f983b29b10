// A 3073-byte image of the radio's memory; the index of a byte is its address in the radio.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace zrt {

class MemoryImage {
  public:
    static constexpr std::size_t kSize = 3073;  // addresses 0x000..0xC00

    // Bounds-checked access: an address outside the image reads as nothing and writes nothing.
    std::optional<std::uint8_t> get(std::size_t address) const;
    bool set(std::size_t address, std::uint8_t value);

    // For addresses the program knows to be inside the image (the address map's constants).
    std::uint8_t operator[](std::size_t address) const { return bytes_.at(address); }

    void fill(std::uint8_t value) { bytes_.fill(value); }
    std::span<const std::uint8_t, kSize> bytes() const { return bytes_; }
    std::span<std::uint8_t, kSize> bytes() { return bytes_; }

    friend bool operator==(const MemoryImage&, const MemoryImage&) = default;

  private:
    std::array<std::uint8_t, kSize> bytes_{};
};

}  // namespace zrt

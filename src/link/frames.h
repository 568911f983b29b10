// The frames of the serial protocol with the radio, and the tests the transfers apply to the received text.
// Replies are judged as upper-case hexadecimal text (RecvHex), never as bytes: an acknowledgement is found
// even where its two digits straddle two bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "image/memory_image.h"

namespace zrt::link {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::string_view kProgramRequest = "PROGRAM";
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kIdentifyRequest = 0x02;
inline constexpr std::uint8_t kReadCommand = 0x52;  // 'R'
inline constexpr std::uint8_t kDataCommand = 0x57;  // 'W'
inline constexpr std::uint8_t kEnd = 0x45;          // 'E'
inline constexpr std::uint8_t kBlockLength = 0x10;
inline constexpr std::size_t kBlockSize = 16;
inline constexpr std::size_t kDataFrameSize = 4 + kBlockSize;
inline constexpr std::string_view kRadioModel = "QMX274";  // what the radio answers with
inline constexpr std::size_t kIdentificationSize = 8;      // model, band code, one unexamined byte

Bytes programRequest();
Bytes readRequest(std::size_t address);
// A data block of a write: byte k is image[address + k]; past the image's last index the byte is 0x00.
Bytes dataBlock(const MemoryImage& image, std::size_t address);

// Each byte as two upper-case hexadecimal digits, appended to text.
void appendHex(std::string& text, std::span<const std::uint8_t> bytes);

bool containsAck(std::string_view recvHex);
bool isAck(std::string_view recvHex);
bool isIdentification(std::string_view recvHex);
bool isDataBlock(std::string_view recvHex);

// The band code of an identification: its seventh byte's two digits read as a decimal number, counting the
// leading decimal digits only ("03" is 3, "10" is 10, "0A" is 0, "A1" is 0).
int bandCode(std::string_view recvHex);

// Data byte k (0..15) of a data block reply in RecvHex; nothing for a malformed pair.
std::optional<std::uint8_t> dataByte(std::string_view recvHex, std::size_t k);

}  // namespace zrt::link

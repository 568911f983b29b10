#include "link/frames.h"

#include <algorithm>

namespace zrt::link {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

Bytes addressed(std::uint8_t command, std::size_t address) {
    return {command, static_cast<std::uint8_t>((address >> 8) & 0xFF),
            static_cast<std::uint8_t>(address & 0xFF), kBlockLength};
}

}  // namespace

Bytes programRequest() {
    return Bytes(kProgramRequest.begin(), kProgramRequest.end());
}

Bytes readRequest(std::size_t address) {
    return addressed(kReadCommand, address);
}

Bytes dataBlock(const MemoryImage& image, std::size_t address) {
    Bytes frame = addressed(kDataCommand, address);
    for (std::size_t k = 0; k < kBlockSize; ++k)
        frame.push_back(image.get(address + k).value_or(0x00));
    return frame;
}

void appendHex(std::string& text, std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (std::uint8_t b : bytes) {
        text.push_back(kDigits[b >> 4]);
        text.push_back(kDigits[b & 0x0F]);
    }
}

bool containsAck(std::string_view recvHex) {
    return recvHex.find("06") != std::string_view::npos;
}

bool isAck(std::string_view recvHex) {
    return recvHex == "06";
}

bool isIdentification(std::string_view recvHex) {
    static const std::string model = [] {
        std::string text;
        appendHex(text,
                  std::span(reinterpret_cast<const std::uint8_t*>(kRadioModel.data()), kRadioModel.size()));
        return text;
    }();
    return recvHex.size() == 2 * kIdentificationSize && recvHex.starts_with(model);
}

bool isDataBlock(std::string_view recvHex) {
    return recvHex.size() == 2 * kDataFrameSize && recvHex.starts_with("57");
}

int bandCode(std::string_view recvHex) {
    const std::string_view digits = recvHex.substr(std::min<std::size_t>(12, recvHex.size()), 2);
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<std::uint8_t> dataByte(std::string_view recvHex, std::size_t k) {
    const std::size_t at = 2 * (4 + k);
    if (at + 1 >= recvHex.size()) return std::nullopt;
    const int high = hexDigit(recvHex[at]);
    const int low = hexDigit(recvHex[at + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    return static_cast<std::uint8_t>(high * 16 + low);
}

}  // namespace zrt::link

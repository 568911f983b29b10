// Field encodings of the memory image and the editors' normalising functions: frequencies, tones, names,
// character fields, FM frequencies, packed bits, and the numeric text helpers they share.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "image/address_map.h"
#include "image/memory_image.h"

namespace zrt::codec {

// ---- Numeric text -------------------------------------------------------------------------------
// The value of a text that is a number as a whole ("145.1", "1.", ".5"); nothing for "", ".", "1.2.3", "x".
std::optional<double> parseNumber(std::string_view text);
// The leading number of a text, 0 when it starts with none ("12ab" gives 12, "ab" gives 0).
double leadingValue(std::string_view text);
// A number text written with exactly five decimals, rounded half away from zero on its decimal digits,
// without binary rounding error ("145.123" gives "145.12300", "5" gives "5.00000"). Nothing when not a
// number.
std::optional<std::string> formatFixed5(std::string_view numberText);
std::string formatFixed5(double value);

// ---- Hexadecimal helpers --------------------------------------------------------------------------
std::string toHex2(std::uint8_t byte);  // two upper-case digits

// ---- Frequencies (BCD, units of 10 Hz, least significant byte first) -------------------------------
// k = 1..4 as the program defines it; nothing when the character pair is not hexadecimal.
std::optional<std::uint8_t> frequencyByte(std::string_view text, int k);
std::string frequencyText(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);
std::string decodeFrequency(const MemoryImage& image, addr::Address at);
// Writes bytes at..at+3; a byte whose pair is not hexadecimal keeps its previous value.
void encodeFrequency(std::string_view text, MemoryImage& image, addr::Address at);
// Snap a "ddd.ddddd" text down onto the 5 kHz or 6.25 kHz raster (a tie goes to 6.25 kHz).
double snapFrequency(std::string_view text);
std::string snapFrequencyText(std::string_view text);  // formatted "0.00000"

// ---- Tones ----------------------------------------------------------------------------------------
std::optional<std::string> toneCode(std::string_view text);  // four hex digits, low byte first
std::string toneText(std::uint8_t low, std::uint8_t high);
std::string decodeTone(const MemoryImage& image, addr::Address at);
// isOff: list position 0. Otherwise each of the two bytes is written only when its digits are hexadecimal.
void encodeTone(bool isOff, std::string_view text, MemoryImage& image, addr::Address at);

// ---- Names and character fields ------------------------------------------------------------------
// Texts of these fields are byte strings: one char per byte of the radio's single-byte code page.
std::string stripChar255(std::string_view text);
std::string channelCode(std::string_view name);  // 16 hex digits
std::string decodeName(const MemoryImage& image, addr::Address at);
void encodeName(std::string_view name, MemoryImage& image, addr::Address at);
std::string decodeCharField(const MemoryImage& image, addr::Address at, std::size_t size);
void encodeCharField(std::string_view text, MemoryImage& image, addr::Address at, std::size_t size);

// ---- FM broadcast frequencies ---------------------------------------------------------------------
std::string normalizeFmFrequency(std::string_view text);
// "" for 0xFF 0xFF or a value above 108 MHz; otherwise the normalised two-decimal text.
std::string decodeFmFrequency(const MemoryImage& image, addr::Address at);
// Writes the two bytes (most significant first); a text that is not a number writes nothing.
void encodeFmFrequency(std::string_view text, MemoryImage& image, addr::Address at);

// ---- Packed bits -----------------------------------------------------------------------------------
inline int bitsOf(std::uint8_t byte, int lowBit, int width) {
    return (byte >> lowBit) & ((1 << width) - 1);
}

}  // namespace zrt::codec

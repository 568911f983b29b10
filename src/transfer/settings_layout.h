// Where the optional features, the VFOs and the power-on texts live in the image: the single bytes, the
// packed bits, the constant bits and the VFO records, as tables that both the decode and the encode walk.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "config/features.h"
#include "image/address_map.h"

namespace zrt::layout {

using addr::Address;
using FL = FeatureList;

// A byte that holds one list position. The decode takes v > decodeLimit as `fallback`; a position that the
// list does not have leaves the field as it was.
struct ListByte {
    Address at;
    FeatureList field;
    int decodeLimit;
    int fallback;
};

inline constexpr Address kVfoAFlags = addr::kVfoA + addr::kVfoFlags;
inline constexpr Address kVfoBFlags = addr::kVfoB + addr::kVfoFlags;
inline constexpr Address kVfoADirection = addr::kVfoA + addr::kVfoOffsetDirection;
inline constexpr Address kVfoBDirection = addr::kVfoB + addr::kVfoOffsetDirection;

inline constexpr std::array<ListByte, 13> kListBytes{{
    {addr::kADisplayMode, FL::Combo1, 3, 1},
    {addr::kBSquelch, FL::Combo36, 9, 5},
    {addr::kAStep, FL::Combo3, 7, 1},
    {addr::kBDisplayMode, FL::Combo17, 1, 0},
    {addr::kASquelch, FL::Combo5, 9, 5},
    {addr::kPowerOnMode, FL::Combo32, 2, 1},
    {addr::kMemoryDisplayMode, FL::Combo34, 1, 1},
    {addr::kApo, FL::Combo35, 15, 0},
    {addr::kBStep, FL::Combo37, 7, 4},
    {addr::kTimeOutTimer, FL::Combo19, 7, 2},
    {kVfoADirection, FL::Combo30, 255, 0},
    {kVfoBDirection, FL::Combo49, 255, 0},
    {addr::kReturnChannel, FL::Combo39, 1, 1},
}};

// A channel number kept as text. The decode empties the text for v > decodeLimit; the encode writes
// `emptyByte` for an empty text and the number otherwise.
struct NumberByte {
    Address at;
    std::string Features::*text;
    int decodeLimit;
    std::uint8_t emptyByte;
};

inline constexpr std::array<NumberByte, 2> kNumberBytes{{
    {addr::kAChannelNumber, &Features::text6, 128, 0xFF},
    {addr::kBChannelNumber, &Features::text2, 64, 0x00},
}};

// A field of `width` bits from `lowBit` of a packed byte: a list position, or a check box when `check` is
// set. The decode sets it only from bytes of at least `decodeFrom` (the radio's own software reads the
// second bit of 0x70E from the byte's eight-digit binary form, which a byte below 0x10 does not have).
struct PackedField {
    Address at;
    int lowBit;
    int width;
    FeatureList field = FeatureList::Count;
    bool Features::*check = nullptr;
    std::uint8_t decodeFrom = 0;
};

inline constexpr std::array<PackedField, 32> kPackedFields{{
    {addr::kPacked706, 0, 1, FL::Combo7},   {addr::kPacked706, 1, 1, FL::Combo10},
    {addr::kPacked706, 2, 1, FL::Combo8},   {addr::kPacked706, 3, 1, FL::Combo9},
    {addr::kPacked706, 4, 1, FL::Combo6},   {addr::kPacked706, 5, 1, FL::Combo38},
    {addr::kPacked706, 6, 1, FL::ComboMod}, {addr::kPacked706, 7, 1, FL::Combo13},
    {addr::kPacked707, 0, 2, FL::Combo18},  {addr::kPacked707, 2, 1, FL::Combo16},
    {addr::kPacked707, 3, 1, FL::Combo2},   {addr::kPacked707, 4, 1, FL::Combo33},
    {addr::kPacked707, 5, 1, FL::Combo20},  {addr::kPacked707, 6, 2, FL::Combo21},
    {addr::kPacked708, 0, 1, FL::Combo31},  {addr::kPacked708, 2, 1, FL::Count, &Features::check13},
    {addr::kPacked708, 3, 2, FL::Combo15},  {addr::kPacked708, 5, 3, FL::Combo14},
    {addr::kPacked70E, 0, 1, FL::Combo11},  {addr::kPacked70E, 1, 1, FL::Combo40, nullptr, 0x10},
    {kVfoAFlags, 0, 1, FL::Combo24},        {kVfoAFlags, 2, 1, FL::Combo25},
    {kVfoAFlags, 3, 1, FL::Combo26},        {kVfoAFlags, 4, 1, FL::Combo27},
    {kVfoAFlags, 5, 1, FL::Combo28},        {kVfoAFlags, 6, 1, FL::Combo12},
    {kVfoAFlags, 7, 1, FL::Combo29},        {kVfoBFlags, 0, 1, FL::Combo48},
    {kVfoBFlags, 2, 1, FL::Combo51},        {kVfoBFlags, 3, 1, FL::Combo52},
    {kVfoBFlags, 4, 1, FL::Combo50},        {kVfoBFlags, 5, 1, FL::Combo53},
}};

// Bits that the encode writes as constants and the decode does not read.
struct ConstantBits {
    Address at;
    std::uint8_t mask;
    std::uint8_t value;
};

inline constexpr std::array<ConstantBits, 4> kConstantBits{{
    {addr::kPacked708, 0x02, 0x02},
    {addr::kPacked70E, 0xFC, 0xFC},
    {kVfoAFlags, 0x02, 0x00},
    {kVfoBFlags, 0xC2, 0xC0},
}};

// The packed bytes, each written whole by the encode.
inline constexpr std::array<Address, 6> kPackedBytes{
    {addr::kPacked706, addr::kPacked707, addr::kPacked708, addr::kPacked70E, kVfoAFlags, kVfoBFlags}};

// Text and tone fields of a VFO record.
struct VfoRecord {
    Address record;
    std::string Features::*frequency;
    std::string Features::*offset;
    FeatureList decodeTone;
    FeatureList encodeTone;
};

inline constexpr std::array<VfoRecord, 2> kVfos{{
    {addr::kVfoA, &Features::text20, &Features::text21, FL::Combo22, FL::Combo23},
    {addr::kVfoB, &Features::text3, &Features::text4, FL::Combo46, FL::Combo47},
}};

// Character fields: character k of the text in byte k, 0xFF past the end.
struct CharField {
    Address at;
    std::size_t size;
    std::string Features::*text;
};

inline constexpr CharField kDisplayChars{addr::kDisplayChars, addr::kDisplayCharsSize, &Features::text31};
inline constexpr CharField kPassword{addr::kPassword, addr::kPasswordSize, &Features::text1};

}  // namespace zrt::layout

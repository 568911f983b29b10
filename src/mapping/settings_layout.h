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
    {addr::kADisplayMode, FL::ADisplayMode, 3, 1},
    {addr::kBSquelch, FL::BSquelch, 9, 5},
    {addr::kAStep, FL::AStep, 7, 1},
    {addr::kBDisplayMode, FL::BDisplayMode, 1, 0},
    {addr::kASquelch, FL::ASquelch, 9, 5},
    {addr::kPowerOnMode, FL::PowerOnMode, 2, 1},
    {addr::kMemoryDisplayMode, FL::MemoryDisplayMode, 1, 1},
    {addr::kApo, FL::AutoPowerOff, 15, 0},
    {addr::kBStep, FL::BStep, 7, 4},
    {addr::kTimeOutTimer, FL::TimeOutTimer, 7, 2},
    {kVfoADirection, FL::VfoAOffsetDirection, 255, 0},
    {kVfoBDirection, FL::VfoBOffsetDirection, 255, 0},
    {addr::kReturnChannel, FL::ReturnChannel, 1, 1},
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
    {addr::kAChannelNumber, &Features::aChannelNumber, 128, 0xFF},
    {addr::kBChannelNumber, &Features::bChannelNumber, 64, 0x00},
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
    {addr::kPacked706, 0, 1, FL::Beep},
    {addr::kPacked706, 1, 1, FL::TdrMode},
    {addr::kPacked706, 2, 1, FL::BatterySave},
    {addr::kPacked706, 3, 1, FL::KeyLock},
    {addr::kPacked706, 4, 1, FL::FmDualWatch},
    {addr::kPacked706, 5, 1, FL::StandbyMode},
    {addr::kPacked706, 6, 1, FL::ScanMode},
    {addr::kPacked706, 7, 1, FL::FmSearchMode},
    {addr::kPacked707, 0, 2, FL::KeyLockMode},
    {addr::kPacked707, 2, 1, FL::Roger},
    {addr::kPacked707, 3, 1, FL::PowerOnPassword},
    {addr::kPacked707, 4, 1, FL::MainChannel},
    {addr::kPacked707, 5, 1, FL::TailNoiseElimination},
    {addr::kPacked707, 6, 2, FL::LampMode},
    {addr::kPacked708, 0, 1, FL::VoxSwitch},
    {addr::kPacked708, 2, 1, FL::Count, &Features::voxOffWhileReceiving},
    {addr::kPacked708, 3, 2, FL::VoxDelay},
    {addr::kPacked708, 5, 3, FL::VoxGain},
    {addr::kPacked70E, 0, 1, FL::ASelfRegardChannel},
    {addr::kPacked70E, 1, 1, FL::BSelfRegardChannel, nullptr, 0x10},
    {kVfoAFlags, 0, 1, FL::VfoAPower},
    {kVfoAFlags, 2, 1, FL::VfoABusyLock},
    {kVfoAFlags, 3, 1, FL::VfoAAddScan},
    {kVfoAFlags, 4, 1, FL::VfoABandwidth},
    {kVfoAFlags, 5, 1, FL::VfoATxStop},
    {kVfoAFlags, 6, 1, FL::VfoAScramble},
    {kVfoAFlags, 7, 1, FL::VfoACompanding},
    {kVfoBFlags, 0, 1, FL::VfoBPower},
    {kVfoBFlags, 2, 1, FL::VfoBBusyLock},
    {kVfoBFlags, 3, 1, FL::VfoBAddScan},
    {kVfoBFlags, 4, 1, FL::VfoBBandwidth},
    {kVfoBFlags, 5, 1, FL::VfoBTxStop},
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
    {addr::kVfoA, &Features::vfoAFrequency, &Features::vfoAOffset, FL::VfoADecodeTone, FL::VfoAEncodeTone},
    {addr::kVfoB, &Features::vfoBFrequency, &Features::vfoBOffset, FL::VfoBDecodeTone, FL::VfoBEncodeTone},
}};

// Character fields: character k of the text in byte k, 0xFF past the end.
struct CharField {
    Address at;
    std::size_t size;
    std::string Features::*text;
};

inline constexpr CharField kDisplayChars{addr::kDisplayChars, addr::kDisplayCharsSize,
                                         &Features::displayCharacters};
inline constexpr CharField kPassword{addr::kPassword, addr::kPasswordSize, &Features::password};

}  // namespace zrt::layout

// Where every region and field of the radio's memory lives. No other file spells an address.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zrt::addr {

using Address = std::size_t;

// Channel records: channel n (1..128) at kChannels + kChannelRecordSize * (n - 1).
inline constexpr Address kChannels = 0x000;
inline constexpr std::size_t kChannelRecordSize = 13;
inline constexpr int kChannelCount = 128;
inline constexpr int kChannelsPerGroup = 64;
inline constexpr Address channelRecord(int n) {
    return kChannels + kChannelRecordSize * (n - 1);
}

inline constexpr Address kReserved680 = 0x680;  // 0x680..0x6FF, written 0xFF
inline constexpr Address kReserved680End = 0x6FF;

// Settings bytes 0x700..0x70F.
inline constexpr Address kSettings = 0x700;
inline constexpr Address kADisplayMode = 0x700;
inline constexpr Address kBSquelch = 0x701;
inline constexpr Address kAStep = 0x702;
inline constexpr Address kBDisplayMode = 0x703;
inline constexpr Address kASquelch = 0x704;
inline constexpr Address kAChannelNumber = 0x705;
inline constexpr Address kPacked706 = 0x706;
inline constexpr Address kPacked707 = 0x707;
inline constexpr Address kPacked708 = 0x708;
inline constexpr Address kPowerOnMode = 0x709;
inline constexpr Address kMemoryDisplayMode = 0x70A;
inline constexpr Address kBChannelNumber = 0x70B;
inline constexpr Address kApo = 0x70C;
inline constexpr Address kBStep = 0x70D;
inline constexpr Address kPacked70E = 0x70E;
inline constexpr Address kTimeOutTimer = 0x70F;

inline constexpr Address kIdentification = 0x710;  // 0x710..0x715, "MRV-PQ"
inline constexpr std::size_t kIdentificationSize = 6;
inline constexpr Address kBand = 0x716;
inline constexpr Address kReserved717 = 0x717;
inline constexpr Address kDisplayChars = 0x718;  // 0x718..0x71D
inline constexpr std::size_t kDisplayCharsSize = 6;
inline constexpr Address kReserved71E = 0x71E;  // 0x71E..0x71F
inline constexpr Address kReserved71F = 0x71F;

// VFO records, 16 bytes each; offsets below are from the record start.
inline constexpr Address kVfoA = 0x720;
inline constexpr Address kVfoB = 0x730;
inline constexpr std::size_t kVfoFrequency = 0;
inline constexpr std::size_t kVfoOffset = 4;
inline constexpr std::size_t kVfoDecodeTone = 8;
inline constexpr std::size_t kVfoEncodeTone = 10;
inline constexpr std::size_t kVfoFlags = 12;
inline constexpr std::size_t kVfoReserved13 = 13;
inline constexpr std::size_t kVfoOffsetDirection = 14;
inline constexpr std::size_t kVfoReserved15 = 15;

inline constexpr Address kPassword = 0x740;  // 0x740..0x743
inline constexpr std::size_t kPasswordSize = 4;
inline constexpr Address kReserved744 = 0x744;  // 0x744..0x75F
inline constexpr Address kReserved744End = 0x75F;

// FM broadcast channels: channel k (1..25) at 0x75E + 2k.
inline constexpr Address kFmChannels = 0x760;
inline constexpr int kFmChannelCount = 25;
inline constexpr Address fmChannel(int k) {
    return 0x75E + 2 * k;
}
inline constexpr Address kUntouched792 = 0x792;  // 0x792..0x79F are never written by the encode
inline constexpr Address kUntouched792End = 0x79F;
inline constexpr Address kFmStartChannel = 0x7A0;
inline constexpr Address kFmDisplayMode = 0x7A1;
inline constexpr Address kFmStep = 0x7A2;
inline constexpr Address kReserved7A3 = 0x7A3;
inline constexpr Address kFmVfo = 0x7A4;  // 0x7A4..0x7A5
inline constexpr Address kReturnChannel = 0x7A6;
inline constexpr Address kReserved7A7 = 0x7A7;  // 0x7A7..0x7DF
inline constexpr Address kReserved7A7End = 0x7DF;

// Calibration: group B at 0x7E0..0x7E8, group A at 0x7F0..0x7F8.
inline constexpr Address kCalibB = 0x7E0;
inline constexpr Address kReserved7E9 = 0x7E9;  // 0x7E9..0x7EF
inline constexpr Address kReserved7E9End = 0x7EF;
inline constexpr Address kCalibA = 0x7F0;
inline constexpr Address kReserved7F9 = 0x7F9;  // 0x7F9..0x7FF
inline constexpr Address kReserved7F9End = 0x7FF;
inline constexpr int kCalibCount = 18;

struct CalibSlot {
    Address address;
    int index;  // 9 * group + 3 * grade + section
};
// Every calibration byte with the value index it holds, in address order.
inline constexpr std::array<CalibSlot, kCalibCount> kCalibSlots{{
    {0x7E0, 10},
    {0x7E1, 13},
    {0x7E2, 16},
    {0x7E3, 9},
    {0x7E4, 11},
    {0x7E5, 12},
    {0x7E6, 14},
    {0x7E7, 15},
    {0x7E8, 17},
    {0x7F0, 1},
    {0x7F1, 4},
    {0x7F2, 7},
    {0x7F3, 0},
    {0x7F4, 2},
    {0x7F5, 3},
    {0x7F6, 5},
    {0x7F7, 6},
    {0x7F8, 8},
}};

// Channel names: channel n at 0x800 + 8 * (n - 1).
inline constexpr Address kNames = 0x800;
inline constexpr std::size_t kNameSize = 8;
inline constexpr Address channelName(int n) {
    return kNames + kNameSize * (n - 1);
}

inline constexpr Address kSpare = 0xC00;                // the 3073rd byte, carried only by the radio link
inline constexpr std::size_t kRadioMemorySize = 0xC00;  // bytes 0x000..0xBFF

}  // namespace zrt::addr

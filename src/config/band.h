// The band selection: the four frequency limits of each band position and the inside-the-band rule.
#pragma once

#include <array>
#include <string_view>

namespace zrt {

struct BandLimits {
    int aLow, aHigh, bLow, bHigh;  // whole MHz; the upper limits are outside
    bool operator==(const BandLimits&) const = default;
};

struct BandEntry {
    std::string_view text;  // the band list's entry, the same in both languages
    BandLimits limits;
    std::string_view vfoA;  // default A VFO frequency (Text20)
    std::string_view vfoB;  // default B VFO frequency (Text3)
    int vfoBandWidth;       // Combo27 and Combo50: 0 narrow, 1 wide
};

inline constexpr int kBandCount = 4;
inline constexpr std::array<BandEntry, kBandCount> kBands{{
    {"A:136-174MHz B:400-470MHz", {136, 174, 400, 470}, "155.000", "435.000", 1},
    {"A:136-174MHz B:470-520MHz", {136, 174, 470, 520}, "155.000", "495.000", 1},
    {"A:144-148MHz B:430-440MHz", {144, 148, 430, 440}, "146.000", "435.000", 0},
    {"A:136-174MHz B:245-250MHz", {136, 174, 245, 250}, "155.000", "247.000", 0},
}};

struct BandState {
    int current = 0;                       // CurrentBand: the band index last accepted
    int listIndex = 0;                     // the band list's selected position
    BandLimits limits = kBands[0].limits;  // BandALow .. BandBHigh
    bool operator==(const BandState&) const = default;
};

inline bool insideBand(const BandLimits& l, double f) {
    return (l.aLow <= f && f < l.aHigh) || (l.bLow <= f && f < l.bHigh);
}

}  // namespace zrt

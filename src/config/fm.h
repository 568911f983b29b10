// The FM broadcast receiver's presets: the FM store (what the transfer carries) and the FM window's
// working copy (what the user edits until OK copies it into the store).
#pragma once

#include <array>
#include <string>

namespace zrt {

inline constexpr int kFmChannels = 25;

struct FmStore {
    std::array<std::string, 32> channelFreq;  // FmChannelFreq; channel i at i - 1, i = 1..25
    int currentChannel = 0;                   // FmCurrentChannel
    int displayMode = 0;                      // FmDisplayMode
    int step = 0;                             // FmStep
    std::string vfoFreq;                      // FmVfoFreq
};

struct FmWorkingCopy {
    std::array<std::string, kFmChannels> cells;  // MSFGrid column 1, rows 1..25
    std::string presentChannel;                   // Combo1(0) text
    int displayModePosition = 0;                  // Combo1(1); -1 when the list has no position
    int stepPosition = 0;                         // Combo1(2); -1 when the list has no position
    std::string vfo;                              // Text2
};

}  // namespace zrt

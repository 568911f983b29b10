// The per-channel store behind the two channel tables: frequencies, list positions, item texts and names
// of channels 1..128 (channel n at index n - 1; group A is 1..64, group B 65..128).
#pragma once

#include <array>
#include <string>

namespace zrt {

inline constexpr int kChannelCount = 128;
inline constexpr int kListColumns = 8;  // table columns 3..10

struct ChannelStore {
    std::array<std::array<std::string, kChannelCount>, 2> freq;                 // ChannelFreq: [0] rx, [1] tx
    std::array<std::array<int, kChannelCount>, kListColumns> listIndex{};      // ChannelListIndex[k-3]
    std::array<std::array<std::string, kChannelCount>, kListColumns> itemText;  // ChannelItemText[k-3]
    std::array<std::string, kChannelCount> name;                                // ChannelName

    bool isEmpty(int n) const { return freq[0][n - 1].empty(); }
    // ClearNO: empties channel n (1..128); any other n does nothing.
    void clearNo(int n);
    // ClearGrid: ClearNO for every channel in order.
    void clearGrid();
};

}  // namespace zrt

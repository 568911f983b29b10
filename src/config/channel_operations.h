// Row commands of the channel tables on the channel records: insert, empty, move, bulk set, fill and sort.
// Each keeps within the group of its channels (1..64 or 65..128), never across.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "config/band.h"
#include "config/channel_store.h"

namespace zrt {

// The first and last channel of n's group.
int groupFirstChannel(int n);
int groupLastChannel(int n);

// Insert: the group's last channel holds a frequency, which the insert would drop.
bool insertDropsChannel(const ChannelStore& store, int n);
// A blank channel at n; n .. the group's last but one move down by one, the group's last falls off.
void insertChannel(ChannelStore& store, int n);

// The selection moved by one place (delta -1 up, +1 down) within its group, the channel it passes moving to
// the other side. The channels must lie in one group; false (nothing moves) at the group's edge.
bool moveChannels(ChannelStore& store, const std::vector<int>& channels, int delta);

// A list choice for every given channel that has a receive frequency; returns how many took it.
int setListOnChannels(ChannelStore& store, const std::vector<int>& channels, ChannelList list, int position,
                      std::string_view itemText);

struct FillResult {
    int filled = 0;
    std::vector<std::pair<int, std::string>> refused;  // channel, the frequency it was refused
};
// Receive frequencies start, start + step, ... (in Hz) into the given channels in order, each through the
// editor's band check and raster snap; a blank channel gets the defaults of a new channel, a used channel
// whose transmit frequency equalled its receive frequency keeps them equal.
FillResult fillFrequencies(ChannelStore& store, const BandState& band, const std::vector<int>& channels,
                           std::int64_t startHz, std::int64_t stepHz);

// The given channels' records sorted by receive frequency, ascending, blank channels last; equal
// frequencies keep their order. The records stay on the given channel numbers.
void sortByReceiveFrequency(ChannelStore& store, const std::vector<int>& channels);

}  // namespace zrt

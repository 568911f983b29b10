// The channel records behind the two channel tables: channels 1..128 (channel n at index n - 1; group A is
// 1..64, group B 65..128), each a Channel with named fields. Which table column shows which field is the
// table's business (config/channel_table.h).
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace zrt {

inline constexpr int kChannelCount = 128;

// The list fields of a channel, in the order the table shows them.
enum class ChannelList : int { DecodeTone, EncodeTone, Power, BusyLock, Scan, Bandwidth, Hidden, Scramble };
inline constexpr int kChannelLists = 8;
// The lists kept as bits of the record's flag byte (all but the tones).
inline constexpr std::array<ChannelList, 6> kFlagLists{ChannelList::Power,  ChannelList::BusyLock,
                                                       ChannelList::Scan,   ChannelList::Bandwidth,
                                                       ChannelList::Hidden, ChannelList::Scramble};

// A tone field: its position in the tone list (0 is Off; a tone read from a radio has a position that is
// only "not Off") and the tone as the list and the radio name it ("88.5", "D023I"; "" when Off).
struct ToneChoice {
    int position = 0;
    std::string text;
    bool operator==(const ToneChoice&) const = default;
};

struct Channel {
    std::string rxFrequency;  // "" while the channel is blank
    std::string txFrequency;
    ToneChoice decodeTone;
    ToneChoice encodeTone;
    // List positions (0 or 1 for the lists the table offers).
    int power = 0;      // 0 low, 1 high
    int busyLock = 0;   // 0 carrier, 1 off
    int scan = 0;       // 0 off, 1 on
    int bandwidth = 0;  // 0 narrow, 1 wide
    int hidden = 0;     // a flag the table has a column for but never shows
    int scramble = 0;   // 0 on, 1 off
    std::string name;   // up to 8 bytes, as the radio stores them

    bool isEmpty() const { return rxFrequency.empty(); }
    int& position(ChannelList list);
    int position(ChannelList list) const;
    bool operator==(const Channel&) const = default;
};

struct ChannelStore {
    std::array<Channel, kChannelCount> records;

    Channel& operator[](std::size_t i) { return records[i]; }  // index n - 1
    const Channel& operator[](std::size_t i) const { return records[i]; }

    bool isEmpty(int n) const { return records[static_cast<std::size_t>(n - 1)].isEmpty(); }
    // ClearNO: empties channel n (1..128); any other n does nothing.
    void clearChannel(int n);
    // ClearGrid: empties every channel.
    void clearAll();
};

}  // namespace zrt

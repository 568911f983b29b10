// The commit rules of the channel table's cell editors: a typed frequency (band check, raster, the defaults
// of a new channel), a name, a list choice, and the reset run by New.
#pragma once

#include <string>
#include <string_view>

#include "config/band.h"
#include "config/channel_store.h"

namespace zrt {

enum class FrequencyOutcome {
    Stored,     // the snapped text is in the store (and, for a new channel, its defaults)
    Emptied,    // an empty receive frequency emptied the whole channel
    Unchanged,  // an empty transmit frequency or a text that is not a number: nothing changes
    OutOfBand,  // refused; the caller shows msg::kOutOfBand
};

struct FrequencyCommit {
    FrequencyOutcome outcome = FrequencyOutcome::Unchanged;
    std::string text;         // the stored text when Stored
    bool newChannel = false;  // the channel was blank: the rest of its row got the defaults
};

enum class ChannelFrequency { Receive, Transmit };

// Text1_LostFocus for channel n (1..128) and its receive or transmit frequency. The text must lie in
// [low, high) of either range of the band; it is written with five decimals and moved down onto the
// 5 kHz / 6.25 kHz raster. A receive frequency given to a blank channel copies itself to the transmit
// frequency and sets the defaults (tones Off, power high, lock off, scan on, narrow when the band list
// position is 2 or more, else wide, scramble off); the item texts and the name stay as they are. An empty
// receive frequency empties the channel, unless it is blank already (then nothing changes).
FrequencyCommit commitFrequency(ChannelStore& store, const BandState& band, int n, ChannelFrequency which,
                                std::string_view typed);

// The text a new channel's list shows right after that commit, in the given language.
std::string newChannelItemText(ChannelList list, int languageIndex, int bandListIndex);

// Text2_LostFocus: the name without any character of code 255; returns what the name cell shows.
std::string commitName(ChannelStore& store, int n, std::string_view text);

// A choice of item `position` with text `itemText` in one of the channel's lists. The tones keep the text as
// well (none for Off). A position or blank channel the lists cannot produce changes nothing (false).
bool commitListChoice(ChannelStore& store, int n, ChannelList list, int position, std::string_view itemText);

// StartForm of the channel window: every channel emptied.
void channelStartForm(ChannelStore& store);

}  // namespace zrt

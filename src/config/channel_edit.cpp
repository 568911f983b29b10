#include "config/channel_edit.h"

#include "config/channel_lists.h"
#include "config/channel_table.h"
#include "image/codecs.h"
#include "image/tone_list.h"

namespace zrt {

namespace {

bool isNarrowBand(int bandListIndex) {
    return bandListIndex >= 2;
}

// List positions of a new channel, in ChannelList order.
constexpr std::array<int, kChannelLists> kNewChannelPositions{0, 0, 1, 1, 1, 1, 1, 1};

bool isTone(ChannelList list) {
    return list == ChannelList::DecodeTone || list == ChannelList::EncodeTone;
}

bool validChannel(int n) {
    return n >= 1 && n <= kChannelCount;
}

}  // namespace

FrequencyCommit commitFrequency(ChannelStore& store, const BandState& band, int n, ChannelFrequency which,
                                std::string_view typed) {
    FrequencyCommit result;
    if (!validChannel(n)) return result;
    const bool receive = which == ChannelFrequency::Receive;
    if (typed.empty()) {
        // A blank channel stays as it is: emptying it again would drop what it kept from an image (its name).
        if (receive && !store.isEmpty(n)) {
            store.clearChannel(n);
            result.outcome = FrequencyOutcome::Emptied;
        }
        return result;
    }
    const std::optional<double> f = codec::parseNumber(typed);
    if (!f) return result;
    if (!insideBand(band.limits, *f)) {
        result.outcome = FrequencyOutcome::OutOfBand;
        return result;
    }
    const std::optional<std::string> fixed = codec::formatFixed5(typed);
    if (!fixed) return result;
    const std::string t = codec::snapFrequencyText(*fixed);

    // The decode-tone cell of a channel is empty exactly while the channel is blank.
    const bool newChannel = receive && store.isEmpty(n);
    Channel& channel = store[static_cast<std::size_t>(n - 1)];
    (receive ? channel.rxFrequency : channel.txFrequency) = t;
    if (newChannel) {
        channel.txFrequency = t;
        for (int k = 0; k < kChannelLists; ++k)
            channel.position(static_cast<ChannelList>(k)) = kNewChannelPositions[static_cast<std::size_t>(k)];
        channel.bandwidth = isNarrowBand(band.listIndex) ? 0 : 1;
    }
    result.outcome = FrequencyOutcome::Stored;
    result.text = t;
    result.newChannel = newChannel;
    return result;
}

std::string newChannelItemText(ChannelList list, int languageIndex, int bandListIndex) {
    if (isTone(list)) return channelToneItem(0, languageIndex);
    if (list == ChannelList::Bandwidth) {
        return isNarrowBand(bandListIndex) ? channelListItem(list, 0, languageIndex)
                                           : std::string(kNewChannelWide.in(languageIndex));
    }
    return channelListItem(list, kNewChannelPositions[static_cast<std::size_t>(list)], languageIndex);
}

std::string commitName(ChannelStore& store, int n, std::string_view text) {
    if (!validChannel(n)) return {};
    Channel& channel = store[static_cast<std::size_t>(n - 1)];
    channel.name = codec::stripChar255(text);
    return channel.name;
}

bool commitListChoice(ChannelStore& store, int n, ChannelList list, int position, std::string_view itemText) {
    if (!validChannel(n) || store.isEmpty(n)) return false;
    Channel& channel = store[static_cast<std::size_t>(n - 1)];
    if (isTone(list)) {
        if (position < 0 || position >= kToneListSize) return false;
        ToneChoice& tone = list == ChannelList::DecodeTone ? channel.decodeTone : channel.encodeTone;
        tone.position = position;
        tone.text = position == 0 ? std::string() : std::string(itemText);
        return true;
    }
    if (position < 0 || position > 1) return false;
    channel.position(list) = position;
    return true;
}

void channelStartForm(ChannelStore& store) {
    store.clearAll();
}

}  // namespace zrt

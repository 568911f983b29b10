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

// List positions of a new channel, columns 3..10.
constexpr std::array<int, kListColumns> kNewChannelPositions{0, 0, 1, 1, 1, 1, 1, 1};
constexpr int kBandWidthColumn = 8;

bool validChannel(int n) {
    return n >= 1 && n <= kChannelCount;
}

}  // namespace

FrequencyCommit commitFrequency(ChannelStore& store, const BandState& band, int n, int column,
                                std::string_view typed) {
    FrequencyCommit result;
    if (!validChannel(n) || (column != kRxColumn && column != kTxColumn)) return result;
    if (typed.empty()) {
        // A blank channel stays as it is: emptying it again would drop what it kept from an image (its name).
        if (column == kRxColumn && !store.isEmpty(n)) {
            store.clearNo(n);
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
    const bool newChannel = column == kRxColumn && store.isEmpty(n);
    const int i = n - 1;
    store.freq[column - 1][i] = t;
    if (newChannel) {
        store.freq[1][i] = t;
        for (int k = 0; k < kListColumns; ++k)
            store.listIndex[k][i] = kNewChannelPositions[k];
        store.listIndex[kBandWidthColumn - 3][i] = isNarrowBand(band.listIndex) ? 0 : 1;
    }
    result.outcome = FrequencyOutcome::Stored;
    result.text = t;
    result.newChannel = newChannel;
    return result;
}

std::string newChannelCellText(int column, int languageIndex, int bandListIndex) {
    if (isToneColumn(column)) return channelToneItem(0, languageIndex);
    if (column == kBandWidthColumn) {
        return isNarrowBand(bandListIndex) ? channelListItem(column, 0, languageIndex)
                                           : std::string(kNewChannelWide.in(languageIndex));
    }
    if (column >= kFirstListColumn && column <= kLastListColumn)
        return channelListItem(column, kNewChannelPositions[column - 3], languageIndex);
    return {};
}

std::string commitName(ChannelStore& store, int n, std::string_view text) {
    if (!validChannel(n)) return {};
    store.name[n - 1] = codec::stripChar255(text);
    return store.name[n - 1];
}

bool commitListChoice(ChannelStore& store, int n, int column, int position, std::string_view itemText) {
    if (!validChannel(n) || store.isEmpty(n)) return false;
    if (isToneColumn(column)) {
        if (position < 0 || position >= kToneListSize) return false;
        store.listIndex[column - 3][n - 1] = position;
        store.itemText[column - 3][n - 1] = std::string(itemText);
        return true;
    }
    if (column < kFirstListColumn || column > kLastListColumn || position < 0 || position > 1) return false;
    store.listIndex[column - 3][n - 1] = position;
    return true;
}

void channelStartForm(ChannelStore& store) {
    store.clearGrid();
}

}  // namespace zrt

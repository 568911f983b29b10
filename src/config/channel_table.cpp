#include "config/channel_table.h"

#include "config/channel_lists.h"

namespace zrt {

std::string channelFieldText(const Channel& channel, ChannelList list, int languageIndex) {
    if (list == ChannelList::DecodeTone || list == ChannelList::EncodeTone) {
        const ToneChoice& tone = list == ChannelList::DecodeTone ? channel.decodeTone : channel.encodeTone;
        return tone.position == 0 ? channelToneItem(0, languageIndex) : tone.text;
    }
    return channelListItem(list, channel.position(list), languageIndex);
}

std::string rowLabel(int group, int row) {
    return (group == kGroupA ? "A" : "B") + std::to_string(row);
}

std::string channelCellText(const ChannelStore& store, int n, int column, int languageIndex) {
    if (n < 1 || n > kChannelCount || column <= kLabelColumn || column >= kTableColumns) return {};
    if (store.isEmpty(n)) return {};
    const Channel& channel = store[static_cast<std::size_t>(n - 1)];
    if (column == kRxColumn) return channel.rxFrequency;
    if (column == kTxColumn) return channel.txFrequency;
    if (column == kNameColumn) return channel.name;
    return channelFieldText(channel, *listOfColumn(column), languageIndex);
}

}  // namespace zrt

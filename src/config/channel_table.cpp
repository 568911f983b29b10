#include "config/channel_table.h"

#include "config/channel_lists.h"

namespace zrt {

std::string rowLabel(int group, int row) {
    return (group == kGroupA ? "A" : "B") + std::to_string(row);
}

std::string channelCellText(const ChannelStore& store, int n, int column, int languageIndex) {
    if (n < 1 || n > kChannelCount || column <= kLabelColumn || column >= kTableColumns) return {};
    if (store.isEmpty(n)) return {};
    const int i = n - 1;
    if (column == kRxColumn || column == kTxColumn) return store.freq[column - 1][i];
    if (column == kNameColumn) return store.name[i];
    const int position = store.listIndex[column - 3][i];
    if (isToneColumn(column)) {
        return position == 0 ? channelToneItem(0, languageIndex) : store.itemText[column - 3][i];
    }
    return channelListItem(column, position, languageIndex);
}

}  // namespace zrt

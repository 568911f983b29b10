// The channel table's geometry (groups, rows, columns) and what each cell shows when the table is redrawn
// from the per-channel store.
#pragma once

#include <string>

#include "config/channel_store.h"

namespace zrt {

inline constexpr int kRowsPerGroup = 64;
inline constexpr int kGroupA = 1;
inline constexpr int kGroupB = 2;

// Table columns; 0 is the row label, 3..10 are the list columns.
inline constexpr int kTableColumns = 12;
inline constexpr int kLabelColumn = 0;
inline constexpr int kRxColumn = 1;
inline constexpr int kTxColumn = 2;
inline constexpr int kDecodeToneColumn = 3;
inline constexpr int kEncodeToneColumn = 4;
inline constexpr int kNameColumn = 11;

inline constexpr int channelNumber(int group, int row) {
    return (group - 1) * kRowsPerGroup + row;
}
inline constexpr int groupOf(int n) {
    return n <= kRowsPerGroup ? kGroupA : kGroupB;
}
inline constexpr int rowOf(int n) {
    return n <= kRowsPerGroup ? n : n - kRowsPerGroup;
}
inline constexpr bool isToneColumn(int column) {
    return column == kDecodeToneColumn || column == kEncodeToneColumn;
}

// "A1" .. "A64", "B1" .. "B64".
std::string rowLabel(int group, int row);

// The text of column 1..11 of channel n after a redraw: an empty row for a blank channel; otherwise the
// frequencies, the tone texts (the Off item for position 0), the item of Combo5(k) at the stored position and
// the name. Column 0 and anything out of range give "".
std::string channelCellText(const ChannelStore& store, int n, int column, int languageIndex);

}  // namespace zrt

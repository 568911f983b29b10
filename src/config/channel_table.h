// The channel table's geometry (groups, rows, columns), which field of a Channel each column shows (written
// here once), and what each cell shows when the table is redrawn from the channel records.
#pragma once

#include <optional>
#include <string>

#include "config/channel_store.h"

namespace zrt {

inline constexpr int kRowsPerGroup = 64;
inline constexpr int kGroupA = 1;
inline constexpr int kGroupB = 2;

// Table columns: 0 the row label, 1 and 2 the frequencies, 3..10 the lists in ChannelList order, 11 the name.
inline constexpr int kTableColumns = 12;
inline constexpr int kLabelColumn = 0;
inline constexpr int kRxColumn = 1;
inline constexpr int kTxColumn = 2;
inline constexpr int kDecodeToneColumn = 3;
inline constexpr int kEncodeToneColumn = 4;
inline constexpr int kFirstListColumn = 5;  // Combo5(5): power
inline constexpr int kLastListColumn = 10;  // Combo5(10): scramble
inline constexpr int kHiddenColumn = 9;     // Combo5(9): no width, no texts, but a field
inline constexpr int kNameColumn = 11;

// The list a column 3..10 shows; nothing for the other columns.
inline constexpr std::optional<ChannelList> listOfColumn(int column) {
    if (column < kDecodeToneColumn || column > kLastListColumn) return std::nullopt;
    return static_cast<ChannelList>(column - kDecodeToneColumn);
}
inline constexpr int columnOf(ChannelList list) {
    return static_cast<int>(list) + kDecodeToneColumn;
}

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

// What a list field of a channel shows in a language: a tone's text (the Off item for position 0) or the
// list's item at the stored position.
std::string channelFieldText(const Channel& channel, ChannelList list, int languageIndex);

// "A1" .. "A64", "B1" .. "B64".
std::string rowLabel(int group, int row);

// The text of column 1..11 of channel n after a redraw: an empty row for a blank channel; otherwise the
// frequencies, the tone texts (the Off item for position 0), the list's item at the stored position and
// the name. Column 0 and anything out of range give "".
std::string channelCellText(const ChannelStore& store, int n, int column, int languageIndex);

}  // namespace zrt

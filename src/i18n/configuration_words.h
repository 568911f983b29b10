// A configuration in the windows' own words, from their caption tables: the texts `show`, `diff` and the
// window's comparison print for a field (its place, its caption, its value). QtCore only (no widgets), so
// that the command line shares it.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "config/configuration_diff.h"
#include "i18n/captions.h"

namespace zrt::words {

// The text of a caption table's entry; empty when the table has none.
Text caption(std::span<const Caption> table, std::string_view control, CaptionProp prop, int index = 0);
// A caption without its trailing colon and blanks.
std::string withoutColon(std::string_view s);
// "KeyLock Mode:" gives key_lock_mode, "VOX Delay Time(s):" vox_delay_time_s.
std::string snakeCase(std::string_view caption);
// Byte texts of the radio (names, display characters) as UTF-8; for a table, control characters (which an
// image may hold) as '?', so that they cannot upset the terminal.
std::string shown(const std::string& bytes, bool forTable);

// The optional-features window's blocks: its features page and the two VFO frames.
enum class Block { Features, VfoA, VfoB };
Block blockOf(FeatureList f);
Block blockOf(FeatureText f);
Text blockTitle(Block block);

struct Field {
    Text caption;
    std::string value;  // in the language asked for
};
// The fields the window shows in one block (hidden fields left out), texts first in the VFO blocks as the
// window has them on top.
std::vector<Field> fields(const Features& features, Block block, int language, bool forTable);

// The channel table's columns as `show` prints them (the row label first).
inline constexpr int kChannelColumns[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11};
std::string cellText(const ChannelStore& store, int n, int column, int language, bool forTable);
std::string fmListText(int position, std::span<const std::string_view> items);
std::string fmDisplayText(int position, int language);
// "A Channel High Power Grades" for a calibration value's row.
std::string calibrationRow(int group, int grade, int language);

// One field of a comparison in words: where it is ("A1", "A Group VFO", "FM Channel Set 3"), its caption
// ("RX Fre", "Beep:"), a key for JSON in English (rx_fre, beep), and its value in a configuration.
std::string place(const FieldRef& field, int language);
std::string fieldCaption(const FieldRef& field, int language);
std::string fieldKey(const FieldRef& field);
std::string value(const FieldRef& field, const Configuration& config, int language, bool forTable);

}  // namespace zrt::words

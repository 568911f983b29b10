// One row of a channel list made into a channel: the format's columns, what a file that leaves a column out
// means, and the checks of each column, which give a value or the refusal of the whole row.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/band.h"
#include "config/channel_csv.h"
#include "config/csv_table.h"

namespace zrt::csv_row {

enum Column {
    kLocation,
    kName,
    kFrequency,
    kDuplex,
    kOffset,
    kTone,
    kRTone,
    kCTone,
    kDtcs,
    kPolarity,
    kRxDtcs,
    kCross,
    kMode,
    kTStep,
    kSkip,
    kPower,
    kColumnCount,
};
inline constexpr std::array<std::string_view, kColumnCount> kColumnNames{
    "Location", "Name",         "Frequency",  "Duplex",    "Offset", "Tone",  "rToneFreq", "cToneFreq",
    "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",   "TStep", "Skip",      "Power"};

// Where each column is in a file's records; -1 for a column the file does not have.
using ColumnPlaces = std::array<int, kColumnCount>;

// The header's columns, matched by name without regard to case; the first of two equal names counts.
ColumnPlaces columnPlaces(const csv::Record& header);

// A field of a record without the blanks around it; the format's default for a column the file leaves out.
std::string field(const ColumnPlaces& places, const csv::Record& record, Column column);

struct Refusal {
    CsvIssue issue;
    std::string detail, detail2;
};

// What one column check gives: the value, or the refusal of the row. Both convert implicitly, so that a check
// simply returns the one or the other.
template <class T>
struct Checked {
    std::optional<T> value;
    Refusal refusal{};
    Checked(T v) : value(std::move(v)) {}
    Checked(Refusal r) : refusal(std::move(r)) {}
    explicit operator bool() const { return value.has_value(); }
};

// Location: a channel number 1..128.
Checked<int> checkLocation(std::string_view text);

enum class Duplex { Same, Plus, Minus, Split, Off };
Checked<Duplex> checkDuplex(std::string_view text);
// The transmit frequency of an offset (or a "split" frequency) from the stored receive frequency, in Hz.
Checked<long long> checkOffset(Duplex duplex, std::string_view offset, long long rxHz);

// Tone, with rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode and CrossMode as the mode needs them:
// the tone list's items to send and to receive ("" for none).
struct ToneItems {
    std::string transmit, receive;
};
Checked<ToneItems> checkTones(const ColumnPlaces& places, const csv::Record& record);

// Mode: the bandwidth list's position; nothing to keep what the channel has.
Checked<std::optional<int>> checkMode(std::string_view text);
// Power in watts: the power list's position; nothing to keep what the channel has.
Checked<std::optional<int>> checkPower(std::string_view text);
// Skip: the scan list's position, and whether a priority scan was asked for (which the radio does not have).
struct Scan {
    int position = 1;
    bool priority = false;
};
Checked<Scan> checkSkip(std::string_view text);

// The name as the name editor takes it typed: lower case raised, the characters its key filter refuses
// left out, six characters at most.
std::string typedName(std::string_view utf8);

// Channel n made from a row with a receive frequency, in `scratch`, through the channel editor's commits.
// What the format has no column for comes from `current` when the channel is set there. Returns the
// refusal, or nothing with the warnings added.
std::optional<Refusal> buildChannel(const ColumnPlaces& places, const csv::Record& record, int n,
                                    const ChannelStore& current, ChannelStore& scratch, const BandState& band,
                                    std::vector<Refusal>& warnings);

}  // namespace zrt::csv_row

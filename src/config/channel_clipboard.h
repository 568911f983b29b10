// Channel rows on the clipboard: as the comma-separated channel list (for spreadsheets, text editors and
// other programs) and as the program's own record text, which carries every field of a record. A paste lays
// the rows down from a channel on, within its group, through the same per-row checks as an import.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/band.h"
#include "config/channel_csv.h"
#include "config/channel_store.h"

namespace zrt {

// The MIME type of the record text.
inline constexpr std::string_view kChannelRecordsMime = "application/x-zr-t410-channels";

// The given channels as the channel list's CSV (header first, blank channels left out).
std::string channelsAsCsv(const ChannelStore& store, const std::vector<int>& channels,
                          const BandLimits& band);

// The given channels' records, blank ones too, every field kept.
std::string channelsAsRecords(const ChannelStore& store, const std::vector<int>& channels);

struct PasteResult {
    int pasted = 0;        // rows that set or emptied a channel
    int firstChannel = 0;  // the channels the paste may have changed (0 when none)
    int lastChannel = 0;
    std::vector<CsvNote> refused;  // by the line of the pasted text (for records: the record's number)
    std::vector<int> beyondGroup;  // lines that would land past the group's last channel
};

// Pastes CSV text (with or without the header; tab-separated as a spreadsheet copies it) from channel `at`
// on. With a Location column the rows keep their distances (the lowest location lands on `at`), otherwise
// they follow one another. A row with an empty Frequency empties its channel; refused rows leave theirs.
PasteResult pasteCsv(ChannelStore& store, const BandState& band, int at, std::string_view text);

// Pastes record text from channel `at` on, one record per channel, blank records emptying theirs. A
// frequency outside the band refuses its record. Nothing when the text is not record text.
std::optional<PasteResult> pasteRecords(ChannelStore& store, const BandState& band, int at,
                                        std::string_view text);

}  // namespace zrt

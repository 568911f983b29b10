// The channel list as the generic comma-separated memory format of the open-source multi-radio programming
// tools: export of channels, and import row by row through the channel editor's commit rules, with every
// refused row and every change reported by its line. The reports are identifiers with their details; the
// shell words them (i18n/channel_csv_texts.h).
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "config/band.h"
#include "config/channel_store.h"
#include "config/text.h"

namespace zrt {

inline constexpr std::string_view kCsvHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
    "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

// A channel list larger than this is not one (128 rows of a few hundred bytes): the window and the command
// line refuse it before reading it.
inline constexpr std::size_t kMaxChannelCsvBytes = 4 * 1024 * 1024;

// Why a file or a row was refused, what an import changed on the way, or what an export could not carry.
enum class CsvIssue {
    // The whole file
    NotAChannelList,
    MissingColumn,
    // A row, refused
    UnterminatedQuote,
    BadLocation,
    DuplicateLocation,
    BadFrequency,
    OutOfBand,
    TxOutOfBand,
    BadDuplex,
    BadOffset,
    BadToneMode,
    ReverseToneMode,
    BadCrossMode,
    UnknownCtcss,
    UnknownDcs,
    BadPolarity,
    BadMode,
    BadPower,
    BadSkip,
    // A row, imported with a change
    NameChanged,
    FrequencySnapped,
    PriorityScan,
    // An exported channel
    ExportBadFrequency,
    ExportBadTxFrequency,
    ExportUnknownTone,
};

struct CsvNote {
    int line = 0;      // the file's line (import); 0 when the note is about the whole file
    int location = 0;  // the channel: of an export, and of an import row once its Location is known
    CsvIssue issue{};
    std::string detail;   // fills %1 of the issue's text
    std::string detail2;  // fills %2
};

// ---- Export -----------------------------------------------------------------------------------------

struct CsvExport {
    std::string text;  // UTF-8, CR LF line ends, the header first
    int channels = 0;  // rows written
    std::vector<CsvNote> notes;
};

// A channel with the Location it is written at.
struct LocatedChannel {
    int location = 0;
    Channel channel;
};

// The channels in the order given, each that has a receive frequency. The band decides where a transmit
// frequency is a plain offset ("+" or "-": both frequencies in the same range of the band) and where it is
// written as "split".
CsvExport exportChannelsCsv(std::span<const LocatedChannel> channels, const BandLimits& band);
// Every channel of the store that has a receive frequency, in channel order.
CsvExport exportChannelsCsv(const ChannelStore& store, const BandLimits& band);

// ---- Import -----------------------------------------------------------------------------------------

// Whether a text is one of these files: after a byte-order mark and any comment lines it starts with
// "Location,".
bool isChannelCsv(std::string_view text);

// An accepted row: the channel it makes at its Location (an empty channel for a row with an empty Frequency).
struct CsvRow {
    int line = 0;
    int location = 0;
    Channel channel;
};

struct CsvRows {
    bool fileRefused = false;      // nothing was looked at past the header; the note is in `refused`
    std::vector<CsvRow> accepted;  // in the file's order, each Location once
    std::vector<CsvNote> refused;
    std::vector<CsvNote> warnings;
};

// Every row of a list checked as the channel editor checks a typed value for the band in force. What the
// format has no column for comes from the channel of `current` at the row's Location (defaults for a blank
// one). Nothing is changed: the caller puts the accepted rows where it wants them.
CsvRows readChannelRows(std::string_view text, const ChannelStore& current, const BandState& band);

struct CsvImportOptions {
    bool replace = false;  // channels the file does not list are emptied; otherwise they keep their values
};

struct CsvImport {
    bool fileRefused = false;  // nothing was looked at past the header; the note is in `refused`
    int imported = 0;          // rows that set a channel
    int emptied = 0;           // rows with an empty Frequency, and with `replace` the unlisted channels
    std::vector<CsvNote> refused;
    std::vector<CsvNote> warnings;

    // The refusals and the warnings together in the order of the file's lines, a refusal before a warning
    // of the same line: what the window and the command line report.
    std::vector<CsvNote> notes() const;
};

// Puts every accepted row into the store at its Location. A refused row leaves its channel as it was; the
// caller decides whether the store of a partly refused file is kept.
CsvImport importChannelsCsv(std::string_view text, ChannelStore& store, const BandState& band,
                            CsvImportOptions options = {});

}  // namespace zrt

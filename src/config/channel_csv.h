// The channel list as the generic comma-separated memory format of the open-source multi-radio programming
// tools: export of the channel store, and import row by row through the channel editor's commit rules,
// with every refused row and every change reported by its line.
#pragma once

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
    int location = 0;  // the channel (export)
    CsvIssue issue{};
    std::string detail;   // fills %1 of the issue's text
    std::string detail2;  // fills %2
};

// The issue's text in a language with its details filled in.
std::string csvIssueText(const CsvNote& note, int languageIndex);
// The note as one line of a report: "Line 7: ..." for an import, "Channel 5: ..." for an export.
std::string csvNoteText(const CsvNote& note, int languageIndex);

struct CsvExport {
    std::string text;  // UTF-8, CR LF line ends, the header first
    int channels = 0;  // rows written
    std::vector<CsvNote> notes;
};

// Every channel that has a receive frequency, in channel order. The band decides where a transmit
// frequency is a plain offset ("+" or "-": both frequencies in the same range of the band) and where it
// is written as "split".
CsvExport exportChannelsCsv(const ChannelStore& store, const BandLimits& band);

struct CsvImportOptions {
    bool replace = false;  // channels the file does not list are emptied; otherwise they keep their values
};

struct CsvImport {
    bool fileRefused = false;  // nothing was looked at past the header; the note is in `refused`
    int imported = 0;          // rows that set a channel
    int emptied = 0;           // rows with an empty Frequency, and with `replace` the unlisted channels
    std::vector<CsvNote> refused;
    std::vector<CsvNote> warnings;
};

// Whether a text is one of these files: after a byte-order mark and any comment lines it starts with
// "Location,".
bool isChannelCsv(std::string_view text);

// Puts every acceptable row into the store at its Location, each checked as the channel editor checks a
// typed value for the band in force. A refused row leaves its channel as it was; the caller decides
// whether the store of a partly refused file is kept.
CsvImport importChannelsCsv(std::string_view text, ChannelStore& store, const BandState& band,
                            CsvImportOptions options = {});

// Report texts shared by the window and the command line. %1 .. %3 are numbers.
inline constexpr Text kCsvImportSummary{"%1 channels imported, %2 emptied, %3 rows refused.",
                                        "已导入 %1 个信道，清空 %2 个，拒绝 %3 行。"};
inline constexpr Text kCsvExportSummary{"%1 channels exported.", "已导出 %1 个信道。"};
inline constexpr Text kCsvNothingWritten{
    "Nothing was written: correct the refused rows, or import without them.",
    "未写入任何内容：请修改被拒绝的行，或不导入这些行。"};

inline constexpr Text kCsvImportTheRest{"Import the other rows?", "是否导入其他行？"};
inline constexpr Text kCsvMoreLines{"… and %1 more", "……另有 %1 行"};
inline constexpr Text kCsvReportTitle{"Suggestion", "提示"};
inline constexpr Text kCsvQuestionTitle{"Be careful", "注意"};
inline constexpr Text kCsvErrorTitle{"Mistake", "错误"};

// Fills %1, %2, ... of a text.
std::string fillText(std::string_view text, const std::vector<std::string>& values);

}  // namespace zrt

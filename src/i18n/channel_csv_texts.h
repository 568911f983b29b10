// The words of the channel lists' reports in both languages: each refusal, change and export note, the
// summaries and the titles of the window's boxes. Qt-free, shared by the window and the command line.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "config/channel_csv.h"
#include "config/text.h"

namespace zrt {

// The issue's text in a language with its details filled in.
std::string csvIssueText(const CsvNote& note, int languageIndex);
// The note as one line of a report: "Line 7: ..." for an import, "Channel 5: ..." for an export.
std::string csvNoteText(const CsvNote& note, int languageIndex);

// A report box's lines: the first kReportLines, then how many more there are.
inline constexpr std::size_t kReportLines = 15;
std::vector<std::string> reportLines(std::vector<std::string> lines, int languageIndex);

// "3 channels imported, 1 emptied, 2 rows refused."
std::string csvImportSummary(const CsvImport& result, int languageIndex);

// %1 .. %3 are numbers.
inline constexpr Text kCsvImportSummary{"%1 channels imported, %2 emptied, %3 rows refused.",
                                        "已导入 %1 个信道，清空 %2 个，拒绝 %3 行。"};
inline constexpr Text kCsvExportSummary{"%1 channels exported.", "已导出 %1 个信道。"};
inline constexpr Text kCsvNothingWritten{
    "Nothing was written: correct the refused rows, or import without them.",
    "未写入任何内容：请修改被拒绝的行，或不导入这些行。"};
// Followed by the file's path.
inline constexpr Text kCsvTooLarge{"The file is too large for a channel list: ", "文件太大，不是信道列表："};

inline constexpr Text kCsvImportTheRest{"Import the other rows?", "是否导入其他行？"};
inline constexpr Text kCsvMoreLines{"… and %1 more", "……另有 %1 行"};
inline constexpr Text kCsvReportTitle{"Suggestion", "提示"};
inline constexpr Text kCsvQuestionTitle{"Be careful", "注意"};
inline constexpr Text kCsvErrorTitle{"Mistake", "错误"};

}  // namespace zrt

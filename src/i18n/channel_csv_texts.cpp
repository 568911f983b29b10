#include "i18n/channel_csv_texts.h"

namespace zrt {

namespace {

struct IssueText {
    CsvIssue issue;
    Text text;
};

constexpr IssueText kIssueTexts[] = {
    {CsvIssue::NotAChannelList,
     {"The file is not a channel list: its first line must start with Location,",
      "文件不是信道列表：第一行必须以 Location, 开头"}},
    {CsvIssue::MissingColumn, {"The column %1 is missing", "缺少 %1 列"}},
    {CsvIssue::UnterminatedQuote, {"A quoted field is never closed", "引号中的字段没有结束"}},
    {CsvIssue::BadLocation,
     {"Location %1 is not a channel number from 1 to 128", "位置 %1 不是 1 到 128 的信道号"}},
    {CsvIssue::DuplicateLocation, {"Location %1 was already given on line %2", "位置 %1 已在第 %2 行出现"}},
    {CsvIssue::BadFrequency, {"Frequency %1 is not a number", "频率 %1 不是数字"}},
    {CsvIssue::OutOfBand,
     {"Frequency %1 MHz: Beyond the scope of frequency band", "频率 %1 MHz：超出频段范围"}},
    {CsvIssue::TxOutOfBand,
     {"Transmit frequency %1 MHz: Beyond the scope of frequency band", "发射频率 %1 MHz：超出频段范围"}},
    {CsvIssue::BadDuplex,
     {"Duplex %1 is not one of \"\", +, -, split, off", "Duplex 值 %1 不是 \"\"、+、-、split、off 之一"}},
    {CsvIssue::BadOffset, {"Offset %1 is not a frequency", "Offset 值 %1 不是频率"}},
    {CsvIssue::BadToneMode, {"Tone mode %1 is not known", "未知的亚音模式 %1"}},
    {CsvIssue::ReverseToneMode,
     {"Tone mode %1 (reverse tone squelch) is not available on this radio", "本机没有反向亚音模式 %1"}},
    {CsvIssue::BadCrossMode, {"Cross mode %1 is not known", "未知的交叉亚音模式 %1"}},
    {CsvIssue::UnknownCtcss, {"Tone %1 is not in the tone list", "亚音频 %1 不在亚音频列表中"}},
    {CsvIssue::UnknownDcs, {"DCS code %1 is not in the tone list", "数字亚音 %1 不在亚音频列表中"}},
    {CsvIssue::BadPolarity,
     {"DTCS polarity %1 is not two letters N or R", "数字亚音极性 %1 不是两个 N 或 R 字母"}},
    {CsvIssue::BadMode,
     {"Mode %1 is not available on this radio (FM or NFM only)", "本机没有 %1 模式（只有 FM 和 NFM）"}},
    {CsvIssue::BadPower, {"Power %1 is not a number of watts", "功率 %1 不是瓦数"}},
    {CsvIssue::BadSkip, {"Skip %1 is not one of \"\", S, P", "Skip 值 %1 不是 \"\"、S、P 之一"}},
    {CsvIssue::NameChanged,
     {"Name \"%1\" became \"%2\" (at most six characters, no spaces or signs the radio cannot show)",
      "名称“%1”改为“%2”（最多六个字符，不能有空格或本机无法显示的符号）"}},
    {CsvIssue::FrequencySnapped,
     {"Frequency %1 MHz moved onto the channel raster: %2", "频率 %1 MHz 已调整到信道步进：%2"}},
    {CsvIssue::PriorityScan,
     {"Skip P (priority scan) becomes a plain member of the scan list",
      "Skip 值 P（优先扫描）改为普通扫描添加"}},
    {CsvIssue::ExportBadFrequency,
     {"Receive frequency %1 is not a frequency; the channel is not exported",
      "接收频率 %1 不是有效频率；该信道未导出"}},
    {CsvIssue::ExportBadTxFrequency,
     {"Transmit frequency %1 is not a frequency; written as off",
      "发射频率 %1 不是有效频率；按无发射频率导出"}},
    {CsvIssue::ExportUnknownTone,
     {"Tone %1 is not in the tone list; written without it", "亚音频 %1 不在亚音频列表中；导出时省略"}},
};

constexpr Text kLinePrefix{"Line %1: ", "第 %1 行："};
constexpr Text kChannelPrefix{"Channel %1: ", "信道 %1："};

}  // namespace

std::string csvIssueText(const CsvNote& note, int languageIndex) {
    for (const IssueText& t : kIssueTexts)
        if (t.issue == note.issue) return fillText(t.text.in(languageIndex), {note.detail, note.detail2});
    return {};
}

std::string csvNoteText(const CsvNote& note, int languageIndex) {
    std::string prefix;
    if (note.line > 0)
        prefix = fillText(kLinePrefix.in(languageIndex), {std::to_string(note.line)});
    else if (note.location > 0)
        prefix = fillText(kChannelPrefix.in(languageIndex), {std::to_string(note.location)});
    return prefix + csvIssueText(note, languageIndex);
}

std::vector<std::string> reportLines(std::vector<std::string> lines, int languageIndex) {
    if (lines.size() <= kReportLines) return lines;
    const std::size_t more = lines.size() - kReportLines;
    lines.resize(kReportLines);
    lines.push_back(fillText(kCsvMoreLines.in(languageIndex), {std::to_string(more)}));
    return lines;
}

std::string csvImportSummary(const CsvImport& result, int languageIndex) {
    return fillText(kCsvImportSummary.in(languageIndex),
                    {std::to_string(result.imported), std::to_string(result.emptied),
                     std::to_string(result.refused.size())});
}

}  // namespace zrt

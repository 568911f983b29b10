#include "config/channel_csv.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>

#include "config/channel_edit.h"
#include "config/channel_keys.h"
#include "config/channel_lists.h"
#include "config/channel_table.h"
#include "config/csv_table.h"
#include "image/tone_list.h"

namespace zrt {

namespace {

// ---- Texts ---------------------------------------------------------------------------------------

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

// ---- Numbers -------------------------------------------------------------------------------------

std::string trim(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t'))
        ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t'))
        --e;
    return std::string(s.substr(b, e - b));
}

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return upper(a) == upper(b);
}

// Digits with at most one point and at least one digit; nothing else, no sign.
bool isPlainDecimal(std::string_view s) {
    bool point = false, digit = false;
    for (char c : s) {
        if (c == '.') {
            if (point) return false;
            point = true;
        } else if (c >= '0' && c <= '9') {
            digit = true;
        } else {
            return false;
        }
    }
    return digit;
}

// A frequency in MHz as whole Hz, rounded half up at the sixth decimal.
std::optional<long long> parseHz(std::string_view s) {
    if (!isPlainDecimal(s)) return std::nullopt;
    const std::size_t point = s.find('.');
    const std::string_view whole = s.substr(0, point);
    const std::string_view frac = point == std::string_view::npos ? std::string_view() : s.substr(point + 1);
    if (whole.size() > 6) return std::nullopt;
    long long hz = 0;
    for (char c : whole)
        hz = hz * 10 + (c - '0');
    for (std::size_t k = 0; k < 6; ++k)
        hz = hz * 10 + (k < frac.size() ? frac[k] - '0' : 0);
    if (frac.size() > 6 && frac[6] >= '5') ++hz;
    return hz;
}

std::string formatMHz6(long long hz) {
    std::string frac = std::to_string(hz % 1000000);
    frac.insert(0, 6 - frac.size(), '0');
    return std::to_string(hz / 1000000) + "." + frac;
}

// 1 for the band's A range, 2 for its B range, 0 outside both.
int rangeOf(long long hz, const BandLimits& band) {
    constexpr long long kMHz = 1000000;
    if (hz >= band.aLow * kMHz && hz < band.aHigh * kMHz) return 1;
    if (hz >= band.bLow * kMHz && hz < band.bHigh * kMHz) return 2;
    return 0;
}

// ---- Names: bytes of the radio's single-byte code page, UTF-8 in the file ---------------------------

std::string latin1ToUtf8(std::string_view bytes) {
    std::string out;
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x20 || b == 0x7F) continue;  // nothing a spreadsheet cell should hold
        if (b < 0x80) {
            out += static_cast<char>(b);
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

// The code points of a UTF-8 text; a malformed sequence gives U+FFFD.
std::vector<char32_t> codePoints(std::string_view s) {
    std::vector<char32_t> out;
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t extra = 0;
        char32_t cp = b;
        if ((b & 0xE0) == 0xC0) {
            extra = 1;
            cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2;
            cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3;
            cp = b & 0x07;
        } else if (b >= 0x80) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        bool ok = i + extra < s.size();
        for (std::size_t k = 1; ok && k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            ok = (c & 0xC0) == 0x80;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (!ok) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        out.push_back(cp);
        i += extra + 1;
    }
    return out;
}

// The name as the name editor takes it typed: lower case raised, the characters its key filter refuses
// left out, six characters at most.
std::string typedName(std::string_view utf8) {
    std::string out;
    for (char32_t cp : codePoints(utf8)) {
        if (cp == kBackspaceKey) continue;
        const std::optional<char32_t> key = filterNameKey(cp);
        if (!key || *key > 0xFF) continue;
        if (out.size() < static_cast<std::size_t>(kNameMaxLength)) out += static_cast<char>(*key);
    }
    return out;
}

// ---- Tones ---------------------------------------------------------------------------------------

struct Tone {
    enum class Kind { None, Ctcss, Dcs } kind = Kind::None;
    std::string value;    // "88.5" or "023"
    char polarity = 'N';  // the format's letter: N normal, R reversed (our "I")
};

// A channel's tone in the format's terms; nothing when its text is not in the tone list.
std::optional<Tone> formatTone(const ToneChoice& tone) {
    if (tone.position == 0) return Tone{};
    const std::string& text = tone.text;
    const int p = toneListIndex(text);
    if (p == 0) return std::nullopt;
    if (p < kFirstDcsNormal) return Tone{Tone::Kind::Ctcss, text, 'N'};
    return Tone{Tone::Kind::Dcs, text.substr(1, 3), p < kFirstDcsInverted ? 'N' : 'R'};
}

// A CTCSS tone of the file as our list's item: "88.5", "88.50" and "088.5" are the same tone.
std::optional<std::string> ctcssItem(std::string_view field) {
    if (!isPlainDecimal(field)) return std::nullopt;
    const std::size_t point = field.find('.');
    std::string whole(field.substr(0, point));
    const std::string frac =
        point == std::string_view::npos ? std::string() : std::string(field.substr(point + 1));
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.empty()) return std::nullopt;
    if (frac.size() > 1 && frac.find_first_not_of('0', 1) != std::string::npos) return std::nullopt;
    const std::string item = whole + "." + (frac.empty() ? '0' : frac[0]);
    const int p = toneListIndex(item);
    if (p < kFirstCtcss || p >= kFirstDcsNormal) return std::nullopt;
    return item;
}

std::string dcsCodeText(std::string_view field) {
    std::string code(field);
    if (!code.empty() && code.size() < 3 &&
        std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; }))
        code.insert(0, 3 - code.size(), '0');
    return code;
}

std::optional<std::string> dcsItem(std::string_view field, char polarity) {
    const std::string code = dcsCodeText(field);
    if (code.size() != 3) return std::nullopt;
    const std::string item = "D" + code + (polarity == 'R' ? "I" : "N");
    const int p = toneListIndex(item);
    if (p < kFirstDcsNormal) return std::nullopt;
    return item;
}

// ---- Export --------------------------------------------------------------------------------------

constexpr std::string_view kDefaultTone = "88.5";
constexpr std::string_view kDefaultDcs = "023";
constexpr std::string_view kDefaultCross = "Tone->Tone";
constexpr std::string_view kHighWatts = "5.0W";
constexpr std::string_view kLowWatts = "1.0W";
constexpr double kHighFromWatts = 2.5;

std::string_view kindName(Tone::Kind k) {
    return k == Tone::Kind::Ctcss ? "Tone" : k == Tone::Kind::Dcs ? "DTCS" : "";
}

}  // namespace

std::string fillText(std::string_view text, const std::vector<std::string>& values) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const std::size_t k = static_cast<std::size_t>(text[i + 1] - '1');
            if (k < values.size()) out += values[k];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

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

CsvExport exportChannelsCsv(const ChannelStore& store, const BandLimits& band) {
    CsvExport out;
    out.text = std::string(kCsvHeader) + "\r\n";
    for (int n = 1; n <= kChannelCount; ++n) {
        if (store.isEmpty(n)) continue;
        const Channel& channel = store[static_cast<std::size_t>(n - 1)];
        auto note = [&](CsvIssue issue, std::string detail) {
            out.notes.push_back({0, n, issue, std::move(detail), {}});
        };
        const std::optional<long long> rx = parseHz(channel.rxFrequency);
        if (!rx) {
            note(CsvIssue::ExportBadFrequency, channel.rxFrequency);
            continue;
        }
        std::string duplex, offset = formatMHz6(0);
        if (channel.txFrequency.empty()) {
            duplex = "off";
        } else if (const std::optional<long long> tx = parseHz(channel.txFrequency); !tx) {
            note(CsvIssue::ExportBadTxFrequency, channel.txFrequency);
            duplex = "off";
        } else if (*tx != *rx) {
            const int r = rangeOf(*rx, band);
            if (r != 0 && r == rangeOf(*tx, band)) {
                duplex = *tx > *rx ? "+" : "-";
                offset = formatMHz6(*tx > *rx ? *tx - *rx : *rx - *tx);
            } else {
                duplex = "split";
                offset = formatMHz6(*tx);
            }
        }

        auto toneOf = [&](const ToneChoice& choice) {
            std::optional<Tone> t = formatTone(choice);
            if (!t) {
                note(CsvIssue::ExportUnknownTone, choice.text);
                return Tone{};
            }
            return *t;
        };
        const Tone rxTone = toneOf(channel.decodeTone);
        const Tone txTone = toneOf(channel.encodeTone);
        std::string mode, rTone(kDefaultTone), cTone(kDefaultTone), dtcs(kDefaultDcs), rxDtcs(kDefaultDcs),
            cross(kDefaultCross);
        char txPolarity = 'N', rxPolarity = 'N';
        using K = Tone::Kind;
        if (txTone.kind == K::None && rxTone.kind == K::None) {
        } else if (txTone.kind == K::Ctcss && rxTone.kind == K::None) {
            mode = "Tone";
            rTone = txTone.value;
        } else if (txTone.kind == K::Ctcss && rxTone.kind == K::Ctcss && txTone.value == rxTone.value) {
            mode = "TSQL";
            rTone = cTone = txTone.value;
        } else if (txTone.kind == K::Dcs && rxTone.kind == K::Dcs && txTone.value == rxTone.value) {
            mode = "DTCS";
            dtcs = rxDtcs = txTone.value;
            txPolarity = txTone.polarity;
            rxPolarity = rxTone.polarity;
        } else {
            mode = "Cross";
            if (txTone.kind == K::Ctcss) rTone = txTone.value;
            if (txTone.kind == K::Dcs) {
                dtcs = txTone.value;
                txPolarity = txTone.polarity;
            }
            if (rxTone.kind == K::Ctcss) cTone = rxTone.value;
            if (rxTone.kind == K::Dcs) {
                rxDtcs = rxTone.value;
                rxPolarity = rxTone.polarity;
            }
            cross = std::string(kindName(txTone.kind)) + "->" + std::string(kindName(rxTone.kind));
        }

        const std::vector<std::string> row{
            std::to_string(n),
            latin1ToUtf8(channel.name),
            formatMHz6(*rx),
            duplex,
            offset,
            mode,
            rTone,
            cTone,
            dtcs,
            std::string{txPolarity, rxPolarity},
            rxDtcs,
            cross,
            channel.bandwidth == 0 ? "NFM" : "FM",
            "5.00",
            channel.scan == 0 ? "S" : "",
            std::string(channel.power == 0 ? kLowWatts : kHighWatts),
            "",
            "",
            "",
            "",
            "",
        };
        out.text += csv::join(row) + "\r\n";
        ++out.channels;
    }
    return out;
}

// ---- Import --------------------------------------------------------------------------------------

bool isChannelCsv(std::string_view input) {
    std::string_view text = csv::withoutBom(input);
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        if (!line.empty() && line.front() != '#') return line.starts_with("Location,");
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return false;
}

namespace {

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
constexpr std::array<std::string_view, kColumnCount> kColumnNames{
    "Location", "Name",         "Frequency",  "Duplex",    "Offset", "Tone",  "rToneFreq", "cToneFreq",
    "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",   "TStep", "Skip",      "Power"};

// Defaults of the format for columns a file leaves out.
constexpr std::array<std::string_view, kColumnCount> kColumnDefaults{
    "", "", "", "", "", "", kDefaultTone, kDefaultTone, kDefaultDcs, "NN", kDefaultDcs, kDefaultCross,
    "", "", "", ""};

struct Refusal {
    CsvIssue issue;
    std::string detail, detail2;
};

class RowReader {
  public:
    RowReader(const std::array<int, kColumnCount>& columns, const csv::Record& record)
        : columns_(columns), record_(record) {}

    std::string get(Column c) const {
        const int k = columns_[c];
        if (k < 0) return std::string(kColumnDefaults[c]);
        if (static_cast<std::size_t>(k) >= record_.fields.size()) return {};
        return trim(record_.fields[static_cast<std::size_t>(k)]);
    }
    bool has(Column c) const { return columns_[c] >= 0; }

  private:
    const std::array<int, kColumnCount>& columns_;
    const csv::Record& record_;
};

// Builds channel n of `scratch` from one row; returns the refusal, or nothing with the warnings added.
std::optional<Refusal> buildChannel(const RowReader& row, int n, const ChannelStore& current,
                                    ChannelStore& scratch, const BandState& band,
                                    std::vector<Refusal>& warnings) {
    const std::size_t i = static_cast<std::size_t>(n - 1);
    scratch.clearChannel(n);

    // Receive frequency, as typed into the table.
    const std::string rxText = row.get(kFrequency);
    if (!isPlainDecimal(rxText)) return Refusal{CsvIssue::BadFrequency, rxText, {}};
    const FrequencyCommit rx = commitFrequency(scratch, band, n, ChannelFrequency::Receive, rxText);
    if (rx.outcome == FrequencyOutcome::OutOfBand) return Refusal{CsvIssue::OutOfBand, rxText, {}};
    if (rx.outcome != FrequencyOutcome::Stored) return Refusal{CsvIssue::BadFrequency, rxText, {}};
    if (parseHz(rxText) != parseHz(rx.text))
        warnings.push_back({CsvIssue::FrequencySnapped, rxText, rx.text});

    // What the format has no column for stays as the channel had it; a new channel has the defaults.
    const bool existing = !current.isEmpty(n);
    if (existing) {
        scratch[i].busyLock = current[i].busyLock;
        scratch[i].hidden = current[i].hidden;
        scratch[i].scramble = current[i].scramble;
    }

    // Transmit frequency.
    const std::string duplex = row.get(kDuplex);
    if (equalsNoCase(duplex, "off")) {
        scratch[i].txFrequency.clear();
    } else if (duplex == "+" || duplex == "-" || equalsNoCase(duplex, "split")) {
        const std::string offsetText = row.get(kOffset);
        const std::optional<long long> offset = parseHz(offsetText);
        const long long rxHz = parseHz(rx.text).value_or(0);
        if (!offset) return Refusal{CsvIssue::BadOffset, offsetText, {}};
        const long long txHz = duplex == "+" ? rxHz + *offset : duplex == "-" ? rxHz - *offset : *offset;
        if (txHz <= 0) return Refusal{CsvIssue::BadOffset, offsetText, {}};
        const std::string txText = formatMHz6(txHz);
        const FrequencyCommit tx = commitFrequency(scratch, band, n, ChannelFrequency::Transmit, txText);
        if (tx.outcome == FrequencyOutcome::OutOfBand) return Refusal{CsvIssue::TxOutOfBand, txText, {}};
        if (tx.outcome != FrequencyOutcome::Stored) return Refusal{CsvIssue::BadOffset, offsetText, {}};
        if (parseHz(txText) != parseHz(tx.text))
            warnings.push_back({CsvIssue::FrequencySnapped, txText, tx.text});
    } else if (!duplex.empty()) {
        return Refusal{CsvIssue::BadDuplex, duplex, {}};
    }

    // Tones: transmit into the encode column, receive into the decode column.
    std::optional<char> txPolarity, rxPolarity;
    auto polarities = [&]() -> std::optional<Refusal> {
        const std::string p = upper(row.get(kPolarity));
        const std::string pair = p.empty() ? "NN" : p;
        if (pair.size() != 2 || (pair[0] != 'N' && pair[0] != 'R') || (pair[1] != 'N' && pair[1] != 'R'))
            return Refusal{CsvIssue::BadPolarity, p, {}};
        txPolarity = pair[0];
        rxPolarity = pair[1];
        return std::nullopt;
    };
    std::string txItem, rxItem;
    auto ctcss = [&](Column c, std::string& item) -> std::optional<Refusal> {
        const std::string v = row.get(c);
        const std::optional<std::string> t = ctcssItem(v);
        if (!t) return Refusal{CsvIssue::UnknownCtcss, v, {}};
        item = *t;
        return std::nullopt;
    };
    auto dcs = [&](Column c, bool transmit, std::string& item) -> std::optional<Refusal> {
        if (!txPolarity)
            if (auto r = polarities()) return r;
        const std::string v = row.get(c);
        const std::optional<std::string> t = dcsItem(v, transmit ? *txPolarity : *rxPolarity);
        if (!t) return Refusal{CsvIssue::UnknownDcs, v, {}};
        item = *t;
        return std::nullopt;
    };

    const std::string mode = row.get(kTone);
    if (mode.empty()) {
    } else if (equalsNoCase(mode, "Tone")) {
        if (auto r = ctcss(kRTone, txItem)) return r;
    } else if (equalsNoCase(mode, "TSQL")) {
        if (auto r = ctcss(kCTone, txItem)) return r;
        rxItem = txItem;
    } else if (equalsNoCase(mode, "DTCS")) {
        // The format uses DtcsCode both ways here; RxDtcsCode counts only in the Cross modes that receive a
        // code, so whatever it holds in a DTCS row is ignored, as the program that wrote the list ignores it.
        if (auto r = dcs(kDtcs, true, txItem)) return r;
        if (auto r = dcs(kDtcs, false, rxItem)) return r;
    } else if (equalsNoCase(mode, "Cross")) {
        const std::string cross = row.get(kCross);
        const std::size_t arrow = cross.find("->");
        if (arrow == std::string::npos) return Refusal{CsvIssue::BadCrossMode, cross, {}};
        const std::string txKind = cross.substr(0, arrow), rxKind = cross.substr(arrow + 2);
        auto known = [](const std::string& k) { return k.empty() || k == "Tone" || k == "DTCS"; };
        if (!known(txKind) || !known(rxKind) || (txKind.empty() && rxKind.empty()))
            return Refusal{CsvIssue::BadCrossMode, cross, {}};
        if (txKind == "Tone")
            if (auto r = ctcss(kRTone, txItem)) return r;
        if (txKind == "DTCS")
            if (auto r = dcs(kDtcs, true, txItem)) return r;
        if (rxKind == "Tone")
            if (auto r = ctcss(kCTone, rxItem)) return r;
        if (rxKind == "DTCS")
            if (auto r = dcs(kRxDtcs, false, rxItem)) return r;
    } else if (equalsNoCase(mode, "TSQL-R") || equalsNoCase(mode, "DTCS-R")) {
        return Refusal{CsvIssue::ReverseToneMode, mode, {}};
    } else {
        return Refusal{CsvIssue::BadToneMode, mode, {}};
    }
    if (!txItem.empty()) commitListChoice(scratch, n, ChannelList::EncodeTone, toneListIndex(txItem), txItem);
    if (!rxItem.empty()) commitListChoice(scratch, n, ChannelList::DecodeTone, toneListIndex(rxItem), rxItem);

    // Mode: wide or narrow.
    const std::string width = row.get(kMode);
    if (equalsNoCase(width, "FM")) {
        commitListChoice(scratch, n, ChannelList::Bandwidth, 1, {});
    } else if (equalsNoCase(width, "NFM")) {
        commitListChoice(scratch, n, ChannelList::Bandwidth, 0, {});
    } else if (width.empty()) {
        if (existing) scratch[i].bandwidth = current[i].bandwidth;
    } else {
        return Refusal{CsvIssue::BadMode, width, {}};
    }

    // Power in watts.
    std::string watts = row.get(kPower);
    if (watts.empty()) {
        if (existing) scratch[i].power = current[i].power;
    } else {
        std::string number = watts;
        if (number.back() == 'W' || number.back() == 'w') number = trim(number.substr(0, number.size() - 1));
        const std::optional<long long> microwatts = parseHz(number);
        if (!microwatts) return Refusal{CsvIssue::BadPower, watts, {}};
        const bool high = static_cast<double>(*microwatts) >= kHighFromWatts * 1e6;
        commitListChoice(scratch, n, ChannelList::Power, high ? 1 : 0, {});
    }

    // Scan list membership.
    const std::string skip = upper(row.get(kSkip));
    if (skip.empty() || skip == "P") {
        commitListChoice(scratch, n, ChannelList::Scan, 1, {});
        if (skip == "P") warnings.push_back({CsvIssue::PriorityScan, {}, {}});
    } else if (skip == "S") {
        commitListChoice(scratch, n, ChannelList::Scan, 0, {});
    } else {
        return Refusal{CsvIssue::BadSkip, row.get(kSkip), {}};
    }

    // Name, as typed into the name editor.
    const std::string given = row.get(kName);
    const std::string name = typedName(given);
    if (name != upper(given)) warnings.push_back({CsvIssue::NameChanged, given, name});
    commitName(scratch, n, name);
    return std::nullopt;
}

}  // namespace

CsvImport importChannelsCsv(std::string_view text, ChannelStore& store, const BandState& band,
                            CsvImportOptions options) {
    CsvImport result;
    const std::vector<csv::Record> records = csv::parse(text);
    if (!isChannelCsv(text) || records.empty()) {
        result.fileRefused = true;
        result.refused.push_back({0, 0, CsvIssue::NotAChannelList, {}, {}});
        return result;
    }
    std::array<int, kColumnCount> columns;
    columns.fill(-1);
    const csv::Record& header = records.front();
    for (std::size_t k = 0; k < header.fields.size(); ++k) {
        const std::string name = trim(header.fields[k]);
        for (int c = 0; c < kColumnCount; ++c)
            if (columns[c] < 0 && equalsNoCase(name, kColumnNames[c])) columns[c] = static_cast<int>(k);
    }
    for (Column required : {kLocation, kFrequency}) {
        if (columns[required] < 0) {
            result.fileRefused = true;
            result.refused.push_back(
                {header.line, 0, CsvIssue::MissingColumn, std::string(kColumnNames[required]), {}});
            return result;
        }
    }

    std::map<int, int> lineOfLocation;  // locations the file lists, with the first line naming them
    ChannelStore scratch;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const csv::Record& record = records[r];
        auto refuse = [&](CsvIssue issue, std::string detail = {}, std::string detail2 = {}) {
            result.refused.push_back({record.line, 0, issue, std::move(detail), std::move(detail2)});
        };
        if (record.unterminated) {
            refuse(CsvIssue::UnterminatedQuote);
            continue;
        }
        const RowReader row(columns, record);
        const std::string locationText = row.get(kLocation);
        const bool digits = !locationText.empty() && locationText.size() <= 3 &&
                            std::all_of(locationText.begin(), locationText.end(),
                                        [](char c) { return c >= '0' && c <= '9'; });
        const int n = digits ? std::stoi(locationText) : 0;
        if (n < 1 || n > kChannelCount) {
            refuse(CsvIssue::BadLocation, locationText);
            continue;
        }
        if (auto seen = lineOfLocation.find(n); seen != lineOfLocation.end()) {
            refuse(CsvIssue::DuplicateLocation, locationText, std::to_string(seen->second));
            continue;
        }
        lineOfLocation[n] = record.line;

        if (row.get(kFrequency).empty()) {
            store.clearChannel(n);
            ++result.emptied;
            continue;
        }
        std::vector<Refusal> warnings;
        if (std::optional<Refusal> refusal = buildChannel(row, n, store, scratch, band, warnings)) {
            refuse(refusal->issue, refusal->detail, refusal->detail2);
            continue;
        }
        store[static_cast<std::size_t>(n - 1)] = scratch[static_cast<std::size_t>(n - 1)];
        ++result.imported;
        for (Refusal& w : warnings)
            result.warnings.push_back({record.line, 0, w.issue, std::move(w.detail), std::move(w.detail2)});
    }

    if (options.replace) {
        for (int n = 1; n <= kChannelCount; ++n) {
            if (lineOfLocation.contains(n)) continue;
            if (!store.isEmpty(n)) ++result.emptied;
            store.clearChannel(n);
        }
    }
    return result;
}

}  // namespace zrt

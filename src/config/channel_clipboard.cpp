#include "config/channel_clipboard.h"

#include <algorithm>
#include <charconv>
#include <set>

#include "config/channel_operations.h"
#include "config/csv_table.h"

namespace zrt {

namespace {

constexpr std::string_view kRecordsHeader = "ZR-T410 channel records 1";

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string trimmed(std::string_view s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    return std::string(s.substr(b, s.find_last_not_of(" \t") - b + 1));
}

std::optional<long long> integer(std::string_view s) {
    const std::string t = trimmed(s);
    long long v = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (error != std::errc() || end != t.data() + t.size() || t.empty()) return std::nullopt;
    return v;
}

std::string hex(std::string_view s) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : s) {
        out += kDigits[c >> 4];
        out += kDigits[c & 15];
    }
    return out;
}

std::optional<std::string> unhex(std::string_view s) {
    if (s.size() % 2 != 0) return std::nullopt;
    std::string out;
    for (std::size_t i = 0; i < s.size(); i += 2) {
        unsigned value = 0;
        const auto [end, error] = std::from_chars(s.data() + i, s.data() + i + 2, value, 16);
        if (error != std::errc() || end != s.data() + i + 2) return std::nullopt;
        out += static_cast<char>(value);
    }
    return out;
}

std::vector<std::string_view> split(std::string_view s, char by) {
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = s.find(by, from)) != std::string_view::npos; from = at + 1)
        parts.push_back(s.substr(from, at - from));
    parts.push_back(s.substr(from));
    return parts;
}

// Tab-separated text as a spreadsheet copies cells: one record a line; a field in quotes loses them (and
// its doubled quotes become single).
std::vector<csv::Record> parseTabbed(std::string_view text) {
    std::vector<csv::Record> records;
    int line = 0;
    for (std::string_view row : split(text, '\n')) {
        ++line;
        if (!row.empty() && row.back() == '\r') row.remove_suffix(1);
        if (trimmed(row).empty()) continue;
        csv::Record record;
        record.line = line;
        for (std::string_view field : split(row, '\t')) {
            std::string f(field);
            if (f.size() >= 2 && f.front() == '"' && f.back() == '"') {
                f = f.substr(1, f.size() - 2);
                for (std::size_t q = 0; (q = f.find("\"\"", q)) != std::string::npos; ++q)
                    f.erase(q, 1);
            }
            record.fields.push_back(std::move(f));
        }
        records.push_back(std::move(record));
    }
    return records;
}

bool inBand(const BandLimits& limits, const std::string& frequency) {
    double value = 0;
    const auto [end, error] = std::from_chars(frequency.data(), frequency.data() + frequency.size(), value);
    return error == std::errc() && end == frequency.data() + frequency.size() && insideBand(limits, value);
}

void widen(PasteResult& r, int n) {
    r.firstChannel = r.firstChannel == 0 ? n : std::min(r.firstChannel, n);
    r.lastChannel = std::max(r.lastChannel, n);
}

}  // namespace

std::string channelsAsCsv(const ChannelStore& store, const std::vector<int>& channels,
                          const BandLimits& band) {
    ChannelStore picked;
    for (int n : channels)
        if (n >= 1 && n <= kChannelCount)
            picked[static_cast<std::size_t>(n - 1)] = store[static_cast<std::size_t>(n - 1)];
    return exportChannelsCsv(picked, band).text;
}

std::string channelsAsRecords(const ChannelStore& store, const std::vector<int>& channels) {
    std::string out(kRecordsHeader);
    out += '\n';
    for (int n : channels) {
        if (n < 1 || n > kChannelCount) continue;
        const Channel& c = store[static_cast<std::size_t>(n - 1)];
        const std::vector<std::string> fields{hex(c.rxFrequency),
                                              hex(c.txFrequency),
                                              std::to_string(c.decodeTone.position),
                                              hex(c.decodeTone.text),
                                              std::to_string(c.encodeTone.position),
                                              hex(c.encodeTone.text),
                                              std::to_string(c.power),
                                              std::to_string(c.busyLock),
                                              std::to_string(c.scan),
                                              std::to_string(c.bandwidth),
                                              std::to_string(c.hidden),
                                              std::to_string(c.scramble),
                                              hex(c.name)};
        for (std::size_t i = 0; i < fields.size(); ++i)
            out += (i ? "," : "") + fields[i];
        out += '\n';
    }
    return out;
}

std::optional<PasteResult> pasteRecords(ChannelStore& store, const BandState& band, int at,
                                        std::string_view text) {
    std::vector<std::string_view> lines = split(text, '\n');
    if (lines.empty() || trimmed(lines.front()) != kRecordsHeader) return std::nullopt;
    std::vector<Channel> records;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        const std::vector<std::string_view> f = split(line, ',');
        if (f.size() != 13) return std::nullopt;
        Channel c;
        const auto rx = unhex(f[0]), tx = unhex(f[1]), dec = unhex(f[3]), enc = unhex(f[5]),
                   name = unhex(f[12]);
        std::array<std::optional<long long>, 8> numbers{integer(f[2]),  integer(f[4]), integer(f[6]),
                                                        integer(f[7]),  integer(f[8]), integer(f[9]),
                                                        integer(f[10]), integer(f[11])};
        if (!rx || !tx || !dec || !enc || !name) return std::nullopt;
        for (std::size_t k = 0; k < numbers.size(); ++k)
            if (!numbers[k] || *numbers[k] < (k < 2 ? -1 : 0) || *numbers[k] > (k < 2 ? 0xFFFF : 1))
                return std::nullopt;
        c.rxFrequency = *rx;
        c.txFrequency = *tx;
        c.decodeTone = {static_cast<int>(*numbers[0]), *dec};
        c.encodeTone = {static_cast<int>(*numbers[1]), *enc};
        c.power = static_cast<int>(*numbers[2]);
        c.busyLock = static_cast<int>(*numbers[3]);
        c.scan = static_cast<int>(*numbers[4]);
        c.bandwidth = static_cast<int>(*numbers[5]);
        c.hidden = static_cast<int>(*numbers[6]);
        c.scramble = static_cast<int>(*numbers[7]);
        c.name = *name;
        records.push_back(std::move(c));
    }
    PasteResult r;
    if (at < 1 || at > kChannelCount) return r;
    const int last = groupLastChannel(at);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        const int n = at + static_cast<int>(i);
        const Channel& c = records[i];
        if (n > last) {
            r.beyondGroup.push_back(line);
        } else if (!c.isEmpty() && !inBand(band.limits, c.rxFrequency)) {
            r.refused.push_back({line, 0, CsvIssue::OutOfBand, c.rxFrequency, {}});
        } else if (!c.isEmpty() && !c.txFrequency.empty() && !inBand(band.limits, c.txFrequency)) {
            r.refused.push_back({line, 0, CsvIssue::TxOutOfBand, c.txFrequency, {}});
        } else {
            store[static_cast<std::size_t>(n - 1)] = c.isEmpty() ? Channel{} : c;
            ++r.pasted;
            widen(r, n);
        }
    }
    return r;
}

PasteResult pasteCsv(ChannelStore& store, const BandState& band, int at, std::string_view text) {
    PasteResult r;
    if (at < 1 || at > kChannelCount) return r;
    text = csv::withoutBom(text);
    std::vector<csv::Record> records =
        text.find('\t') != std::string_view::npos ? parseTabbed(text) : csv::parse(text);
    if (records.empty()) return r;

    // The header: the text's own, or the channel list's columns.
    std::vector<std::string> header;
    const auto& first = records.front().fields;
    const bool hasHeader = std::any_of(first.begin(), first.end(), [](const std::string& f) {
        const std::string t = lower(trimmed(f));
        return t == "location" || t == "frequency";
    });
    if (hasHeader) {
        header = first;
        records.erase(records.begin());
    } else {
        for (std::string_view column : split(kCsvHeader, ','))
            header.emplace_back(column);
    }
    const auto locationColumn = std::find_if(
        header.begin(), header.end(), [](const std::string& f) { return lower(trimmed(f)) == "location"; });
    const bool located = locationColumn != header.end();
    const auto column = static_cast<std::size_t>(locationColumn - header.begin());

    // Every row gets a location counted from 1 in a store of its own: the row's distance from the first.
    long long anchor = 0;
    if (located)
        for (const csv::Record& rec : records)
            if (column < rec.fields.size())
                if (const auto l = integer(rec.fields[column]); l && *l >= 1 && (anchor == 0 || *l < anchor))
                    anchor = *l;
    std::vector<std::string> headerOut = header;
    if (!located) headerOut.insert(headerOut.begin(), "Location");
    std::string rebuilt = csv::join(headerOut) + "\n";
    int line = 2;
    std::vector<std::pair<int, int>> rowLines;  // (line in the rebuilt text, line in the pasted text)
    std::vector<long long> rowPlace;            // the row's place from 1, 0 when it has none
    for (std::size_t k = 0; k < records.size(); ++k) {
        std::vector<std::string> fields = records[k].fields;
        long long place = static_cast<long long>(k) + 1;
        if (located) {
            const auto l = column < fields.size() ? integer(fields[column]) : std::nullopt;
            place = l && *l >= 1 ? *l - anchor + 1 : 0;
            if (place > 0) fields[column] = std::to_string(place);
        } else {
            fields.insert(fields.begin(), std::to_string(place));
        }
        const std::string joined = csv::join(fields);
        rowLines.emplace_back(line, records[k].line);
        rowPlace.push_back(place);
        rebuilt += joined + "\n";
        line += 1 + static_cast<int>(std::count(joined.begin(), joined.end(), '\n'));
    }
    const auto originalLine = [&](int rebuiltLine) {
        for (const auto& [mine, theirs] : rowLines)
            if (mine == rebuiltLine) return theirs;
        return rebuiltLine;  // the header
    };

    ChannelStore scratch;
    const CsvImport imported = importChannelsCsv(rebuilt, scratch, band);
    std::set<int> refusedLines;
    for (CsvNote note : imported.refused) {
        refusedLines.insert(note.line);
        if (note.line > 0) note.line = originalLine(note.line);
        r.refused.push_back(std::move(note));
    }
    if (imported.fileRefused) return r;

    const int last = groupLastChannel(at);
    for (std::size_t k = 0; k < records.size(); ++k) {
        if (refusedLines.count(rowLines[k].first) || rowPlace[k] < 1 || rowPlace[k] > kChannelCount) continue;
        const long long n = at + rowPlace[k] - 1;
        if (n > last) {
            r.beyondGroup.push_back(rowLines[k].second);
            continue;
        }
        store[static_cast<std::size_t>(n - 1)] = scratch[static_cast<std::size_t>(rowPlace[k] - 1)];
        ++r.pasted;
        widen(r, static_cast<int>(n));
    }
    return r;
}

}  // namespace zrt

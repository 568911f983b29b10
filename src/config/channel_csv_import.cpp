// Import: the file's header, each row's Location, and the rows put into a store.
#include <algorithm>
#include <map>

#include "config/channel_csv.h"
#include "config/channel_csv_row.h"
#include "config/csv_table.h"

namespace zrt {

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

CsvRows readChannelRows(std::string_view text, const ChannelStore& current, const BandState& band) {
    using namespace csv_row;
    CsvRows result;
    const std::vector<csv::Record> records = csv::parse(text);
    if (!isChannelCsv(text) || records.empty()) {
        result.fileRefused = true;
        result.refused.push_back({0, 0, CsvIssue::NotAChannelList, {}, {}});
        return result;
    }
    const csv::Record& header = records.front();
    const ColumnPlaces places = columnPlaces(header);
    for (Column required : {kLocation, kFrequency}) {
        if (places[required] < 0) {
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
        // A refusal names the channel once the row's Location is known.
        int n = 0;
        auto refuse = [&](Refusal refusal) {
            result.refused.push_back(
                {record.line, n, refusal.issue, std::move(refusal.detail), std::move(refusal.detail2)});
        };
        if (record.unterminated) {
            refuse({CsvIssue::UnterminatedQuote, {}, {}});
            continue;
        }
        const std::string locationText = field(places, record, kLocation);
        const Checked<int> location = checkLocation(locationText);
        if (!location) {
            refuse(location.refusal);
            continue;
        }
        n = *location.value;
        if (auto seen = lineOfLocation.find(n); seen != lineOfLocation.end()) {
            refuse({CsvIssue::DuplicateLocation, locationText, std::to_string(seen->second)});
            continue;
        }
        lineOfLocation[n] = record.line;

        if (field(places, record, kFrequency).empty()) {
            result.accepted.push_back({record.line, n, Channel{}});
            continue;
        }
        std::vector<Refusal> warnings;
        if (std::optional<Refusal> refusal =
                buildChannel(places, record, n, current, scratch, band, warnings)) {
            refuse(std::move(*refusal));
            continue;
        }
        result.accepted.push_back({record.line, n, scratch[static_cast<std::size_t>(n - 1)]});
        for (Refusal& w : warnings)
            result.warnings.push_back({record.line, 0, w.issue, std::move(w.detail), std::move(w.detail2)});
    }
    return result;
}

CsvImport importChannelsCsv(std::string_view text, ChannelStore& store, const BandState& band,
                            CsvImportOptions options) {
    CsvRows rows = readChannelRows(text, store, band);
    CsvImport result;
    result.fileRefused = rows.fileRefused;
    result.refused = std::move(rows.refused);
    result.warnings = std::move(rows.warnings);
    if (result.fileRefused) return result;

    // Locations of the file, accepted or not: with `replace`, a refused row's channel keeps what it had.
    std::vector<bool> listed(kChannelCount + 1, false);
    for (const CsvNote& note : result.refused)
        listed[static_cast<std::size_t>(note.location)] = true;
    for (CsvRow& row : rows.accepted) {
        listed[static_cast<std::size_t>(row.location)] = true;
        if (row.channel.isEmpty()) {
            store.clearChannel(row.location);
            ++result.emptied;
        } else {
            store[static_cast<std::size_t>(row.location - 1)] = std::move(row.channel);
            ++result.imported;
        }
    }
    if (options.replace) {
        for (int n = 1; n <= kChannelCount; ++n) {
            if (listed[static_cast<std::size_t>(n)]) continue;
            if (!store.isEmpty(n)) ++result.emptied;
            store.clearChannel(n);
        }
    }
    return result;
}

std::vector<CsvNote> CsvImport::notes() const {
    std::vector<CsvNote> all = refused;
    all.insert(all.end(), warnings.begin(), warnings.end());
    std::stable_sort(all.begin(), all.end(),
                     [](const CsvNote& a, const CsvNote& b) { return a.line < b.line; });
    return all;
}

}  // namespace zrt

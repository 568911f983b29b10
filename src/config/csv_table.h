// Comma-separated text as spreadsheets write it: records with the line each starts on, quoted fields that
// may hold commas, quotes and line breaks, and the quoting of fields on the way out.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zrt::csv {

struct Record {
    int line = 0;  // 1-based line of the file on which the record starts
    std::vector<std::string> fields;
    bool unterminated = false;  // a quoted field ran to the end of the file
};

// A leading UTF-8 byte-order mark is skipped. Records end at CR LF, LF or CR outside quotes; empty lines
// and lines starting with '#' give no record. Fields are returned as written, quotes removed, with doubled
// quotes inside a quoted field made single.
std::vector<Record> parse(std::string_view text);

// The text without a leading UTF-8 byte-order mark.
std::string_view withoutBom(std::string_view text);

// The field as written into a record: quoted when it holds a comma, a quote, a line break or surrounding
// spaces, or starts with '#' (which a reader would take for a comment line).
std::string quote(std::string_view field);
// A record without its line end.
std::string join(const std::vector<std::string>& fields);

}  // namespace zrt::csv

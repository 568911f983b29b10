#include "config/csv_table.h"

#include <gtest/gtest.h>

namespace zrt::csv {
namespace {

// Each record as the line it starts on and its fields between bars; "<open>" when it ran to the end of the
// file.
std::vector<std::string> recordsOf(std::string_view text) {
    std::vector<std::string> out;
    for (const Record& r : parse(text)) {
        std::string s = std::to_string(r.line) + ":";
        for (const std::string& f : r.fields)
            s += f + "|";
        out.push_back(s + (r.unterminated ? "<open>" : ""));
    }
    return out;
}

// Byte-order mark, comments, CR LF, quoted line breaks and an unterminated quote: the channel list tests
// count their lines.
TEST(CsvParse, GivesRecordsWithTheirLines) {
    const std::pair<std::string_view, std::vector<std::string>> cases[] = {
        {"a,b\nc", {"1:a|b|", "2:c|"}},               // no line end after the last
        {"a\rb\r", {"1:a|", "2:b|"}},                 // a bare CR ends a line
        {",,x,", {"1:||x||"}},                        // empty fields are kept
        {"1,\"a,\"\"b\"\"\",2", {"1:1|a,\"b\"|2|"}},  // a doubled quote is one
        {"\"#1\",x", {"1:#1|x|"}},                    // a hash in quotes starts no comment
    };
    for (const auto& [text, records] : cases)
        EXPECT_EQ(recordsOf(text), records) << text;
}

TEST(CsvWrite, QuotesOnlyWhatAReaderWouldMisread) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"RPT1", "RPT1"}, {"", ""},         {"A,B", "\"A,B\""},   {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {" X", "\" X\""}, {"#1", "\"#1\""}, {"a\nb", "\"a\nb\""},
    };
    for (const auto& [field, written] : cases)
        EXPECT_EQ(quote(field), written) << field;
}

}  // namespace
}  // namespace zrt::csv

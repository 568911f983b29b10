#include "config/csv_table.h"

#include <gtest/gtest.h>

namespace zrt::csv {
namespace {

struct ParseCase {
    const char* name;
    std::string_view text;
    std::vector<Record> expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.name;
}

class CsvParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CsvParse, GivesRecordsWithTheirLines) {
    const ParseCase& c = GetParam();
    const std::vector<Record> got = parse(c.text);
    ASSERT_EQ(got.size(), c.expected.size());
    for (std::size_t k = 0; k < got.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(got[k].line, c.expected[k].line);
        EXPECT_EQ(got[k].fields, c.expected[k].fields);
        EXPECT_EQ(got[k].unterminated, c.expected[k].unterminated);
    }
}

const ParseCase kParseCases[] = {
    {"CrLf", "a,b\r\nc,d\r\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
    {"LfWithoutLastLineEnd", "a,b\nc", {{1, {"a", "b"}}, {2, {"c"}}}},
    {"BareCr", "a\rb\r", {{1, {"a"}}, {2, {"b"}}}},
    {"EmptyFieldsKept", ",,x,", {{1, {"", "", "x", ""}}}},
    {"ByteOrderMarkSkipped", "\xEF\xBB\xBFLocation,Name\r\n", {{1, {"Location", "Name"}}}},
    {"CommentAndEmptyLinesCountButGiveNothing", "# made by hand\n\nA\n#x,y\nB", {{3, {"A"}}, {5, {"B"}}}},
    {"QuotedCommaAndQuote", "1,\"a,\"\"b\"\"\",2", {{1, {"1", "a,\"b\"", "2"}}}},
    {"QuotedLineBreakMovesTheNextLine",
     "1,\"two\r\nlines\"\r\n2,x",
     {{1, {"1", "two\r\nlines"}}, {3, {"2", "x"}}}},
    {"HashInsideAQuotedFieldIsNoComment", "\"#1\",x", {{1, {"#1", "x"}}}},
    {"UnterminatedQuote", "1,ok\n2,\"never\nclosed", {{1, {"1", "ok"}}, {2, {"2", "never\nclosed"}, true}}},
};

INSTANTIATE_TEST_SUITE_P(Texts, CsvParse, ::testing::ValuesIn(kParseCases),
                         [](const ::testing::TestParamInfo<ParseCase>& info) { return info.param.name; });

TEST(CsvWrite, QuotesOnlyWhatAReaderWouldMisread) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"RPT1", "RPT1"}, {"", ""},         {"A,B", "\"A,B\""},   {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {" X", "\" X\""}, {"#1", "\"#1\""}, {"a\nb", "\"a\nb\""},
    };
    for (const auto& [field, written] : cases)
        EXPECT_EQ(quote(field), written) << field;
}

TEST(CsvWrite, WhatIsJoinedParsesBackTheSame) {
    const std::vector<std::string> fields{"1", "A,B", "\"q\"", "", " pad ", "#x", "two\r\nlines"};
    const std::vector<Record> back = parse(join(fields) + "\r\n");
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].fields, fields);
}

}  // namespace
}  // namespace zrt::csv

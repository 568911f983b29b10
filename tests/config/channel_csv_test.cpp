#include "config/channel_csv.h"

#include <gtest/gtest.h>

#include <tuple>

#include "config/channel_edit.h"
#include "config/channel_table.h"
#include "config/csv_table.h"
#include "config/decimal.h"
#include "image/tone_list.h"

namespace zrt {
namespace {

BandState band(int index) {
    BandState b;
    b.current = b.listIndex = index;
    b.limits = kBands[static_cast<std::size_t>(index)].limits;
    return b;
}

// A channel as a user enters it in the table.
struct Entry {
    int n;
    const char* rx;
    const char* tx;      // nullptr: as the receive frequency; "": none
    const char* rxTone;  // decode tone, column 3; nullptr: Off
    const char* txTone;  // encode tone, column 4
    int power = 1;
    int scan = 1;
    int wide = 1;
    const char* name = "";
};

void enter(ChannelStore& store, const BandState& b, const Entry& e) {
    ASSERT_EQ(commitFrequency(store, b, e.n, ChannelFrequency::Receive, e.rx).outcome,
              FrequencyOutcome::Stored);
    if (e.tx && *e.tx) {
        ASSERT_EQ(commitFrequency(store, b, e.n, ChannelFrequency::Transmit, e.tx).outcome,
                  FrequencyOutcome::Stored);
    }
    if (e.tx && !*e.tx)
        store[e.n - 1].txFrequency.clear();  // as a decoded channel without transmit frequency
    if (e.rxTone) {
        ASSERT_TRUE(commitListChoice(store, e.n, ChannelList::DecodeTone, toneListIndex(e.rxTone), e.rxTone));
    }
    if (e.txTone) {
        ASSERT_TRUE(commitListChoice(store, e.n, ChannelList::EncodeTone, toneListIndex(e.txTone), e.txTone));
    }
    commitListChoice(store, e.n, ChannelList::Power, e.power, {});
    commitListChoice(store, e.n, ChannelList::Scan, e.scan, {});
    commitListChoice(store, e.n, ChannelList::Bandwidth, e.wide, {});
    commitName(store, e.n, e.name);
}

// What the table shows of a channel, columns 1..11.
std::vector<std::string> row(const ChannelStore& store, int n) {
    std::vector<std::string> cells;
    for (int c = 1; c < kTableColumns; ++c)
        cells.push_back(channelCellText(store, n, c, kEnglish));
    return cells;
}

// A note as the report words it, without the words: the line, the issue and what the report quotes.
using Note = std::tuple<int, CsvIssue, std::string, std::string>;
std::vector<Note> notesOf(const std::vector<CsvNote>& notes) {
    std::vector<Note> out;
    for (const CsvNote& n : notes)
        out.emplace_back(n.line ? n.line : n.location, n.issue, n.detail, n.detail2);
    return out;
}

std::vector<std::vector<std::string>> dataRows(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    const auto records = csv::parse(text);
    for (std::size_t k = 1; k < records.size(); ++k)
        rows.push_back(records[k].fields);
    return rows;
}

// ---- Export ----------------------------------------------------------------------------------------

struct ExportCase {
    const char* name;
    Entry entry;
    // Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode
    std::vector<std::string> toneAndDuplex;
};

void PrintTo(const ExportCase& c, std::ostream* os) {
    *os << c.name;
}

const ExportCase kExportCases[] = {
    {"Simplex",
     {1, "145.5", nullptr, nullptr, nullptr},
     {"", "0.000000", "", "88.5", "88.5", "023", "NN", "023", "Tone->Tone"}},
    {"PlusShift",
     {2, "145.6", "146.2", nullptr, nullptr},
     {"+", "0.600000", "", "88.5", "88.5", "023", "NN", "023", "Tone->Tone"}},
    {"MinusShiftInBandB",
     {3, "439.95", "434.95", nullptr, nullptr},
     {"-", "5.000000", "", "88.5", "88.5", "023", "NN", "023", "Tone->Tone"}},
    {"CrossBandIsSplit",
     {4, "145.5", "435.00625", nullptr, nullptr},
     {"split", "435.006250", "", "88.5", "88.5", "023", "NN", "023", "Tone->Tone"}},
    {"NoTransmitIsOff",
     {5, "145.5", "", nullptr, nullptr},
     {"off", "0.000000", "", "88.5", "88.5", "023", "NN", "023", "Tone->Tone"}},
    {"TransmitToneOnly",
     {6, "145.5", nullptr, nullptr, "100.0"},
     {"", "0.000000", "Tone", "100.0", "88.5", "023", "NN", "023", "Tone->Tone"}},
    {"SameToneBothWays",
     {7, "145.5", nullptr, "123.0", "123.0"},
     {"", "0.000000", "TSQL", "123.0", "123.0", "023", "NN", "023", "Tone->Tone"}},
    {"SameCodeBothWays",
     {8, "145.5", nullptr, "D754N", "D754N"},
     {"", "0.000000", "DTCS", "88.5", "88.5", "754", "NN", "754", "Tone->Tone"}},
    {"SameCodeInvertedOnTransmit",
     {9, "145.5", nullptr, "D023N", "D023I"},
     {"", "0.000000", "DTCS", "88.5", "88.5", "023", "RN", "023", "Tone->Tone"}},
    {"TwoTones",
     {10, "145.5", nullptr, "67.0", "254.1"},
     {"", "0.000000", "Cross", "254.1", "67.0", "023", "NN", "023", "Tone->Tone"}},
    {"ToneOutCodeIn",
     {11, "145.5", nullptr, "D115I", "88.5"},
     {"", "0.000000", "Cross", "88.5", "88.5", "023", "NR", "115", "Tone->DTCS"}},
    {"CodeOutToneIn",
     {12, "145.5", nullptr, "71.9", "D025N"},
     {"", "0.000000", "Cross", "88.5", "71.9", "025", "NN", "023", "DTCS->Tone"}},
    {"TwoCodes",
     {13, "145.5", nullptr, "D031I", "D032N"},
     {"", "0.000000", "Cross", "88.5", "88.5", "032", "NR", "031", "DTCS->DTCS"}},
    {"ReceiveToneOnly",
     {14, "145.5", nullptr, "179.9", nullptr},
     {"", "0.000000", "Cross", "88.5", "179.9", "023", "NN", "023", "->Tone"}},
    {"ReceiveCodeOnly",
     {15, "145.5", nullptr, "D754I", nullptr},
     {"", "0.000000", "Cross", "88.5", "88.5", "023", "NR", "754", "->DTCS"}},
    {"TransmitCodeOnly",
     {16, "145.5", nullptr, nullptr, "D026I"},
     {"", "0.000000", "Cross", "88.5", "88.5", "026", "RN", "023", "DTCS->"}},
};

class ChannelCsvExport : public ::testing::TestWithParam<ExportCase> {};

TEST_P(ChannelCsvExport, WritesTheFormatsConventionsAndImportsBackTheSame) {
    const ExportCase& c = GetParam();
    const BandState b = band(0);
    ChannelStore store;
    enter(store, b, c.entry);
    const CsvExport out = exportChannelsCsv(store, b.limits);
    EXPECT_TRUE(out.notes.empty());
    ASSERT_EQ(out.channels, 1);
    const auto rows = dataRows(out.text);
    ASSERT_EQ(rows.size(), 1u);
    ASSERT_EQ(rows[0].size(), 21u);
    EXPECT_EQ(std::vector<std::string>(rows[0].begin() + 3, rows[0].begin() + 12), c.toneAndDuplex);

    ChannelStore back;
    const CsvImport in = importChannelsCsv(out.text, back, b);
    EXPECT_TRUE(in.refused.empty()) << in.refused.front().detail;
    EXPECT_TRUE(in.warnings.empty());
    EXPECT_EQ(in.imported, 1);
    EXPECT_EQ(row(back, c.entry.n), row(store, c.entry.n));
}

INSTANTIATE_TEST_SUITE_P(Channels, ChannelCsvExport, ::testing::ValuesIn(kExportCases),
                         [](const ::testing::TestParamInfo<ExportCase>& info) { return info.param.name; });

TEST(ChannelCsvExport, WholeRowsInChannelOrderWithCrLfAndEmptyChannelsLeftOut) {
    const BandState b = band(1);
    ChannelStore store;
    enter(store, b, {70, "500.1", nullptr, nullptr, nullptr, 0, 0, 0, "B,2"});
    enter(store, b, {1, "145.12", "145.72", nullptr, "88.5", 1, 1, 1, "RPT1"});
    const CsvExport out = exportChannelsCsv(store, b.limits);
    EXPECT_EQ(
        out.text,
        std::string(kCsvHeader) +
            "\r\n"
            "1,RPT1,145.120000,+,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,\r\n"
            "70,\"B,2\",500.100000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,1.0W,,,,,\r\n");
}

TEST(ChannelCsvExport, ReportsWhatTheFormatCannotCarry) {
    ChannelStore store;
    // A decoded image may hold anything: BCD digits that are not digits, tone bytes of no tone.
    store[0].rxFrequency = "1A5.12000";
    store[1].rxFrequency = "145.50000";
    store[1].txFrequency = "14F.00000";
    store[1].decodeTone.position = 255;
    store[1].decodeTone.text = "00.0";
    const CsvExport out = exportChannelsCsv(store, band(0).limits);
    EXPECT_EQ(out.channels, 1);
    EXPECT_EQ(notesOf(out.notes), (std::vector<Note>{{1, CsvIssue::ExportBadFrequency, "1A5.12000", ""},
                                                     {2, CsvIssue::ExportBadTxFrequency, "14F.00000", ""},
                                                     {2, CsvIssue::ExportUnknownTone, "00.0", ""}}));
    EXPECT_EQ(dataRows(out.text)[0][3], "off");
    EXPECT_EQ(dataRows(out.text)[0][5], "");
}

// ---- Import ----------------------------------------------------------------------------------------

const std::string kHeader = std::string(kCsvHeader) + "\n";

struct RefusedCase {
    const char* name;
    std::string row;  // after the header, on line 2
    CsvIssue issue;
    const char* detail;  // what the report quotes of the row
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}

const RefusedCase kRefused[] = {
    {"LocationNotANumber", "A1,X,145.5", CsvIssue::BadLocation, "A1"},
    {"LocationZero", "0,X,145.5", CsvIssue::BadLocation, "0"},
    {"LocationPastTheLast", "129,X,145.5", CsvIssue::BadLocation, "129"},
    {"FrequencyText", "5,X,abc", CsvIssue::BadFrequency, "abc"},
    {"FrequencyNegative", "5,X,-145.5", CsvIssue::BadFrequency, "-145.5"},
    {"UpperLimitIsOutside", "5,X,174.000000", CsvIssue::OutOfBand, "174.000000"},
    {"BelowTheBand", "5,X,135.99999", CsvIssue::OutOfBand, "135.99999"},
    {"ShiftLeavesTheBand", "5,X,173.5,+,0.600000", CsvIssue::TxOutOfBand, "174.100000"},
    {"DuplexUnknown", "5,X,145.5,x,0", CsvIssue::BadDuplex, "x"},
    {"OffsetNotANumber", "5,X,145.5,-,six", CsvIssue::BadOffset, "six"},
    {"ShiftBelowZero", "5,X,145.5,-,146", CsvIssue::BadOffset, "146"},
    {"ReverseToneSquelch", "5,X,145.5,,0,TSQL-R,88.5,88.5", CsvIssue::ReverseToneMode, "TSQL-R"},
    {"ReverseCodeSquelch", "5,X,145.5,,0,DTCS-R", CsvIssue::ReverseToneMode, "DTCS-R"},
    {"ToneModeUnknown", "5,X,145.5,,0,Tones", CsvIssue::BadToneMode, "Tones"},
    {"CrossModeUnknown", "5,X,145.5,,0,Cross,88.5,88.5,023,NN,023,Tone->DCS", CsvIssue::BadCrossMode,
     "Tone->DCS"},
    {"CrossModeWithoutTones", "5,X,145.5,,0,Cross,88.5,88.5,023,NN,023,->", CsvIssue::BadCrossMode, "->"},
    {"ToneNotInTheList", "5,X,145.5,,0,Tone,89.0", CsvIssue::UnknownCtcss, "89.0"},
    {"ToneWithTwoDecimals", "5,X,145.5,,0,TSQL,,88.55", CsvIssue::UnknownCtcss, "88.55"},
    {"CodeNotInTheList", "5,X,145.5,,0,DTCS,88.5,88.5,024,NN,024", CsvIssue::UnknownDcs, "024"},
    {"CrossCodeNotInTheList", "5,X,145.5,,0,Cross,88.5,88.5,023,NN,1234,Tone->DTCS", CsvIssue::UnknownDcs,
     "1234"},
    {"PolarityUnknown", "5,X,145.5,,0,DTCS,88.5,88.5,023,NI,023", CsvIssue::BadPolarity, "NI"},
    {"AmplitudeModulation", "5,X,145.5,,0,,88.5,88.5,023,NN,023,Tone->Tone,AM", CsvIssue::BadMode, "AM"},
    {"BroadcastFm", "5,X,145.5,,0,,88.5,88.5,023,NN,023,Tone->Tone,WFM", CsvIssue::BadMode, "WFM"},
    {"PowerWords", "5,X,145.5,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,high", CsvIssue::BadPower, "high"},
    {"SkipUnknown", "5,X,145.5,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,y", CsvIssue::BadSkip, "y"},
    {"QuoteNeverClosed", "5,\"X,145.5", CsvIssue::UnterminatedQuote, ""},
};

class ChannelCsvRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(ChannelCsvRefused, NamesTheLineAndLeavesTheChannelAsItWas) {
    const RefusedCase& c = GetParam();
    const BandState b = band(0);
    ChannelStore store;
    enter(store, b, {5, "146.5", nullptr, nullptr, "88.5", 0, 0, 0, "OLD"});
    const ChannelStore before = store;
    const CsvImport result = importChannelsCsv(kHeader + c.row + "\n", store, b);
    EXPECT_FALSE(result.fileRefused);
    EXPECT_EQ(result.imported, 0);
    ASSERT_EQ(result.refused.size(), 1u);
    EXPECT_EQ(result.refused[0].issue, c.issue);
    EXPECT_EQ(result.refused[0].line, 2);
    EXPECT_EQ(result.refused[0].detail, c.detail);
    EXPECT_EQ(result.refused[0].location,
              c.issue == CsvIssue::BadLocation || c.issue == CsvIssue::UnterminatedQuote ? 0 : 5);
    EXPECT_EQ(row(store, 5), row(before, 5));
}

INSTANTIATE_TEST_SUITE_P(Rows, ChannelCsvRefused, ::testing::ValuesIn(kRefused),
                         [](const ::testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

TEST(ChannelCsvImport, AHandWrittenListNamesEveryRefusedLineAndKeepsTheGoodRows) {
    const std::string text =
        "# channels of the club\r\n"
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq\r\n"
        "1,Home,145.500000,,,,\r\n"
        "2,\"Two\r\nlines\",175.0,,,,\r\n"            // out of the band, its name over two lines
        "3,Club,145.600000,-,0.600000,Tone,89.0\r\n"  // no such tone
        "4,Repeatr,145.700000,-,0.600000,Tone,88.5\r\n"
        "2,Again,146.0,,,,\r\n";  // the second row for location 2
    ChannelStore store;
    const CsvImport result = importChannelsCsv(text, store, band(0));
    EXPECT_EQ(result.imported, 2);
    EXPECT_EQ(result.refused.size(), 3u);
    // Lower case is raised as the name editor raises it, without a word; a cut name is reported. The report
    // gives refusals and changes in the order of the file's lines.
    EXPECT_EQ(result.warnings.size(), 1u);
    EXPECT_EQ(notesOf(result.notes()), (std::vector<Note>{
                                           {4, CsvIssue::OutOfBand, "175.0", ""},
                                           {6, CsvIssue::UnknownCtcss, "89.0", ""},
                                           {7, CsvIssue::NameChanged, "Repeatr", "REPEAT"},
                                           {8, CsvIssue::DuplicateLocation, "2", "4"},
                                       }));
    EXPECT_EQ(store[0].name, "HOME");
    EXPECT_TRUE(store.isEmpty(2));
    EXPECT_TRUE(store.isEmpty(3));
    EXPECT_EQ(row(store, 4), (std::vector<std::string>{"145.70000", "145.10000", "Off", "88.5", "High", "Off",
                                                       "On", "wide", "", "Off", "REPEAT"}));
}

TEST(ChannelCsvImport, ChangesOnTheWayAreWarnings) {
    struct Case {
        std::string row;
        CsvIssue issue;
        std::vector<std::string> cells;  // columns 1..4 and 11 after the import
    };
    const Case cases[] = {
        {"9,abc,145.123456", CsvIssue::FrequencySnapped, {"145.12000", "145.12000", "Off", "Off", "ABC"}},
        {"9,a b!c,145.5", CsvIssue::NameChanged, {"145.50000", "145.50000", "Off", "Off", "ABC"}},
        {"9,Ünï,145.5", CsvIssue::NameChanged, {"145.50000", "145.50000", "Off", "Off", "N"}},
        {"9,,145.5,,,,,,,,,,,,P", CsvIssue::PriorityScan, {"145.50000", "145.50000", "Off", "Off", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        ChannelStore store;
        const CsvImport result = importChannelsCsv(kHeader + c.row, store, band(0));
        EXPECT_TRUE(result.refused.empty());
        ASSERT_EQ(result.warnings.size(), 1u);
        EXPECT_EQ(result.warnings[0].issue, c.issue);
        EXPECT_EQ(result.warnings[0].line, 2);
        const std::vector<std::string> cells = row(store, 9);
        EXPECT_EQ((std::vector<std::string>{cells[0], cells[1], cells[2], cells[3], cells[10]}), c.cells);
    }
}

// In that format tone mode DTCS uses DtcsCode both ways (polarity N/R transmit, then receive); RxDtcsCode
// counts only in the Cross modes that receive a code, and a different one there is no reason to warn.
TEST(ChannelCsvImport, DtcsRowsTakeDtcsCodeBothWays) {
    struct Case {
        std::string row;
        std::vector<std::string> cells;  // columns 1..4 and 11 after the import
    };
    const Case cases[] = {
        {"9,H-TAC1,443.100000,+,5.000000,DTCS,88.5,88.5,032,NN,023,Tone->Tone",
         {"443.10000", "448.10000", "D032N", "D032N", "H-TAC1"}},
        {"9,,145.5,,,DTCS,,,754,RN,023", {"145.50000", "145.50000", "D754N", "D754I", ""}},
        {"9,,145.5,,,DTCS,,,025,NN,", {"145.50000", "145.50000", "D025N", "D025N", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        ChannelStore store;
        const CsvImport result = importChannelsCsv(kHeader + c.row, store, band(0));
        EXPECT_TRUE(result.refused.empty());
        EXPECT_TRUE(result.warnings.empty());
        const std::vector<std::string> cells = row(store, 9);
        EXPECT_EQ((std::vector<std::string>{cells[0], cells[1], cells[2], cells[3], cells[10]}), c.cells);
    }
}

TEST(ChannelCsvImport, ValuesOfPowerModeAndSkip) {
    struct Case {
        const char* fields;              // Mode,TStep,Skip,Power
        std::vector<std::string> cells;  // Power, Add scan, Band
    };
    const Case cases[] = {
        {"FM,5.00,,5.0W", {"High", "On", "wide"}},      {"NFM,5.00,S,1.0W", {"Low", "Off", "Narrow"}},
        {"nfm,12.50,s,2.5", {"High", "Off", "Narrow"}}, {"FM,,,2.4 W", {"Low", "On", "wide"}},
        {"FM,,,0.5w", {"Low", "On", "wide"}},           {",,,", {"High", "On", "Narrow"}},  // band 2: narrow
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields);
        ChannelStore store;
        const std::string text = std::string("Location,Frequency,Mode,TStep,Skip,Power\n9,145.5,") + c.fields;
        const CsvImport result = importChannelsCsv(text, store, band(2));
        ASSERT_TRUE(result.refused.empty()) << result.refused.front().detail;
        const std::vector<std::string> cells = row(store, 9);
        EXPECT_EQ((std::vector<std::string>{cells[4], cells[6], cells[7]}), c.cells);
    }
}

TEST(ChannelCsvImport, ColumnsByNameInAnyOrderAndUnknownOnesIgnored) {
    const std::string text =
        "\xEF\xBB\xBF# exported from a spreadsheet\n"
        "Location,Note,Power,Frequency,Name\n"
        "130,,,,\n"  // an empty row past the last channel is still a bad location
        "64,\"x, y\",1W,438.5,Top\n";
    ChannelStore store;
    const CsvImport result = importChannelsCsv(text, store, band(0));
    EXPECT_EQ(result.imported, 1);
    ASSERT_EQ(result.refused.size(), 1u);
    EXPECT_EQ(result.refused[0].line, 3);
    EXPECT_EQ(row(store, 64), (std::vector<std::string>{"438.50000", "438.50000", "Off", "Off", "Low", "Off",
                                                        "On", "wide", "", "Off", "TOP"}));
}

TEST(ChannelCsvImport, WholeFileRefusals) {
    const std::pair<std::string, Note> cases[] = {
        {"Channel,Frequency\n1,145.5\n", {0, CsvIssue::NotAChannelList, "", ""}},
        {"", {0, CsvIssue::NotAChannelList, "", ""}},
        {"Location,Name\n1,A\n", {1, CsvIssue::MissingColumn, "Frequency", ""}},
        {"# note\nLocation,Freq\n", {2, CsvIssue::MissingColumn, "Frequency", ""}},
    };
    for (const auto& [text, note] : cases) {
        SCOPED_TRACE(text);
        ChannelStore store;
        const CsvImport result = importChannelsCsv(text, store, band(0));
        EXPECT_TRUE(result.fileRefused);
        EXPECT_EQ(result.imported, 0);
        ASSERT_EQ(result.refused.size(), 1u);
        EXPECT_EQ(notesOf(result.refused), std::vector<Note>{note});
    }
    EXPECT_TRUE(isChannelCsv("\xEF\xBB\xBF#x\r\n\r\nLocation,Frequency\r\n"));
    EXPECT_FALSE(isChannelCsv("location,Frequency\n"));
}

TEST(ChannelCsvImport, ListedChannelsKeepWhatTheFormatHasNoColumnFor) {
    const BandState b = band(0);
    ChannelStore store;
    enter(store, b, {3, "146.5", nullptr, nullptr, nullptr});
    store[2].busyLock = 0;  // busy-channel lock: Carry
    store[2].scramble = 0;  // scramble: On
    const CsvImport result = importChannelsCsv(kHeader + "3,New,147.0\n4,Fresh,147.5\n", store, b);
    EXPECT_EQ(result.imported, 2);
    EXPECT_EQ(channelCellText(store, 3, 6, kEnglish), "Carry");
    EXPECT_EQ(channelCellText(store, 3, 10, kEnglish), "On");
    EXPECT_EQ(channelCellText(store, 3, 1, kEnglish), "147.00000");
    // A new channel has the defaults of the channel editor.
    EXPECT_EQ(channelCellText(store, 4, 6, kEnglish), "Off");
    EXPECT_EQ(channelCellText(store, 4, 10, kEnglish), "Off");
    EXPECT_EQ(store[3].hidden, 1);
}

TEST(ChannelCsvImport, EmptyFrequencyEmptiesAndReplaceEmptiesTheUnlisted) {
    const BandState b = band(0);
    auto filled = [&] {
        ChannelStore store;
        for (int n : {1, 2, 3})
            enter(store, b, {n, "145.5", nullptr, nullptr, nullptr, 1, 1, 1, "N"});
        return store;
    };
    const std::string text = kHeader + "2,,\n5,F,146.0\n";

    ChannelStore merged = filled();
    CsvImport result = importChannelsCsv(text, merged, b);
    EXPECT_EQ(result.imported, 1);
    EXPECT_EQ(result.emptied, 1);
    EXPECT_FALSE(merged.isEmpty(1));
    EXPECT_TRUE(merged.isEmpty(2));
    EXPECT_FALSE(merged.isEmpty(3));

    ChannelStore replaced = filled();
    result = importChannelsCsv(text, replaced, b, {true});
    EXPECT_EQ(result.emptied, 3);
    for (int n = 1; n <= kChannelCount; ++n)
        EXPECT_EQ(replaced.isEmpty(n), n != 5) << n;
}

TEST(ChannelCsvImport, OffsetsAreReckonedFromTheStoredReceiveFrequency) {
    ChannelStore store;
    const CsvImport result = importChannelsCsv(
        kHeader + "1,,145.6,-,0.6\n2,,145.6,+,.6\n3,,435.1,split,145.2\n4,,145.6,off,0\n5,,145.6,,7\n", store,
        band(0));
    ASSERT_TRUE(result.refused.empty()) << result.refused.front().detail;
    const std::pair<int, const char*> tx[] = {
        {1, "145.00000"}, {2, "146.20000"}, {3, "145.20000"}, {4, ""}, {5, "145.60000"}};
    for (const auto& [n, text] : tx)
        EXPECT_EQ(store[n - 1].txFrequency, text) << n;
}

// Clipboard rows go through the same checks without touching the channels, and come back as any list.
TEST(ChannelCsvRows, ReadingChangesNothingAndAnyListOfChannelsExports) {
    const BandState b = band(0);
    ChannelStore store;
    enter(store, b, {3, "146.5", nullptr, nullptr, nullptr});
    store[2].scramble = 0;
    const ChannelStore before = store;
    const CsvRows rows = readChannelRows(kHeader + "3,New,147.0\n9,,\n7,X,999\n", store, b);
    EXPECT_EQ(store.records, before.records);
    ASSERT_EQ(rows.accepted.size(), 2u);
    EXPECT_EQ(rows.accepted[0].line, 2);
    EXPECT_EQ(rows.accepted[0].location, 3);
    EXPECT_EQ(rows.accepted[0].channel.rxFrequency, "147.00000");
    EXPECT_EQ(rows.accepted[0].channel.scramble, 0);  // kept from the channel at that Location
    EXPECT_EQ(rows.accepted[1].location, 9);
    EXPECT_TRUE(rows.accepted[1].channel.isEmpty());
    EXPECT_EQ(notesOf(rows.refused), (std::vector<Note>{{4, CsvIssue::OutOfBand, "999", ""}}));
    EXPECT_EQ(rows.refused[0].location, 7);

    const std::vector<LocatedChannel> list{{70, rows.accepted[0].channel}, {5, Channel{}}, {2, store[2]}};
    const CsvExport out = exportChannelsCsv(list, b.limits);
    EXPECT_EQ(out.channels, 2);
    const auto written = dataRows(out.text);
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ((std::vector<std::string>{written[0][0], written[0][2], written[1][0], written[1][2]}),
              (std::vector<std::string>{"70", "147.000000", "2", "146.500000"}));
}

TEST(ChannelCsvText, DecimalsAndUtf8AsListsWriteThem) {
    const std::pair<const char*, std::optional<long long>> decimals[] = {
        {"145.5", 145500000},
        {".6", 600000},
        {"7", 7000000},
        {"145.1234565", 145123457},
        {"145.1234564", 145123456},
        {"999999.9999995", 999999999999 + 1},
        {"1234567", std::nullopt},
        {"1.2.3", std::nullopt},
        {".", std::nullopt},
        {"-1", std::nullopt},
        {"", std::nullopt},
        {" 1", std::nullopt},
        {"1e3", std::nullopt},
    };
    for (const auto& [text, value] : decimals)
        EXPECT_EQ(parseMillionths(text), value) << text;
    EXPECT_EQ(formatMillionths(600000), "0.600000");
    EXPECT_EQ(formatMillionths(435006250), "435.006250");

    const std::pair<std::string, std::u32string> utf8[] = {
        {"A\xC3\x9C", U"A\u00DC"},
        {"\xC3"
         "A",
         U"\uFFFDA"},                         // a lead byte without its continuation
        {"\xE2\x9C", U"\uFFFD\uFFFD"},        // cut short at the end
        {"\x80x", U"\uFFFDx"},                // a continuation byte alone
        {"\xF0\x9F\x98\x80", U"\U0001F600"},  // four bytes
    };
    for (const auto& [text, characters] : utf8)
        EXPECT_EQ(utf8Characters(text), characters) << text;
    EXPECT_EQ(latin1ToUtf8("A\xDC"), "A\xC3\x9C");
    EXPECT_EQ(trimBlanks(" \tx y\t "), "x y");
    EXPECT_EQ(fillText("%1-%2-%3", {"a", "b"}), "a-b-");
}

}  // namespace
}  // namespace zrt

#include "config/channel_csv.h"

#include <gtest/gtest.h>

#include <tuple>

#include "config/channel_edit.h"
#include "config/channel_table.h"
#include "config/csv_table.h"
#include "image/tone_list.h"

namespace zrt {
namespace {

using enum CsvIssue;

BandState band(int index) {
    return {index, index, kBands[static_cast<std::size_t>(index)].limits};
}

// A channel as a user enters it in the table.
struct Entry {
    int n;
    const char* rx;
    // Transmit frequency (nullptr: as the receive frequency; "": none), decode and encode tone (nullptr:
    // Off).
    const char *tx = nullptr, *rxTone = nullptr, *txTone = nullptr;
    int power = 1, scan = 1, wide = 1;
    const char* name = "";
};

void enter(ChannelStore& store, const BandState& b, const Entry& e) {
    ASSERT_EQ(commitFrequency(store, b, e.n, ChannelFrequency::Receive, e.rx).outcome,
              FrequencyOutcome::Stored);
    const bool tx = e.tx && *e.tx;
    ASSERT_TRUE(!tx || commitFrequency(store, b, e.n, ChannelFrequency::Transmit, e.tx).outcome ==
                           FrequencyOutcome::Stored);
    if (e.tx && !*e.tx) store[e.n - 1].txFrequency.clear();  // as a decoded channel without one
    for (const auto& [list, tone] :
         {std::pair{ChannelList::DecodeTone, e.rxTone}, {ChannelList::EncodeTone, e.txTone}})
        ASSERT_TRUE(!tone || commitListChoice(store, e.n, list, toneListIndex(tone), tone));
    commitListChoice(store, e.n, ChannelList::Power, e.power, {});
    commitListChoice(store, e.n, ChannelList::Scan, e.scan, {});
    commitListChoice(store, e.n, ChannelList::Bandwidth, e.wide, {});
    commitName(store, e.n, e.name);
}

// What the table shows of a channel, columns 1..11, joined by commas.
std::string row(const ChannelStore& store, int n) {
    std::string cells;
    for (int c = 1; c < kTableColumns; ++c)
        cells += (c > 1 ? "," : "") + channelCellText(store, n, c, kEnglish);
    return cells;
}

// A note without its words: line, channel, issue and what the report quotes.
using Note = std::tuple<int, int, CsvIssue, std::string, std::string>;
std::vector<Note> notesOf(const std::vector<CsvNote>& notes) {
    std::vector<Note> out;
    for (const CsvNote& n : notes)
        out.emplace_back(n.line, n.location, n.issue, n.detail, n.detail2);
    return out;
}

const std::string kHeader = std::string(kCsvHeader) + "\n";

// ---- Export ----------------------------------------------------------------------------------------

// Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode and CrossMode of each way a
// channel can be entered; each row imports back to the same channel.
TEST(ChannelCsvExport, EveryShiftAndToneInTheFormatsConventionsAndBackTheSame) {
    const std::pair<Entry, const char*> cases[] = {
        {{1, "145.5"}, ",0.000000,,88.5,88.5,023,NN,023,Tone->Tone"},
        {{1, "145.6", "146.2"}, "+,0.600000,,88.5,88.5,023,NN,023,Tone->Tone"},
        {{1, "439.95", "434.95"}, "-,5.000000,,88.5,88.5,023,NN,023,Tone->Tone"},
        {{1, "145.5", "435.00625"}, "split,435.006250,,88.5,88.5,023,NN,023,Tone->Tone"},
        {{1, "145.5", ""}, "off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone"},
        {{1, "145.5", nullptr, nullptr, "100.0"}, ",0.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone"},
        {{1, "145.5", nullptr, "123.0", "123.0"}, ",0.000000,TSQL,123.0,123.0,023,NN,023,Tone->Tone"},
        {{1, "145.5", nullptr, "D754N", "D754N"}, ",0.000000,DTCS,88.5,88.5,754,NN,754,Tone->Tone"},
        {{1, "145.5", nullptr, "D023N", "D023I"}, ",0.000000,DTCS,88.5,88.5,023,RN,023,Tone->Tone"},
        {{1, "145.5", nullptr, "67.0", "254.1"}, ",0.000000,Cross,254.1,67.0,023,NN,023,Tone->Tone"},
        {{1, "145.5", nullptr, "D115I", "88.5"}, ",0.000000,Cross,88.5,88.5,023,NR,115,Tone->DTCS"},
        {{1, "145.5", nullptr, "71.9", "D025N"}, ",0.000000,Cross,88.5,71.9,025,NN,023,DTCS->Tone"},
        {{1, "145.5", nullptr, "D031I", "D032N"}, ",0.000000,Cross,88.5,88.5,032,NR,031,DTCS->DTCS"},
        {{1, "145.5", nullptr, "179.9"}, ",0.000000,Cross,88.5,179.9,023,NN,023,->Tone"},
        {{1, "145.5", nullptr, "D754I"}, ",0.000000,Cross,88.5,88.5,023,NR,754,->DTCS"},
        {{1, "145.5", nullptr, nullptr, "D026I"}, ",0.000000,Cross,88.5,88.5,026,RN,023,DTCS->"},
    };
    const BandState b = band(0);
    for (const auto& [entry, fields] : cases) {
        SCOPED_TRACE(fields);
        ChannelStore store;
        enter(store, b, entry);
        const CsvExport out = exportChannelsCsv(store, b.limits);
        EXPECT_TRUE(out.notes.empty());
        const auto records = csv::parse(out.text);
        ASSERT_EQ(records.size(), 2u);  // the header and the channel
        EXPECT_EQ(csv::join({records[1].fields.begin() + 3, records[1].fields.begin() + 12}), fields);

        ChannelStore back;
        const CsvImport in = importChannelsCsv(out.text, back, b);
        EXPECT_TRUE(in.refused.empty() && in.warnings.empty());
        EXPECT_EQ(row(back, 1), row(store, 1));
    }
}

// A decoded image may hold anything: BCD digits that are not digits, tone bytes of no tone. Such a channel is
// left out or written without what the format cannot carry, and reported.
TEST(ChannelCsvExport, WholeRowsInChannelOrderWithCrLfAndWhatTheFormatCannotCarryReported) {
    const BandState b = band(1);
    ChannelStore store;
    enter(store, b, {70, "500.1", nullptr, nullptr, nullptr, 0, 0, 0, "B,2"});
    enter(store, b, {1, "145.12", "145.72", nullptr, "88.5", 1, 1, 1, "RPT1"});
    store[1].rxFrequency = "1A5.12000";
    store[2].rxFrequency = "145.50000";
    store[2].txFrequency = "14F.00000";
    store[2].decodeTone = {255, "00.0"};
    const CsvExport out = exportChannelsCsv(store, b.limits);
    EXPECT_EQ(
        out.text,
        std::string(kCsvHeader) +
            "\r\n"
            "1,RPT1,145.120000,+,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,\r\n"
            "3,,145.500000,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,1.0W,,,,,\r\n"
            "70,\"B,2\",500.100000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,1.0W,,,,,\r\n");
    EXPECT_EQ(out.channels, 3);
    EXPECT_EQ(notesOf(out.notes), (std::vector<Note>{{0, 2, ExportBadFrequency, "1A5.12000", ""},
                                                     {0, 3, ExportBadTxFrequency, "14F.00000", ""},
                                                     {0, 3, ExportUnknownTone, "00.0", ""}}));
}

// ---- Import ----------------------------------------------------------------------------------------

// Each row on line 2 is refused whole, quoting what was wrong; the channel at its Location stays as it was.
TEST(ChannelCsvImport, ARefusedRowNamesItsLineAndLeavesTheChannelAsItWas) {
    const std::tuple<std::string, CsvIssue, const char*> cases[] = {
        {"A1,X,145.5", BadLocation, "A1"},
        {"0,X,145.5", BadLocation, "0"},
        {"129,X,145.5", BadLocation, "129"},
        {"5,X,abc", BadFrequency, "abc"},
        {"5,X,-145.5", BadFrequency, "-145.5"},
        {"5,X,1e3", BadFrequency, "1e3"},
        {"5,X,1.2.3", BadFrequency, "1.2.3"},
        {"5,X,145.5,+,1234567", BadOffset, "1234567"},  // a seventh whole digit
        {"5,X,174.000000", OutOfBand, "174.000000"},    // the upper limit is outside
        {"5,X,135.99999", OutOfBand, "135.99999"},
        {"5,X,173.5,+,0.600000", TxOutOfBand, "174.100000"},
        {"5,X,145.5,x,0", BadDuplex, "x"},
        {"5,X,145.5,-,six", BadOffset, "six"},
        {"5,X,145.5,-,146", BadOffset, "146"},  // below zero
        {"5,X,145.5,,0,TSQL-R,88.5,88.5", ReverseToneMode, "TSQL-R"},
        {"5,X,145.5,,0,Tones", BadToneMode, "Tones"},
        {"5,X,145.5,,0,Cross,88.5,88.5,023,NN,023,Tone->DCS", BadCrossMode, "Tone->DCS"},
        {"5,X,145.5,,0,Cross,88.5,88.5,023,NN,023,->", BadCrossMode, "->"},
        {"5,X,145.5,,0,Tone,89.0", UnknownCtcss, "89.0"},
        {"5,X,145.5,,0,TSQL,,88.55", UnknownCtcss, "88.55"},
        {"5,X,145.5,,0,DTCS,88.5,88.5,024,NN,024", UnknownDcs, "024"},
        {"5,X,145.5,,0,Cross,88.5,88.5,023,NN,1234,Tone->DTCS", UnknownDcs, "1234"},
        {"5,X,145.5,,0,DTCS,88.5,88.5,023,NI,023", BadPolarity, "NI"},
        {"5,X,145.5,,0,,88.5,88.5,023,NN,023,Tone->Tone,AM", BadMode, "AM"},
        {"5,X,145.5,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,high", BadPower, "high"},
        {"5,X,145.5,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,y", BadSkip, "y"},
        {"5,\"X,145.5", UnterminatedQuote, ""},
    };
    const BandState b = band(0);
    for (const auto& [text, issue, detail] : cases) {
        SCOPED_TRACE(text);
        ChannelStore store;
        enter(store, b, {5, "146.5", nullptr, nullptr, "88.5", 0, 0, 0, "OLD"});
        const std::string before = row(store, 5);
        const CsvImport result = importChannelsCsv(kHeader + text + "\n", store, b);
        EXPECT_FALSE(result.fileRefused);
        EXPECT_EQ(result.imported, 0);
        const int location = issue == BadLocation || issue == UnterminatedQuote ? 0 : 5;
        EXPECT_EQ(notesOf(result.refused), (std::vector<Note>{{2, location, issue, detail, ""}}));
        EXPECT_EQ(row(store, 5), before);
    }
}

// Columns by name in any order, unknown ones ignored, comments and quoted line breaks counted as lines.
TEST(ChannelCsvImport, AHandWrittenListNamesEveryRefusedLineAndKeepsTheGoodRows) {
    const std::string text =
        "\xEF\xBB\xBF# channels of the club\r\n"
        "Location,Note,Name,Frequency,Power,Duplex,Offset,Tone,rToneFreq\r\n"
        "1,\"x, y\",Home,145.500000,,,,,\r\n"
        "2,,\"Two\r\nlines\",175.0,,,,,\r\n"
        "3,,Club,145.600000,,-,0.600000,Tone,89.0\r\n"
        "4,,Repeatr,145.700000,1W,-,0.600000,Tone,88.5\r\n"
        "130,,,,,,,,\r\n"  // an empty row past the last channel is still refused
        "2,,Again,146.0,,,,,\r\n";
    ChannelStore store;
    const CsvImport result = importChannelsCsv(text, store, band(0));
    EXPECT_EQ(result.imported, 2);
    // Lower case is raised as the name editor raises it, without a word; a cut name is reported.
    EXPECT_EQ(notesOf(result.notes()), (std::vector<Note>{
                                           {4, 2, OutOfBand, "175.0", ""},
                                           {6, 3, UnknownCtcss, "89.0", ""},
                                           {7, 0, NameChanged, "Repeatr", "REPEAT"},
                                           {8, 0, BadLocation, "130", ""},
                                           {9, 2, DuplicateLocation, "2", "4"},
                                       }));
    EXPECT_EQ(store[0].name, "HOME");
    EXPECT_TRUE(store.isEmpty(2) && store.isEmpty(3));
    EXPECT_EQ(row(store, 4), "145.70000,145.10000,Off,88.5,Low,Off,On,wide,,Off,REPEAT");
}

// Rows taken, some with a change on the way; DTCS uses DtcsCode both ways (polarity: transmit, then receive)
// and RxDtcsCode only in the Cross modes.
TEST(ChannelCsvImport, AcceptedRowsAndTheChangesOnTheWay) {
    const std::tuple<std::string, std::vector<CsvIssue>, const char*> cases[] = {
        {"abc,145.123456", {FrequencySnapped}, "145.12000,145.12000,Off,Off,High,Off,On,wide,,Off,ABC"},
        {"a b!c,145.5", {NameChanged}, "145.50000,145.50000,Off,Off,High,Off,On,wide,,Off,ABC"},
        {"Ünï,145.5", {NameChanged}, "145.50000,145.50000,Off,Off,High,Off,On,wide,,Off,N"},
        {"\x80x\xE2\x9C,145.5", {NameChanged}, "145.50000,145.50000,Off,Off,High,Off,On,wide,,Off,X"},
        {",145.5,,,,,,,,,,,,P", {PriorityScan}, "145.50000,145.50000,Off,Off,High,Off,On,wide,,Off,"},
        {",145.6,+,.6", {}, "145.60000,146.20000,Off,Off,High,Off,On,wide,,Off,"},
        {",145.6,,7", {}, "145.60000,145.60000,Off,Off,High,Off,On,wide,,Off,"},
        {"H,443.1,+,5,DTCS,,,032,NN,023", {}, "443.10000,448.10000,D032N,D032N,High,Off,On,wide,,Off,H"},
        {",145.5,,,,,,,,,,NFM,5.00,S,1.0W", {}, "145.50000,145.50000,Off,Off,Low,Off,Off,Narrow,,Off,"},
        {",145.5,,,,,,,,,,nfm,12.50,s,2.5", {}, "145.50000,145.50000,Off,Off,High,Off,Off,Narrow,,Off,"},
        {",145.5,,,,,,,,,,FM,,,2.4 W", {}, "145.50000,145.50000,Off,Off,Low,Off,On,wide,,Off,"},
        {",145.5,,,,,,,,,,FM,,,2.4999995",
         {},
         "145.50000,145.50000,Off,Off,High,Off,On,wide,,Off,"},  // rounded
        {",145.5,,,,,,,,,,FM,,,2.4999994", {}, "145.50000,145.50000,Off,Off,Low,Off,On,wide,,Off,"},
    };
    for (const auto& [text, warnings, cells] : cases) {
        SCOPED_TRACE(text);
        ChannelStore store;
        const CsvImport result = importChannelsCsv(kHeader + "9," + text, store, band(0));
        EXPECT_TRUE(result.refused.empty()) << result.refused.front().detail;
        std::vector<CsvIssue> issues;
        for (const CsvNote& n : result.warnings)
            issues.push_back(n.issue);
        EXPECT_EQ(issues, warnings);
        EXPECT_EQ(row(store, 9), cells);
    }
    ChannelStore store;  // a row without a Mode takes the band's bandwidth
    importChannelsCsv("Location,Frequency\n9,145.5\n", store, band(2));
    EXPECT_EQ(channelCellText(store, 9, 8, kEnglish), "Narrow");
}

TEST(ChannelCsvImport, WholeFileRefusals) {
    const std::pair<std::string, Note> cases[] = {
        {"Channel,Frequency\n1,145.5\n", {0, 0, NotAChannelList, "", ""}},
        {"location,Frequency\n", {0, 0, NotAChannelList, "", ""}},
        {"Location,Name\n1,A\n", {1, 0, MissingColumn, "Frequency", ""}},
        {"# note\nLocation,Freq\n", {2, 0, MissingColumn, "Frequency", ""}},
    };
    for (const auto& [text, note] : cases) {
        SCOPED_TRACE(text);
        ChannelStore store;
        const CsvImport result = importChannelsCsv(text, store, band(0));
        EXPECT_TRUE(result.fileRefused);
        EXPECT_EQ(result.imported, 0);
        EXPECT_EQ(notesOf(result.refused), std::vector<Note>{note});
    }
}

// A listed channel keeps what the format has no column for, a new one has the channel editor's defaults; an
// empty Frequency empties the channel, and a replacing import every channel the list does not name.
TEST(ChannelCsvImport, ListedChannelsKeepWhatTheFormatHasNoColumnForAndEmptyOnesEmpty) {
    for (const bool replace : {false, true}) {
        SCOPED_TRACE(replace);
        ChannelStore store;
        for (int n : {1, 2, 3})
            enter(store, band(0), {n, "146.5"});
        store[2].busyLock = 0;  // busy-channel lock: Carry
        store[2].scramble = 0;  // scramble: On
        const CsvImport result =
            importChannelsCsv(kHeader + "2,,\n3,New,147.0\n4,Fresh,147.5\n", store, band(0), {replace});
        EXPECT_EQ(result.imported, 2);
        EXPECT_EQ(result.emptied, replace ? 2 : 1);  // channel 1 is the only other one set
        EXPECT_EQ(row(store, 3), "147.00000,147.00000,Off,Off,High,Carry,On,wide,,On,NEW");
        EXPECT_EQ(row(store, 4), "147.50000,147.50000,Off,Off,High,Off,On,wide,,Off,FRESH");
        EXPECT_EQ(store[3].hidden, 1);
        for (int n = 1; n <= kChannelCount; ++n)
            EXPECT_EQ(store.isEmpty(n), n == 2 || n > 4 || (replace && n == 1)) << n;
    }
}

}  // namespace
}  // namespace zrt

#include "app/channel_csv_commands.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <set>

#include "config/channel_csv.h"
#include "config/channel_edit.h"
#include "config/channel_table.h"
#include "i18n/channel_csv_texts.h"
#include "session/session.h"
#include "ui/msgbox.h"

namespace zrt {
namespace {

class ChannelCsvCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        setMsgBoxResponder([this](const MsgBoxRequest& r) {
            shown_.push_back(r);
            return answer_;
        });
        session_.edit(Change::everything(), [&](Configuration& c_) {
            commitFrequency(c_.channels, c_.band, 1, ChannelFrequency::Receive, "146.0");
        });
        session_.edit(Change::everything(), [&](Configuration& c_) { commitName(c_.channels, 1, "KEEP"); });
    }
    void TearDown() override { setMsgBoxResponder({}); }

    QString write(const char* name, const QByteArray& text) {
        const QString p = dir_.filePath(QString::fromLatin1(name));
        QFile f(p);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return p;
    }

    QTemporaryDir dir_;
    Session session_;
    ChannelCsvCommands commands_{session_, nullptr};
    std::vector<MsgBoxRequest> shown_;
    int answer_ = msg::kResultOk;
};

const QByteArray kPartlyBad =
    "Location,Name,Frequency\r\n"
    "1,One,145.5\r\n"
    "2,T wo,145.6\r\n"
    "3,Three,180\r\n";

TEST_F(ChannelCsvCommandsTest, APartlyRefusedListAsksBeforeAnythingChanges) {
    const QString file = write("list.csv", kPartlyBad);
    const ChannelStore before = session_.config().channels;
    answer_ = msg::kResultCancel;
    EXPECT_FALSE(commands_.importPath(file));
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0].style, msg::kStyleQuestion);
    EXPECT_EQ(shown_[0].title, "Be careful");
    EXPECT_EQ(shown_[0].prompt,
              "2 channels imported, 0 emptied, 1 rows refused.\n"
              "Line 3: Name \"T wo\" became \"TWO\" (at most six characters, no spaces or signs the radio "
              "cannot show)\n"
              "Line 4: Frequency 180 MHz: Beyond the scope of frequency band\n\n"
              "Import the other rows?");
    EXPECT_EQ(session_.config().channels.records, before.records);

    answer_ = msg::kResultOk;
    EXPECT_TRUE(commands_.importPath(file));
    EXPECT_EQ(session_.config().channels[0].name, "ONE");
    EXPECT_EQ(session_.config().channels[0].rxFrequency, "145.50000");
    EXPECT_TRUE(session_.config().channels.isEmpty(3));
}

TEST_F(ChannelCsvCommandsTest, AGoodListIsImportedWithASummaryInTheLanguage) {
    session_.setLanguage(kChinese);
    EXPECT_TRUE(commands_.importPath(write("good.csv", "Location,Frequency\n2,145.55\n")));
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0].style, msg::kStyleOk);
    EXPECT_EQ(shown_[0].prompt, QString::fromUtf8("已导入 1 个信道，清空 0 个，拒绝 0 行。"));
    EXPECT_EQ(session_.config().channels[1].rxFrequency, "145.55000");
    EXPECT_EQ(session_.config().channels[0].name, "KEEP");  // not listed, kept
}

TEST_F(ChannelCsvCommandsTest, OtherFilesChangeNothing) {
    const ChannelStore before = session_.config().channels;
    EXPECT_FALSE(commands_.importPath(write("data.csv", "QMV274 and more")));
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0].style, msg::kStyleCritical);
    EXPECT_EQ(shown_[0].prompt, "The file is not a channel list: its first line must start with Location,");
    EXPECT_FALSE(commands_.importPath(dir_.filePath("missing.csv")));
    EXPECT_TRUE(shown_.back().prompt.startsWith("The file could not be opened: "));
    const QByteArray huge =
        "Location,Frequency\n" + QByteArray(static_cast<qsizetype>(kMaxChannelCsvBytes), '#');
    EXPECT_FALSE(commands_.importPath(write("huge.csv", huge)));
    EXPECT_TRUE(shown_.back().prompt.startsWith("The file is too large for a channel list: "));
    EXPECT_EQ(session_.config().channels.records, before.records);
}

TEST_F(ChannelCsvCommandsTest, ExportWritesTheListAndSaysNothingWhenItIsComplete) {
    const QString file = dir_.filePath("out.csv");
    EXPECT_TRUE(commands_.exportPath(file));
    EXPECT_TRUE(shown_.empty());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(),
              exportChannelsCsv(session_.config().channels, session_.config().band.limits).text);

    session_.edit(Change::everything(), [&](Configuration& c_) {
        c_.channels[5].rxFrequency = "1A5.00000";
    });  // what a damaged image may hold
    EXPECT_TRUE(commands_.exportPath(file));
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_TRUE(shown_[0].prompt.contains("Channel 6: Receive frequency 1A5.00000 is not a frequency"));
    EXPECT_FALSE(commands_.exportPath(dir_.filePath("no-such-folder/out.csv")));
    EXPECT_TRUE(shown_.back().prompt.startsWith("The file could not be saved: "));
}

TEST(ChannelCsvTexts, EveryNoteIsWordedInBothLanguagesWithItsPlace) {
    struct Case {
        CsvNote note;
        const char* english;
        const char* chinese;  // nullptr: only checked to be there
    };
    const Case cases[] = {
        {{0, 0, CsvIssue::NotAChannelList, {}, {}},
         "The file is not a channel list: its first line must start with Location,",
         "文件不是信道列表：第一行必须以 Location, 开头"},
        {{1, 0, CsvIssue::MissingColumn, "Frequency", {}},
         "Line 1: The column Frequency is missing",
         nullptr},
        {{8, 2, CsvIssue::DuplicateLocation, "2", "4"},
         "Line 8: Location 2 was already given on line 4",
         "第 8 行：位置 2 已在第 4 行出现"},
        {{2, 5, CsvIssue::TxOutOfBand, "174.100000", {}},
         "Line 2: Transmit frequency 174.100000 MHz: Beyond the scope of frequency band",
         nullptr},
        {{2, 5, CsvIssue::BadDuplex, "x", {}},
         "Line 2: Duplex x is not one of \"\", +, -, split, off",
         nullptr},
        {{2, 5, CsvIssue::ReverseToneMode, "TSQL-R", {}},
         "Line 2: Tone mode TSQL-R (reverse tone squelch) is not available on this radio",
         nullptr},
        {{2, 5, CsvIssue::BadMode, "AM", {}},
         "Line 2: Mode AM is not available on this radio (FM or NFM only)",
         nullptr},
        {{7, 4, CsvIssue::NameChanged, "Repeatr", "REPEAT"},
         "Line 7: Name \"Repeatr\" became \"REPEAT\" (at most six characters, no spaces or signs the radio "
         "cannot show)",
         "第 7 行：名称“Repeatr”改为“REPEAT”（最多六个字符，不能有空格或本机无法显示的符号）"},
        {{0, 1, CsvIssue::ExportBadFrequency, "1A5.12000", {}},
         "Channel 1: Receive frequency 1A5.12000 is not a frequency; the channel is not exported",
         "信道 1：接收频率 1A5.12000 不是有效频率；该信道未导出"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(csvNoteText(c.note, kEnglish), c.english);
        if (c.chinese) {
            EXPECT_EQ(csvNoteText(c.note, kChinese), c.chinese);
        }
    }
    std::set<std::string> seen;
    for (int k = 0; k <= static_cast<int>(CsvIssue::ExportUnknownTone); ++k)
        for (int language : {kChinese, kEnglish}) {
            const std::string text = csvIssueText({0, 0, static_cast<CsvIssue>(k), "%", {}}, language);
            EXPECT_TRUE(seen.insert(text).second) << k << " " << text;
        }
    CsvImport summary;
    summary.imported = 3;
    summary.emptied = 1;
    summary.refused.resize(2);
    EXPECT_EQ(csvImportSummary(summary, kEnglish), "3 channels imported, 1 emptied, 2 rows refused.");
}

}  // namespace
}  // namespace zrt

// The channel list's import and export in the window: the report box, the question before a partly refused
// list changes anything, and the files that are no channel list.
#include "app/channel_csv_commands.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <set>

#include "config/channel_edit.h"
#include "i18n/channel_csv_texts.h"
#include "support/ui_driver.h"

namespace zrt {
namespace {

class ChannelCsvCommandsTest : public ui_test::WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        edit([](Configuration& c) {
            commitFrequency(c.channels, c.band, 1, ChannelFrequency::Receive, "146.0");
            commitName(c.channels, 1, "KEEP");
        });
    }
    QString write(const char* name, const QByteArray& text) {
        const QString p = dir_.filePath(QString::fromLatin1(name));
        QFile f(p);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
        return p;
    }
    const ChannelStore& channels() const { return session.config().channels; }

    QTemporaryDir dir_;
    ChannelCsvCommands commands_{session, nullptr};
};

// A partly refused list is a question before anything changes; a good one is a report in the window's
// language.
TEST_F(ChannelCsvCommandsTest, APartlyRefusedListAsksBeforeAnythingChanges) {
    const QString file = write("list.csv", "Location,Name,Frequency\r\n2,T wo,145.6\r\n3,Three,180\r\n");
    const ChannelStore before = channels();
    answer = msg::kResultCancel;
    EXPECT_FALSE(commands_.importPath(file));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].style, msg::kStyleQuestion);
    EXPECT_EQ(asked[0].title, "Be careful");
    EXPECT_EQ(asked[0].prompt,
              "1 channels imported, 0 emptied, 1 rows refused.\n"
              "Line 2: Name \"T wo\" became \"TWO\" (at most six characters, no spaces or signs the radio "
              "cannot show)\n"
              "Line 3: Frequency 180 MHz: Beyond the scope of frequency band\n\n"
              "Import the other rows?");
    EXPECT_EQ(channels().records, before.records);

    answer = msg::kResultOk;
    EXPECT_TRUE(commands_.importPath(file));
    EXPECT_EQ(channels()[1].name, "TWO");
    EXPECT_TRUE(channels().isEmpty(3));
    EXPECT_EQ(channels()[0].name, "KEEP");  // not listed, kept

    asked.clear();
    session.setLanguage(kChinese);
    EXPECT_TRUE(commands_.importPath(write("good.csv", "Location,Frequency\n2,145.55\n")));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].style, msg::kStyleOk);
    EXPECT_EQ(asked[0].prompt, QString::fromUtf8("已导入 1 个信道，清空 0 个，拒绝 0 行。"));
    EXPECT_EQ(channels()[1].rxFrequency, "145.55000");
}

// Each is one error box, and no channel changes.
TEST_F(ChannelCsvCommandsTest, OtherFilesChangeNothing) {
    const ChannelStore before = channels();
    const QString missing = dir_.filePath("missing.csv"), huge = dir_.filePath("huge.csv");
    write("huge.csv", "Location,Frequency\n" + QByteArray(static_cast<qsizetype>(kMaxChannelCsvBytes), '#'));
    const std::pair<QString, QString> refused[] = {
        {missing, qs(msg::kFileOpenFailed.text, kEnglish) + missing},
        {write("data.csv", "QMV274"),
         "The file is not a channel list: its first line must start with Location,"},
        {huge, qs(kCsvTooLarge, kEnglish) + huge},
    };
    for (const auto& [file, text] : refused) {
        EXPECT_FALSE(commands_.importPath(file));
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].style, msg::kStyleCritical);
        EXPECT_EQ(asked[0].prompt, text);
        asked.clear();
    }
    EXPECT_EQ(channels().records, before.records);
}

// Like Save, a complete export says nothing; a channel it cannot carry is reported.
TEST_F(ChannelCsvCommandsTest, ExportWritesTheListAndReportsOnlyWhatItCouldNotCarry) {
    const QString file = dir_.filePath("out.csv");
    EXPECT_TRUE(commands_.exportPath(file));
    EXPECT_TRUE(asked.empty());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(), exportChannelsCsv(channels(), session.config().band.limits).text);

    edit([](Configuration& c) { c.channels[5].rxFrequency = "1A5.00000"; });  // as a damaged image may hold
    EXPECT_TRUE(commands_.exportPath(file));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].style, msg::kStyleExclamation);
    EXPECT_EQ(
        asked[0].prompt,
        "1 channels exported.\nChannel 6: Receive frequency 1A5.00000 is not a frequency; the channel is not "
        "exported");
    asked.clear();
    const QString unwritable = dir_.filePath("no-such-folder/out.csv");
    EXPECT_FALSE(commands_.exportPath(unwritable));
    EXPECT_TRUE(askedOnly(msg::kFileSaveFailed, kEnglish, unwritable));
}

// Every issue has its own text in both languages, its details filled in.
TEST(ChannelCsvTexts, EveryNoteIsWordedInBothLanguagesWithItsPlace) {
    std::set<std::string> seen;
    for (int k = 0; k <= static_cast<int>(CsvIssue::ExportUnknownTone); ++k)
        for (int language : {kChinese, kEnglish}) {
            const std::string text = csvIssueText({0, 0, static_cast<CsvIssue>(k), "%", {}}, language);
            EXPECT_TRUE(seen.insert(text).second) << k << " " << text;
        }
    const CsvNote again{8, 2, CsvIssue::DuplicateLocation, "2", "4"};
    EXPECT_EQ(csvNoteText(again, kEnglish), "Line 8: Location 2 was already given on line 4");
    EXPECT_EQ(csvNoteText(again, kChinese), "第 8 行：位置 2 已在第 4 行出现");
}

}  // namespace
}  // namespace zrt

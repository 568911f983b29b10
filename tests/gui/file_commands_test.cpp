#include "app/file_commands.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "datafile/data_file.h"
#include "session/session.h"
#include "ui/msgbox.h"

namespace zrt {
namespace {

using Bytes = std::vector<std::uint8_t>;

class FileCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        setMsgBoxResponder([this](const MsgBoxRequest& r) {
            shown_.push_back(r);
            return answer_;
        });
    }
    void TearDown() override { setMsgBoxResponder({}); }

    QString path(const QString& name) const { return dir_.filePath(name); }

    static void writeFile(const QString& p, const Bytes& bytes) {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    }
    static Bytes readFile(const QString& p) {
        QFile f(p);
        if (!f.open(QIODevice::ReadOnly)) return {};
        const QByteArray data = f.readAll();
        return Bytes(data.begin(), data.end());
    }

    QTemporaryDir dir_;
    Session session_;
    FileCommands commands_{session_, nullptr};
    std::vector<MsgBoxRequest> shown_;
    int answer_ = msg::kResultOk;
};

Bytes dataFile(const char* identifier, unsigned seed) {
    Bytes file(3120);
    std::uint32_t x = seed;
    for (auto& b : file) {
        x = x * 1664525u + 1013904223u;
        b = static_cast<std::uint8_t>(x >> 24);
    }
    std::copy(identifier, identifier + 6, file.begin());
    return file;
}

TEST_F(FileCommandsTest, OpenThenSaveWritesTheHeaderAndTheEncodeOfTheDecode) {
    const Bytes original = dataFile("QMV274", 1);  // every other header byte is noise
    writeFile(path("in.dat"), original);
    // A byte past what a file holds, left in ImageIn by an earlier read, under a fresh configuration.
    MemoryImage before;
    before.set(3072, 0x3C);
    session_.decode(before);
    session_.replaceConfiguration(Session().config());

    ASSERT_TRUE(commands_.openPath(path("in.dat")));
    EXPECT_TRUE(shown_.empty());
    EXPECT_EQ(session_.imageIn()[3072], 0x3C);
    ASSERT_TRUE(commands_.savePath(path("out.dat")));
    EXPECT_TRUE(shown_.empty());

    // What a fresh program makes of the same image.
    Session expected;
    MemoryImage expectedIn = expected.imageIn();
    ASSERT_TRUE(datafile::load(original, expectedIn));
    expected.decode(expectedIn);
    expected.encode();
    const Bytes saved = readFile(path("out.dat"));
    EXPECT_EQ(saved, datafile::serialize(expected.imageOut()));
    ASSERT_EQ(saved.size(), 3120u);
    EXPECT_EQ(Bytes(saved.begin(), saved.begin() + 48), datafile::header());
    // Bytes the encode leaves alone come from ImageOut, not from the opened file.
    for (std::size_t a = 0x792; a <= 0x79F; ++a)
        EXPECT_EQ(saved[48 + a], 0x00) << a;
}

TEST_F(FileCommandsTest, OpenRefusesOtherIdentifiersInTheCurrentLanguage) {
    struct Case {
        const char* identifier;
        int language;
        const char* title;
        const char* text;
    };
    const Case cases[] = {
        {"QMX274", kEnglish, "Mistake", "File type is incorrect!"},
        {"QMX274", kChinese, "错误", "文件类型不正确！"},
        {"qmv274", kEnglish, "Mistake", "File type is incorrect!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.identifier);
        shown_.clear();
        session_.setLanguage(c.language);
        writeFile(path("other.dat"), dataFile(c.identifier, 2));
        MemoryImage before;
        before.fill(0x21);
        session_.decode(before);
        EXPECT_FALSE(commands_.openPath(path("other.dat")));
        ASSERT_EQ(shown_.size(), 1u);
        EXPECT_EQ(shown_[0].title, c.title);
        EXPECT_EQ(shown_[0].prompt, c.text);
        EXPECT_EQ(shown_[0].style, msg::kStyleCritical);
        for (std::uint8_t b : session_.imageIn().bytes())
            ASSERT_EQ(b, 0x21);
    }
}

TEST_F(FileCommandsTest, AFileThatCannotBeReadIsReported) {
    QDir(dir_.path()).mkdir("folder.dat");
    for (const QString& name : {QString("missing.dat"), QString("folder.dat")}) {
        SCOPED_TRACE(name.toStdString());
        shown_.clear();
        EXPECT_FALSE(commands_.openPath(path(name)));
        ASSERT_EQ(shown_.size(), 1u);
        EXPECT_EQ(shown_[0].title, "Mistake");
        EXPECT_EQ(shown_[0].prompt, "The file could not be opened: " + QDir::toNativeSeparators(path(name)));
    }
}

TEST_F(FileCommandsTest, AFailedSaveIsReportedAndLeavesNothingHalfWritten) {
    writeFile(path("plain"), {1, 2, 3});
    QDir(dir_.path()).mkdir("taken.dat");
    struct Case {
        QString target;
        int language;
        const char* prefix;
    };
    const Case cases[] = {
        {path("plain/inside.dat"), kEnglish, "The file could not be saved: "},  // the folder is a file
        {path("taken.dat"), kChinese, "文件无法保存："},                        // a folder has the name
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target.toStdString());
        shown_.clear();
        session_.setLanguage(c.language);
        EXPECT_FALSE(commands_.savePath(c.target));
        ASSERT_EQ(shown_.size(), 1u);
        EXPECT_EQ(shown_[0].prompt, c.prefix + QDir::toNativeSeparators(c.target));
        EXPECT_EQ(shown_[0].title, c.language == kChinese ? "错误" : "Mistake");
    }
    EXPECT_EQ(readFile(path("plain")), (Bytes{1, 2, 3}));
    EXPECT_TRUE(QFileInfo(path("taken.dat")).isDir());
}

// A disk that fills up half-way through the file: the old file must survive whole.
TEST_F(FileCommandsTest, ADiskThatFillsUpKeepsTheOldFile) {
    const Bytes old = dataFile("QMV274", 3);
    writeFile(path("keep.dat"), old);

    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 1000;  // bytes; writing past it fails like a full disk
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = commands_.savePath(path("keep.dat"));
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0].prompt, "The file could not be saved: " + QDir::toNativeSeparators(path("keep.dat")));
    EXPECT_EQ(readFile(path("keep.dat")), old);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"keep.dat"});  // no leftovers
}

TEST_F(FileCommandsTest, SaveReplacesALongerFileWithExactlyOneDataFile) {
    writeFile(path("long.dat"), Bytes(10000, 0x77));
    ASSERT_TRUE(commands_.savePath(path("long.dat")));
    EXPECT_EQ(readFile(path("long.dat")).size(), 3120u);
}

TEST_F(FileCommandsTest, NewAsksFirst) {
    for (int answer : {msg::kResultCancel, msg::kResultOk}) {
        shown_.clear();
        answer_ = answer;
        session_.edit(Change::everything(),
                      [&](Configuration& c_) { c_.channels[0].rxFrequency = "145.50000"; });
        EXPECT_EQ(commands_.newFile(), answer == msg::kResultOk);
        ASSERT_EQ(shown_.size(), 1u);
        EXPECT_EQ(shown_[0].prompt, "Unsaved data will be lost, sure?");
        EXPECT_EQ(shown_[0].style, msg::kStyleQuestion);
        EXPECT_EQ(session_.config().channels.isEmpty(1), answer == msg::kResultOk);
    }
}

}  // namespace
}  // namespace zrt

// New, Open and Save on data files: what reaches the disk, and the messages when a file is not ours or the
// disk refuses it.
#include "app/file_commands.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "datafile/data_file.h"
#include "platform/data_file_io.h"
#include "support/generators.h"
#include "support/ui_driver.h"

namespace zrt {
namespace {

using Bytes = std::vector<std::uint8_t>;

class FileCommandsTest : public ui_test::WindowTest {
  protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    static void writeFile(const QString& p, const Bytes& bytes) { ASSERT_TRUE(writeFileSafely(p, bytes)); }
    static Bytes readFile(const QString& p) {
        QFile f(p);
        if (!f.open(QIODevice::ReadOnly)) return {};
        const QByteArray data = f.readAll();
        return Bytes(data.begin(), data.end());
    }
    // A data file of noise behind the identifier.
    static Bytes dataFile(const char* identifier, unsigned seed) {
        Bytes file(3120);
        testing_support::fillPattern(file, seed);
        std::copy(identifier, identifier + 6, file.begin());
        return file;
    }

    QTemporaryDir dir;
    FileCommands commands{session, nullptr};
};

TEST_F(FileCommandsTest, OpenThenSaveWritesTheHeaderAndTheEncodeOfTheDecode) {
    const Bytes original = dataFile("QMV274", 1);  // every other header byte is noise
    writeFile(path("in.dat"), original);
    writeFile(path("out.dat"), Bytes(10000, 0x77));  // a longer file is replaced by exactly one data file
    // A byte past what a file holds, left in ImageIn by an earlier read, under a fresh configuration.
    MemoryImage earlier;
    earlier.set(3072, 0x3C);
    session.decode(earlier);
    session.replaceConfiguration(Session().config());

    ASSERT_TRUE(commands.openPath(path("in.dat")));
    EXPECT_EQ(session.imageIn()[3072], 0x3C);
    ASSERT_TRUE(commands.savePath(path("out.dat")));
    EXPECT_TRUE(asked.empty());

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

TEST_F(FileCommandsTest, OpenRefusesOtherFilesAndChangesNothing) {
    QDir(dir.path()).mkdir("folder.dat");
    writeFile(path("other.dat"), dataFile("QMX274", 2));
    writeFile(path("lower.dat"), dataFile("qmv274", 2));
    const std::tuple<const char*, int, const msg::Message*, bool> cases[] = {
        {"other.dat", kEnglish, &msg::kFileTypeIncorrect, false},
        {"lower.dat", kEnglish, &msg::kFileTypeIncorrect, false},
        {"missing.dat", kEnglish, &msg::kFileOpenFailed, true},
        {"folder.dat", kChinese, &msg::kFileOpenFailed, true},
    };
    MemoryImage before;
    before.fill(0x21);
    session.decode(before);
    for (const auto& [name, language, message, withPath] : cases) {
        SCOPED_TRACE(name);
        session.setLanguage(language);
        EXPECT_FALSE(commands.openPath(path(name)));
        EXPECT_TRUE(
            askedOnly(*message, language, withPath ? QDir::toNativeSeparators(path(name)) : QString()));
        EXPECT_TRUE(session.imageIn() == before);
    }
}

// A save that fails is reported and leaves what was there: a folder in the way, a file where its folder
// should be, and a disk that fills up half-way through the file, after which the old file must survive whole.
TEST_F(FileCommandsTest, AFailedSaveOrAFullDiskKeepsWhatWasThere) {
    writeFile(path("plain"), {1, 2, 3});
    QDir(dir.path()).mkdir("taken.dat");
    const Bytes old = dataFile("QMV274", 3);
    writeFile(path("keep.dat"), old);
    const std::pair<QString, int> cases[] = {
        {path("plain/inside.dat"), kEnglish},  // the folder is a file
        {path("taken.dat"), kChinese},         // a folder has the name
    };
    for (const auto& [target, language] : cases) {
        SCOPED_TRACE(target.toStdString());
        session.setLanguage(language);
        EXPECT_FALSE(commands.savePath(target));
        EXPECT_TRUE(askedOnly(msg::kFileSaveFailed, language, QDir::toNativeSeparators(target)));
    }

    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 1000;  // bytes; writing past it fails like a full disk
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = commands.savePath(path("keep.dat"));
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    EXPECT_TRUE(askedOnly(msg::kFileSaveFailed, kChinese, QDir::toNativeSeparators(path("keep.dat"))));
    EXPECT_EQ(readFile(path("keep.dat")), old);
    EXPECT_EQ(readFile(path("plain")), (Bytes{1, 2, 3}));
    EXPECT_TRUE(QFileInfo(path("taken.dat")).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"keep.dat", "plain"}));  // no leftovers
}

}  // namespace
}  // namespace zrt

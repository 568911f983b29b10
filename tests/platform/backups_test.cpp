#include "platform/backups.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "datafile/data_file.h"
#include "image/memory_image.h"
#include "support/generators.h"

namespace zrt {
namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A backup is the data file of the memory; after it, the newest 100 backups remain and any other file of
// the folder stays.
TEST(Backups, SavedAtomicallyAndPrunedToTheNewestHundred) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("nested/backups"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (int i = 0; i < 100; ++i) {
        QFile f(QDir(folder).filePath(QStringLiteral("2020-01-01_00%1%2_band0.dat")
                                          .arg(i / 60, 2, 10, QLatin1Char('0'))
                                          .arg(i % 60, 2, 10, QLatin1Char('0'))));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QFile other(QDir(folder).filePath(QStringLiteral("kept by hand.dat")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();

    const MemoryImage image = testing_support::patternedImage(5);
    const BackupResult r = saveBackup(image, 2, folder);
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    EXPECT_TRUE(r.path.endsWith(QStringLiteral("_band2.dat")));
    const auto expected = datafile::serialize(image);
    EXPECT_EQ(contents(r.path), QByteArray(reinterpret_cast<const char*>(expected.data()),
                                           static_cast<qsizetype>(expected.size())));
    const QStringList listed = listBackups(folder);
    ASSERT_EQ(listed.size(), 100);
    EXPECT_EQ(listed.front(), r.path);
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath(QStringLiteral("2020-01-01_000000_band0.dat"))));
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath(QStringLiteral("2020-01-01_000001_band0.dat"))));
    EXPECT_TRUE(other.exists());
    EXPECT_EQ(backupBand(r.path), 2);

    // A second backup in the same second keeps both.
    const BackupResult again = saveBackup(image, 2, folder);
    EXPECT_NE(again.path, r.path);
    EXPECT_EQ(listBackups(folder).front(), again.path);

    // A folder that cannot be made: an error, nothing written, nothing deleted.
    const QString blocked = dir.filePath(QStringLiteral("file"));
    QFile blocker(blocked);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const BackupResult failed = saveBackup(image, 0, blocked + QStringLiteral("/backups"));
    EXPECT_TRUE(failed.path.isEmpty());
    EXPECT_FALSE(failed.error.isEmpty());
    EXPECT_EQ(listBackups(folder).size(), 100);
}

}  // namespace
}  // namespace zrt

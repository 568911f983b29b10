// Backups on disk: which names count and which go is the backup catalog's business (tested in the core), what
// a backup holds and a folder that cannot be made are the window's safety nets' (tests/serial).
#include "platform/backups.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTime>

#include "support/generators.h"

namespace zrt {
namespace {

// After a backup the newest 100 remain, any other file of the folder stays, and a second backup in the same
// second keeps both.
TEST(Backups, PrunedOnDiskToTheNewestHundred) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDir folder(dir.filePath(QStringLiteral("nested/backups")));
    ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
    for (int i = 0; i < 100; ++i)
        QFile(folder.filePath("2020-01-01_" + QTime(0, 0).addSecs(i).toString("HHmmss") + "_band0.dat"))
            .open(QIODevice::WriteOnly);
    QFile other(folder.filePath(QStringLiteral("kept by hand.dat")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));

    const MemoryImage image = testing_support::patternedImage(5);
    const BackupResult r = saveBackup(image, 2, folder.path());
    ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
    EXPECT_EQ(backupBand(r.path), 2);
    const QStringList listed = listBackups(folder.path());
    ASSERT_EQ(listed.size(), 100);
    EXPECT_EQ(listed.front(), r.path);
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("2020-01-01_000000_band0.dat"))));
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("2020-01-01_000001_band0.dat"))));
    EXPECT_TRUE(other.exists());

    const BackupResult again = saveBackup(image, 2, folder.path());
    EXPECT_NE(again.path, r.path);
    EXPECT_EQ(listBackups(folder.path()).front(), again.path);
}

}  // namespace
}  // namespace zrt

// File › Backups…: what the window lists and what its commands do.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app/backups_window.h"
#include "config/channel_edit.h"
#include "i18n/backup_captions.h"
#include "platform/backups.h"
#include "support/generators.h"
#include "support/ui_driver.h"

namespace zrt {
namespace {

MemoryImage imageWith(const std::vector<std::pair<int, const char*>>& named) {
    Configuration c = startConfiguration();
    for (const auto& [n, name] : named) {
        commitFrequency(c.channels, c.band, n, ChannelFrequency::Receive, n <= 64 ? "145.5" : "435.5");
        commitName(c.channels, n, name);
    }
    return testing_support::encoded(c);
}

class BackupsWindowTest : public ui_test::WindowTest {};

TEST_F(BackupsWindowTest, ListsFollowsTheFolderAndAsksBeforeRestoreAndDelete) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("backups"));
    const BackupResult older = saveBackup(imageWith({{1, "RPT1"}, {2, ""}, {65, "UHF"}}), 0, folder);
    QFile(older.path).rename(QDir(folder).filePath(QStringLiteral("2026-01-02_030405_band0.dat")));

    BackupsWindow window(kEnglish);
    window.setFolder(folder);
    window.show();
    const auto* grid = window.findChild<QTableWidget*>(QStringLiteral("GridBackups"));
    ASSERT_EQ(window.paths().size(), 1);
    EXPECT_EQ(ui_test::cell(grid, 0, 0), "2026-01-02 03:04:05");
    EXPECT_EQ(ui_test::cell(grid, 0, 1), "A:136-174MHz B:400-470MHz");
    EXPECT_EQ(ui_test::cell(grid, 0, 2), "3");
    EXPECT_EQ(ui_test::cell(grid, 0, 3), "RPT1, UHF");

    // A read meanwhile: its backup comes first, selected.
    const BackupResult newer = saveBackup(imageWith({}), 0, folder);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.paths().size() == 2; }));
    EXPECT_EQ(window.paths().front(), newer.path);
    window.selectPath(window.paths().back());

    answer = msg::kResultCancel;
    QStringList restored;
    QObject::connect(&window, &BackupsWindow::restoreRequested, [&](const QString& p) { restored << p; });
    auto* restore = window.findChild<QPushButton*>(QStringLiteral("CommandRestore"));
    auto* remove = window.findChild<QPushButton*>(QStringLiteral("CommandDelete"));
    restore->click();
    EXPECT_TRUE(restored.isEmpty());
    answer = msg::kResultOk;
    restore->click();
    EXPECT_EQ(restored, QStringList{window.paths().back()});
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].prompt, qs(backup_text::kRestoreQuestion, kEnglish).arg("2026-01-02 03:04:05"));

    window.applyLanguage(kChinese);
    answer = msg::kResultCancel;
    remove->click();
    EXPECT_EQ(asked.back().prompt, qs(backup_text::kDeleteQuestion, kChinese).arg("2026-01-02 03:04:05"));
    EXPECT_EQ(window.paths().size(), 2);
    answer = msg::kResultOk;
    remove->click();
    EXPECT_EQ(window.paths(), QStringList{newer.path});
}

}  // namespace
}  // namespace zrt

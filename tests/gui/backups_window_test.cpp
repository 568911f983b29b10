// File › Backups… and File › Compare with File…: what the windows list and what their commands do.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app/backups_window.h"
#include "app/compare_window.h"
#include "config/channel_edit.h"
#include "datafile/data_file.h"
#include "i18n/backup_captions.h"
#include "platform/backups.h"
#include "platform/data_file_io.h"
#include "support/ui_driver.h"

namespace zrt {
namespace {

MemoryImage imageWith(const std::vector<std::pair<int, const char*>>& named) {
    Session s;
    for (const auto& [n, name] : named) {
        s.edit(Change::everything(), [&](Configuration& c_) {
            commitFrequency(c_.channels, c_.band, n, ChannelFrequency::Receive, n <= 64 ? "145.5" : "435.5");
        });
        s.edit(Change::everything(), [&](Configuration& c_) { commitName(c_.channels, n, name); });
    }
    s.encode();
    return s.imageOut();
}

QString cell(const BackupsWindow& w, int row, int column) {
    const auto* grid = w.findChild<QTableWidget*>(QStringLiteral("GridBackups"));
    return grid && grid->item(row, column) ? grid->item(row, column)->text() : QString();
}

class BackupsWindowTest : public ui_test::WindowTest {};

TEST_F(BackupsWindowTest, ListsFollowsTheFolderAndAsksBeforeRestoreAndDelete) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("backups"));
    const BackupResult older = saveBackup(imageWith({{1, "RPT1"}, {2, ""}, {65, "UHF"}}), 0, folder);
    ASSERT_TRUE(older.error.isEmpty());
    QFile(older.path).rename(QDir(folder).filePath(QStringLiteral("2026-01-02_030405_band0.dat")));

    BackupsWindow window(kEnglish);
    window.setFolder(folder);
    window.show();
    ASSERT_EQ(window.paths().size(), 1);
    EXPECT_EQ(cell(window, 0, 0), "2026-01-02 03:04:05");
    EXPECT_EQ(cell(window, 0, 1), "A:136-174MHz B:400-470MHz");
    EXPECT_EQ(cell(window, 0, 2), "3");
    EXPECT_EQ(cell(window, 0, 3), "RPT1, UHF");

    // A read meanwhile: its backup comes first, selected.
    const BackupResult newer = saveBackup(imageWith({}), 0, folder);
    ASSERT_TRUE(ui_test::eventually([&] { return window.paths().size() == 2; }));
    EXPECT_EQ(window.paths().front(), newer.path);
    EXPECT_EQ(cell(window, 0, 2), "0");
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

// The comparison of the windows' configuration with a file names exactly the fields that differ, in the
// window's language.
TEST_F(BackupsWindowTest, CompareShowsTheFieldsThatDiffer) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    session.edit(Change::everything(), [&](Configuration& c_) {
        commitFrequency(c_.channels, c_.band, 1, ChannelFrequency::Receive, "145.5");
    });
    session.edit(Change::everything(), [&](Configuration& c_) { commitName(c_.channels, 1, "CALL"); });
    const QString path = dir.filePath(QStringLiteral("other.dat"));
    ASSERT_EQ(saveDataFile(session, path), FileResult::Done);

    ASSERT_TRUE(main().compareWithPath(path));
    CompareWindow* compare = main().compareWindow();
    ASSERT_NE(compare, nullptr);
    EXPECT_EQ(compare->differenceCount(), 0);

    session.edit(Change::everything(), [&](Configuration& c_) { commitName(c_.channels, 1, "HOME"); });
    session.edit(Change::everything(),
                 [&](Configuration& c_) { c_.features[FeatureList::Beep] = 0; });  // beep off
    ASSERT_TRUE(main().compareWithPath(path));
    const auto* grid = compare->findChild<QTableWidget*>(QStringLiteral("GridCompare"));
    ASSERT_EQ(compare->differenceCount(), 2);
    auto row = [&](int r) {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << grid->item(r, c)->text();
        return cells;
    };
    EXPECT_EQ(row(0), (QStringList{"A1", "Channel Name", "HOME", "CALL"}));
    EXPECT_EQ(row(1), (QStringList{"Optional Features", "Beep", "Off", "On"}));
    EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), "other.dat");

    session.setLanguage(kChinese);
    main().applyLanguage();
    EXPECT_EQ(row(1), (QStringList{"可选功能", "提示音", "关", "开"}));
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "当前配置");
}

}  // namespace
}  // namespace zrt

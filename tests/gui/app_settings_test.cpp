// What the program remembers between starts: every choice comes back from a scratch settings file, values
// it cannot use give the first start's, and a start without settings is the first start of old.
#include "app/app_settings.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/help_viewer.h"
#include "i18n/main_window_captions.h"
#include "platform/data_file_io.h"
#include "support/ui_driver.h"

namespace zrt {
namespace {

TEST(AppSettings, ChoicesRoundTripAndUnusableValuesAndFoldersGiveTheFirstStart) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("s.ini"));
    QDir(dir.path()).mkpath(QStringLiteral("csv"));
    {
        AppSettings fresh(file);  // language, port and window come back in a real start, below
        fresh.setPortDevice(QStringLiteral("/dev/pts/9"));
        fresh.rememberDialogFile(FileDialogKind::ImportChannels,
                                 dir.filePath(QStringLiteral("csv/list.csv")));
        for (int i = 0; i < 10; ++i)
            fresh.addRecentFile(dir.filePath(QStringLiteral("f%1.dat").arg(i)));
        fresh.addRecentFile(dir.filePath(QStringLiteral("f5.dat")));  // again: moves to the top
    }
    AppSettings again(file);
    EXPECT_EQ(again.portDevice(), "/dev/pts/9");
    EXPECT_EQ(again.dialogFolder(FileDialogKind::ImportChannels), dir.filePath(QStringLiteral("csv")));
    EXPECT_EQ(again.dialogFolder(FileDialogKind::Open),
              defaultDialogFolder(QApplication::applicationDirPath()));
    const QStringList recent = again.recentFiles();
    ASSERT_EQ(recent.size(), kMaxRecentFiles);
    EXPECT_EQ(recent[0], dir.filePath(QStringLiteral("f5.dat")));
    EXPECT_EQ(recent[1], dir.filePath(QStringLiteral("f9.dat")));
    EXPECT_EQ(recent.count(dir.filePath(QStringLiteral("f5.dat"))), 1);
    EXPECT_FALSE(recent.contains(dir.filePath(QStringLiteral("f1.dat"))));  // the oldest fell off

    // A folder that went away, and values written by hand that mean nothing.
    QDir(dir.filePath(QStringLiteral("csv"))).removeRecursively();
    EXPECT_EQ(again.dialogFolder(FileDialogKind::ImportChannels),
              defaultDialogFolder(QApplication::applicationDirPath()));
    {
        QSettings raw(file, QSettings::IniFormat);
        raw.setValue(settings_key::kLanguage, "fr");
        raw.setValue(settings_key::kPortEntry, 17);
    }
    AppSettings odd(file);
    EXPECT_EQ(odd.languageIndex(), kEnglish);
    EXPECT_EQ(odd.portEntry(), 1);
    odd.setPortEntry(0);  // refused
    EXPECT_EQ(odd.portEntry(), 1);

    odd.clear();
    AppSettings forgotten(file);
    EXPECT_TRUE(forgotten.recentFiles().isEmpty());
    EXPECT_TRUE(forgotten.portDevice().isEmpty());

    // Dialogs start in the program's folder only where the user can write; the guides are found beside the
    // program or below its prefix.
    EXPECT_EQ(defaultDialogFolder(dir.path()), dir.path());
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString fallback = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    EXPECT_EQ(defaultDialogFolder(QStringLiteral("/nonexistent/zrt410-bin")), fallback);
    EXPECT_EQ(defaultDialogFolder(QString()), fallback);
    if (::geteuid() != 0) {
        EXPECT_EQ(defaultDialogFolder(QStringLiteral("/usr/bin")), fallback);
    }

    const QString bin = dir.filePath(QStringLiteral("bin"));
    QDir(dir.path()).mkpath(QStringLiteral("bin"));
    EXPECT_EQ(findHelpFolder(bin), bin + "/help");  // neither: the first, for the message
    QDir(dir.path()).mkpath(QStringLiteral("share/zr-t410/help/en"));
    EXPECT_EQ(findHelpFolder(bin), dir.filePath(QStringLiteral("share/zr-t410/help")));
    QDir(bin).mkpath(QStringLiteral("help/en"));
    EXPECT_EQ(findHelpFolder(bin), bin + "/help");
}

class RememberedStart : public ui_test::WindowTest {
  protected:
    // A start of the program as main() makes it: the window, the settings, then the start port.
    void start(AppSettings* settings) {
        restart();
        main().useSettings(settings);
        main().show();
        main().openStartPort();
    }
    QMenu* recentMenu() { return control<QMenu>("MNRecent"); }
    QStringList recentTexts() {
        QStringList texts;
        for (QAction* a : recentMenu()->actions())
            if (a->property("recentFile").isValid()) texts << a->text();
        return texts;
    }
    QTemporaryDir dir;
};

TEST_F(RememberedStart, LanguagePortRecentFilesAndPlaceComeBackAtTheNextStart) {
    AppSettings settings(dir.filePath(QStringLiteral("s.ini")));
    const QString saved = dir.filePath(QStringLiteral("radio.dat"));
    start(&settings);
    ASSERT_EQ(saveDataFile(session, saved), FileResult::Done);
    ASSERT_TRUE(main().openFile(saved));
    setLanguage(kChinese);
    main().setGeometry(40, 50, 900, 700);
    main().verifyAfterWriteAction()->trigger();  // off
    settings.setPortEntry(3);                    // as if entry 3 had opened last time
    ASSERT_TRUE(main().close());

    start(&settings);
    EXPECT_EQ(session.config().languageIndex, kChinese);
    ASSERT_FALSE(asked.empty());
    EXPECT_TRUE(asked.front().prompt.startsWith(qs(msg::kPortErrorPrefix, kChinese) + "3"))
        << asked.front().prompt.toStdString();
    EXPECT_EQ(main().size(), QSize(900, 700));
    EXPECT_FALSE(main().verifyAfterWriteAction()->isChecked());
    EXPECT_EQ(recentTexts(), QStringList{"&1 " + QDir::toNativeSeparators(saved)});

    // Chosen from the menu: opened as Open opens it; once gone, dropped with a message.
    asked.clear();
    recentMenu()->actions().front()->trigger();
    EXPECT_TRUE(asked.empty());
    QFile::remove(saved);
    recentMenu()->actions().front()->trigger();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, qs(kRecentMissingTitle, kChinese));
    EXPECT_EQ(asked[0].prompt, qs(kRecentMissing, kChinese) + QDir::toNativeSeparators(saved));
    EXPECT_TRUE(recentTexts().isEmpty());
    EXPECT_TRUE(settings.recentFiles().isEmpty());
    EXPECT_FALSE(recentMenu()->menuAction()->isEnabled());
}

}  // namespace
}  // namespace zrt

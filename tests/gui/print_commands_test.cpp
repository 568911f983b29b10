// File › Print and Export PDF in the window: the preview of the document in the window's language, the data
// file's name in its title block, and a PDF that cannot be written.
#include "app/print_commands.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>

#include "config/channel_edit.h"
#include "support/ui_driver.h"

namespace zrt {
namespace {

class PrintCommandsTest : public ui_test::WindowTest {};

TEST_F(PrintCommandsTest, PreviewInTheWindowsLanguageAndAPdfThatCannotBeWritten) {
    QTemporaryDir dir;
    edit(
        [](Configuration& c) { commitFrequency(c.channels, c.band, 1, ChannelFrequency::Receive, "146.0"); });
    setLanguage(kChinese);
    trigger("MNPrint");
    auto* preview = main().findChild<QPrintPreviewDialog*>(QStringLiteral("PrintPreview"));
    ASSERT_TRUE(preview && preview->isVisible());
    EXPECT_GE(preview->findChild<QPrintPreviewWidget*>()->pageCount(), 1);
    preview->close();

    PrintCommands commands(session, nullptr);
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/list.pdf"));
    EXPECT_FALSE(commands.exportPdfPath(missing));
    EXPECT_TRUE(askedOnly(msg::kFileSaveFailed, kChinese, missing));
    EXPECT_TRUE(commands.exportPdfPath(dir.filePath(QStringLiteral("list.pdf"))));
    QFile written(dir.filePath(QStringLiteral("list.pdf")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-");
}

}  // namespace
}  // namespace zrt

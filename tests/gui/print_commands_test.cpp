// File › Print and Export PDF in the window: the preview of the document in the window's language, the data
// file's name in its title block, and a PDF that cannot be written.
#include "app/print_commands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>

#include "app/main_window.h"
#include "ui/msgbox.h"
#include "config/channel_edit.h"
#include "config/channel_table.h"
#include "session/session.h"

namespace zrt {
namespace {

TEST(PrintCommands, PreviewInTheWindowsLanguageAndAPdfThatCannotBeWritten) {
    std::vector<MsgBoxRequest> shown;
    setMsgBoxResponder([&](const MsgBoxRequest& r) {
        shown.push_back(r);
        return msg::kResultOk;
    });
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Session session;
    session.edit(Change::everything(), [&](Configuration& c_) {
        commitFrequency(c_.channels, c_.band, 1, ChannelFrequency::Receive, "146.0");
    });
    {
        MainWindow window(session, PortNames(QStringLiteral("/nonexistent/zrt410-test-port")));
        session.setLanguage(kChinese);
        window.applyLanguage();
        auto* print = qobject_cast<QAction*>(window.control("MNPrint"));
        ASSERT_NE(print, nullptr);
        EXPECT_TRUE(print->isEnabled());
        print->trigger();
        auto* preview = window.findChild<QPrintPreviewDialog*>(QStringLiteral("PrintPreview"));
        ASSERT_NE(preview, nullptr);
        EXPECT_TRUE(preview->isVisible());
        EXPECT_EQ(preview->windowTitle(), QString::fromUtf8("打印预览"));
        QApplication::processEvents();
        auto* pages = preview->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(pages, nullptr);
        EXPECT_GE(pages->pageCount(), 1);
        preview->close();
    }

    PrintCommands commands(session, nullptr);
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/list.pdf"));
    EXPECT_FALSE(commands.exportPdfPath(missing));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].prompt, QString::fromUtf8("文件无法保存：") + missing);
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_TRUE(commands.exportPdfPath(dir.filePath(QStringLiteral("list.pdf"))));
    QFile written(dir.filePath(QStringLiteral("list.pdf")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-");
    setMsgBoxResponder({});
}

}  // namespace
}  // namespace zrt

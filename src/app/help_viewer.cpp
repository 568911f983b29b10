#include "app/help_viewer.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/msgbox.h"
#include "i18n/main_window_captions.h"
#include "platform/qt_text.h"

namespace zrt {

namespace {

// The guide is shown by the program itself, so it opens on every computer, browser or not, and stays beside
// the program while the user follows it. One window, reused; it shows the guide of the language last asked.
QDialog* helpWindow(QWidget* owner) {
    if (auto* existing = owner ? owner->findChild<QDialog*>(QStringLiteral("HelpWindow")) : nullptr)
        return existing;
    auto* window = new QDialog(owner, Qt::Window);
    window->setObjectName(QStringLiteral("HelpWindow"));
    auto* browser = new QTextBrowser(window);
    browser->setObjectName(QStringLiteral("HelpText"));
    browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    QObject::connect(browser, &QTextBrowser::sourceChanged, window,
                     [window, browser] { window->setWindowTitle(browser->documentTitle()); });
    window->resize(780, 660);
    return window;
}

}  // namespace

QString findHelpFolder(const QString& programFolder) {
    const QString beside = programFolder + QStringLiteral("/help");
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("/../share/zr-t410/help"));
    for (const QString& folder : {beside, installed})
        if (QFileInfo(folder).isDir()) return folder;
    return beside;
}

QString helpDocumentPath(int languageIndex) {
    const QString language = languageIndex == kChinese ? QStringLiteral("zh") : QStringLiteral("en");
    return findHelpFolder(QCoreApplication::applicationDirPath()) + QLatin1Char('/') + language +
           QStringLiteral("/index.html");
}

void openHelp(int languageIndex, QWidget* owner) {
    const QString path = helpDocumentPath(languageIndex);
    if (!QFileInfo(path).isReadable()) {
        msgBoxEx(languageIndex, qs(kHelpMissing, languageIndex).arg(QDir::toNativeSeparators(path)),
                 msg::kStyleExclamation, qs(kHelpMissingTitle, languageIndex), owner);
        return;
    }
    QDialog* window = helpWindow(owner);
    auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("HelpText"));
    const QUrl url = QUrl::fromLocalFile(path);
    if (browser->source() != url) browser->setSource(url);  // the same guide again keeps its place
    window->setWindowTitle(browser->documentTitle());
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace zrt

#include "app/help_viewer.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "app/msgbox.h"
#include "i18n/main_window_captions.h"
#include "platform/qt_text.h"

namespace zrt {

QString helpDocumentPath(int languageIndex) {
    const QString language = languageIndex == kChinese ? QStringLiteral("zh") : QStringLiteral("en");
    return QCoreApplication::applicationDirPath() + QStringLiteral("/help/") + language +
           QStringLiteral("/index.html");
}

void openHelp(int languageIndex, QWidget* owner) {
    const QString path = helpDocumentPath(languageIndex);
    if (QFileInfo::exists(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path))) return;
    msgBoxEx(languageIndex, qs(kHelpMissing, languageIndex).arg(QDir::toNativeSeparators(path)),
             msg::kStyleExclamation, qs(kHelpMissingTitle, languageIndex), owner);
}

}  // namespace zrt

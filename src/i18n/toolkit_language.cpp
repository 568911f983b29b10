#include "i18n/toolkit_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "config/text.h"

namespace zrt {

namespace {

QTranslator* installed = nullptr;

}  // namespace

bool applyToolkitLanguage(int languageIndex) {
    if (languageIndex != kChinese && languageIndex != kEnglish) return true;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    if (languageIndex == kEnglish) return true;
    auto* translator = new QTranslator;
    // A copy shipped beside the program first (installed without Qt's own files), then Qt's own folder.
    const QString folders[] = {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString& folder : folders) {
        if (translator->load(QStringLiteral("qtbase_zh_CN"), folder)) {
            QCoreApplication::installTranslator(translator);
            installed = translator;
            return true;
        }
    }
    delete translator;
    return false;
}

}  // namespace zrt

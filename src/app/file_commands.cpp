#include "app/file_commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

#include "app/msgbox.h"
#include "platform/data_file_io.h"
#include "platform/qt_text.h"
#include "session/session.h"

namespace zrt {

namespace {

// The data file filter first, then all files; the same in both languages.
const QString kFilter = QStringLiteral("DAT文件(*.dat);;AllFiles(*.*)");

void fileMessage(int languageIndex, const msg::Message& m, const QString& path, QWidget* owner) {
    msgBoxEx(languageIndex, qs(m.text, languageIndex) + QDir::toNativeSeparators(path), m.style,
             qs(m.title, languageIndex), owner);
}

}  // namespace

FileCommands::FileCommands(Session& session, QWidget* dialogParent)
    : session_(session), parent_(dialogParent) {}

bool FileCommands::newFile() {
    if (msgBoxEx(session_.config.languageIndex, msg::kNewQuestion, parent_) != msg::kResultOk) return false;
    session_.newConfiguration();
    return true;
}

bool FileCommands::open() {
    const QString path =
        QFileDialog::getOpenFileName(parent_, QString(), QCoreApplication::applicationDirPath(), kFilter);
    if (path.isEmpty()) return false;
    return openPath(path);
}

bool FileCommands::openPath(const QString& path) {
    return report(openDataFile(session_, path), path);
}

bool FileCommands::save() {
    const QString path =
        QFileDialog::getSaveFileName(parent_, QString(), QCoreApplication::applicationDirPath(), kFilter);
    if (path.isEmpty()) return false;
    return savePath(path);
}

bool FileCommands::savePath(const QString& path) {
    return report(saveDataFile(session_, path), path);
}

bool FileCommands::report(FileResult result, const QString& path) {
    if (result == FileResult::Done) return true;
    const int language = session_.config.languageIndex;
    const msg::Message& m = fileResultMessage(result);
    if (fileResultNamesPath(result))
        fileMessage(language, m, path, parent_);
    else
        msgBoxEx(language, m, parent_);
    return false;
}

}  // namespace zrt

#include "app/file_commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

#include "app/app_settings.h"
#include "app/file_dialog.h"
#include "platform/data_file_io.h"
#include "platform/qt_text.h"
#include "session/session.h"
#include "ui/msgbox.h"

namespace zrt {

namespace {

// The data file filter first, then all files; the same in both languages.
const QString kFilter = QStringLiteral("DAT文件(*.dat);;AllFiles(*.*)");

void fileMessage(int languageIndex, const msg::Message& m, const QString& path, QWidget* owner) {
    msgBoxEx(languageIndex, qs(m.text, languageIndex) + QDir::toNativeSeparators(path), m.style,
             qs(m.title, languageIndex), owner);
}

QString askPath(QWidget* parent, QFileDialog::AcceptMode mode, AppSettings* settings) {
    return askFilePath(parent, mode, settings,
                       mode == QFileDialog::AcceptSave ? FileDialogKind::Save : FileDialogKind::Open, kFilter,
                       QStringLiteral("dat"));
}

}  // namespace

FileCommands::FileCommands(Session& session, QWidget* dialogParent)
    : session_(session), parent_(dialogParent) {}

bool FileCommands::newFile() {
    if (msgBoxEx(session_.config().languageIndex, msg::kNewQuestion, parent_) != msg::kResultOk) return false;
    session_.newConfiguration();
    path_.clear();
    return true;
}

bool FileCommands::open() {
    const QString path = askPath(parent_, QFileDialog::AcceptOpen, settings_);
    if (path.isEmpty()) return false;
    return openPath(path);
}

bool FileCommands::openPath(const QString& path) {
    // The file's image and configuration are one step: undoing it gives back both.
    session_.journal().begin({StepKind::Open});
    const FileResult opened = openDataFile(session_, path);
    session_.journal().end();
    if (!report(opened, path)) return false;
    path_ = path;
    if (settings_) settings_->addRecentFile(path);
    return true;
}

QString FileCommands::askOpenPath() {
    return askPath(parent_, QFileDialog::AcceptOpen, settings_);
}

bool FileCommands::openInto(Session& other, const QString& path) {
    return report(openDataFile(other, path), path);
}

bool FileCommands::save() {
    const QString path = askPath(parent_, QFileDialog::AcceptSave, settings_);
    if (path.isEmpty()) return false;
    return savePath(path);
}

bool FileCommands::savePath(const QString& path) {
    if (!report(saveDataFile(session_, path), path)) return false;
    path_ = path;
    if (settings_) settings_->addRecentFile(path);
    return true;
}

bool FileCommands::report(FileResult result, const QString& path) {
    if (result == FileResult::Done) return true;
    const int language = session_.config().languageIndex;
    const msg::Message& m = fileResultMessage(result);
    if (fileResultNamesPath(result))
        fileMessage(language, m, path, parent_);
    else
        msgBoxEx(language, m, parent_);
    return false;
}

}  // namespace zrt

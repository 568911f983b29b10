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

// The file dialog of Open and Save; "" when cancelled. A name saved without an extension gets ".dat" while
// the data file filter is chosen, so that Open finds the file again; the overwrite question sees that name.
QString askPath(QWidget* parent, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, QString(), QCoreApplication::applicationDirPath(), kFilter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (mode == QFileDialog::AcceptSave) {
        dialog.setDefaultSuffix(QStringLiteral("dat"));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
            dialog.setDefaultSuffix(filter.contains(QLatin1String("*.dat")) ? QStringLiteral("dat")
                                                                            : QString());
        });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

FileCommands::FileCommands(Session& session, QWidget* dialogParent)
    : session_(session), parent_(dialogParent) {}

bool FileCommands::newFile() {
    if (msgBoxEx(session_.config.languageIndex, msg::kNewQuestion, parent_) != msg::kResultOk) return false;
    session_.newConfiguration();
    path_.clear();
    return true;
}

bool FileCommands::open() {
    const QString path = askPath(parent_, QFileDialog::AcceptOpen);
    if (path.isEmpty()) return false;
    return openPath(path);
}

bool FileCommands::openPath(const QString& path) {
    if (!report(openDataFile(session_, path), path)) return false;
    path_ = path;
    return true;
}

bool FileCommands::save() {
    const QString path = askPath(parent_, QFileDialog::AcceptSave);
    if (path.isEmpty()) return false;
    return savePath(path);
}

bool FileCommands::savePath(const QString& path) {
    if (!report(saveDataFile(session_, path), path)) return false;
    path_ = path;
    return true;
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

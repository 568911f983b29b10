#include "app/file_commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QSaveFile>

#include "app/msgbox.h"
#include "datafile/data_file.h"
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
    return true;
}

bool FileCommands::open() {
    const QString path = askPath(parent_, QFileDialog::AcceptOpen);
    if (path.isEmpty()) return false;
    return openPath(path);
}

bool FileCommands::openPath(const QString& path) {
    const int language = session_.config.languageIndex;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fileMessage(language, msg::kFileOpenFailed, path, parent_);
        return false;
    }
    // Nothing past the 3120 bytes of a data file is ever looked at.
    const QByteArray data = file.read(static_cast<qint64>(datafile::kFileSize));
    if (file.error() != QFileDevice::NoError) {
        fileMessage(language, msg::kFileOpenFailed, path, parent_);
        return false;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.constData());
    if (!datafile::load(std::span(bytes, static_cast<std::size_t>(data.size())), session_.imageIn)) {
        msgBoxEx(language, msg::kFileTypeIncorrect, parent_);
        return false;
    }
    session_.decode();
    return true;
}

bool FileCommands::save() {
    const QString path = askPath(parent_, QFileDialog::AcceptSave);
    if (path.isEmpty()) return false;
    return savePath(path);
}

// Written to a temporary file that replaces the old one only once complete, so a failure (full disk, pulled
// stick) never leaves a truncated data file behind.
bool FileCommands::savePath(const QString& path) {
    session_.encode();
    const std::vector<std::uint8_t> bytes = datafile::serialize(session_.imageOut);
    QSaveFile file(path);
    // Unbuffered, so that a short write (disk full) shows in write()'s count: a buffered device drops the
    // rest of a short write at commit() and still reports success.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         file.write(reinterpret_cast<const char*>(bytes.data()),
                                    static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size()) &&
                         file.commit();
    if (!written) {
        file.cancelWriting();
        fileMessage(session_.config.languageIndex, msg::kFileSaveFailed, path, parent_);
        return false;
    }
    return true;
}

}  // namespace zrt

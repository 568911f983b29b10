#include "platform/backups.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "datafile/data_file.h"
#include "platform/data_file_io.h"
#include "session/backup_catalog.h"

namespace zrt {

namespace {

// The window program's application name, which names its data folder.
const QString kProgramName = QStringLiteral("ZR-T410");

std::vector<std::string> fileNames(const QString& folder) {
    std::vector<std::string> names;
    const QStringList entries = QDir(folder).entryList(
        {QStringLiteral("*") + QString::fromLatin1(backup::kSuffix.data(), backup::kSuffix.size())},
        QDir::Files);
    for (const QString& e : entries)
        names.push_back(e.toStdString());
    return names;
}

backup::Name nameFor(const QDateTime& now, int band) {
    const QDate d = now.date();
    const QTime t = now.time();
    return {{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()}, band, 1};
}

}  // namespace

QString backupFolder() {
    const QString overridden = qEnvironmentVariable("ZRT410_BACKUP_DIR");
    if (!overridden.isEmpty()) return overridden;
    // The window's data folder, also for the command line (whose own name would give another folder).
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString own = QCoreApplication::applicationName();
    if (!own.isEmpty() && data.endsWith(own)) data = data.left(data.size() - own.size()) + kProgramName;
    return QDir(data).filePath(QStringLiteral("backups"));
}

BackupResult saveBackup(const MemoryImage& radioMemory, int band, const QString& folder) {
    BackupResult result;
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        result.error = QStringLiteral("cannot create the folder ") + QDir::toNativeSeparators(folder);
        return result;
    }
    const QDir dir(folder);
    backup::Name name = nameFor(QDateTime::currentDateTime(), band);
    // Two reads within one second each keep their backup.
    while (QFileInfo::exists(dir.filePath(QString::fromStdString(backup::fileName(name)))))
        ++name.sequence;
    const QString path = dir.filePath(QString::fromStdString(backup::fileName(name)));
    if (!writeFileSafely(path, datafile::serialize(radioMemory))) {
        result.error = QStringLiteral("cannot write ") + QDir::toNativeSeparators(path);
        return result;
    }
    result.path = path;
    // Only after the new backup is safe do the oldest go; never the new one, even when the clock was put
    // back and a hundred backups look newer.
    const std::string written = backup::fileName(name);
    for (const std::string& old : backup::toPrune(fileNames(folder)))
        if (old != written) QFile::remove(dir.filePath(QString::fromStdString(old)));
    return result;
}

QStringList listBackups(const QString& folder) {
    QStringList paths;
    const QDir dir(folder);
    for (const std::string& name : backup::newestFirst(fileNames(folder)))
        paths << dir.filePath(QString::fromStdString(name));
    return paths;
}

QDateTime backupTime(const QString& path) {
    const auto name = backup::parseFileName(QFileInfo(path).fileName().toStdString());
    if (!name) return {};
    const backup::Stamp& s = name->stamp;
    return QDateTime(QDate(s.year, s.month, s.day), QTime(s.hour, s.minute, s.second));
}

int backupBand(const QString& path) {
    const auto name = backup::parseFileName(QFileInfo(path).fileName().toStdString());
    return name ? name->band : -1;
}

}  // namespace zrt

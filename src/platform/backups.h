// The automatic backups of a radio's memory on disk: one data file per successful read, in the user's
// data folder, named by date, time and band; the newest 100 are kept. QtCore only.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace zrt {

class MemoryImage;

// Where the backups go: $ZRT410_BACKUP_DIR when set (tests, scratch folders), otherwise the "backups"
// folder in the program's data folder (QStandardPaths::AppDataLocation of the window program, ZR-T410; the
// command line uses the same folder).
QString backupFolder();

struct BackupResult {
    QString path;   // the backup written; empty on failure
    QString error;  // why not (in English, the system's reason), empty on success
};

// Saves the radio's memory as received (bytes 0x000..0xBFF as a data file) atomically, named by the time
// now and the band, then deletes the oldest backups beyond the newest 100. A failure deletes nothing.
BackupResult saveBackup(const MemoryImage& radioMemory, int band, const QString& folder = backupFolder());

// The backups in a folder, newest first (full paths); other files are left out.
QStringList listBackups(const QString& folder = backupFolder());

// When a backup was made and of which band, from its name; an invalid time for a file that is no backup.
QDateTime backupTime(const QString& path);
int backupBand(const QString& path);

}  // namespace zrt

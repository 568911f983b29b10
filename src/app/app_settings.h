// What the program remembers between runs (QSettings, in the platform's own place): the language, the port,
// the last folder of each file dialog, the recent files and the main window's geometry. Every key is named
// once, in settings_key below; a new remembered choice adds its key there.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

namespace zrt {

namespace settings_key {
inline constexpr char kLanguage[] = "language";        // "en" or "zh"
inline constexpr char kPortEntry[] = "port/entry";     // 1 .. 16
inline constexpr char kPortDevice[] = "port/device";   // the device given with --port, opened by entry 1
inline constexpr char kFolderGroup[] = "folders";      // one key per file dialog, below
inline constexpr char kRecentFiles[] = "recentFiles";  // newest first
inline constexpr char kWindowGeometry[] = "window/geometry";
}  // namespace settings_key

// The file dialogs, each with a last folder of its own.
enum class FileDialogKind { Open, Save, ImportChannels, ExportChannels };

inline constexpr int kMaxRecentFiles = 8;

class AppSettings {
  public:
    // The user's settings in the platform's place (on Linux ~/.config/zr-t410/zr-t410.conf).
    AppSettings();
    // A settings file of its own (INI format): tests, and runs that must leave the user's settings alone.
    explicit AppSettings(const QString& iniFile);
    ~AppSettings();
    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;

    // Each getter answers the first start's value when nothing, or something unusable, is stored.
    int languageIndex() const;  // English
    void setLanguageIndex(int languageIndex);
    int portEntry() const;  // 1
    void setPortEntry(int entry);
    QString portDevice() const;  // none
    void setPortDevice(const QString& device);

    // The folder a file dialog starts in: its last folder while that still exists, else defaultFolder().
    QString dialogFolder(FileDialogKind kind) const;
    // Remembers the folder of a file chosen in a dialog.
    void rememberDialogFile(FileDialogKind kind, const QString& chosenFile);

    QStringList recentFiles() const;  // absolute paths, newest first, at most kMaxRecentFiles
    void addRecentFile(const QString& path);
    void removeRecentFile(const QString& path);
    void clearRecentFiles();

    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray& geometry);

    // A yes/no choice by key, for the checkable commands.
    bool flag(const char* key, bool firstStart) const;
    void setFlag(const char* key, bool on);

    void clear();  // forget everything: the next start is a first start
    void sync();
    QString fileName() const;

  private:
    std::unique_ptr<QSettings> store_;
};

// Where a file dialog starts when it has no folder of its own: the program's folder when the user can write
// there, else the user's documents folder (the home folder when there is none).
QString defaultDialogFolder(const QString& programFolder);

}  // namespace zrt

#include "app/app_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "config/text.h"
#include "platform/port_names.h"

namespace zrt {

namespace {

QString key(const char* k) {
    return QString::fromLatin1(k);
}

QString dialogKey(FileDialogKind kind) {
    const char* name = "open";
    switch (kind) {
        case FileDialogKind::Open:
            name = "open";
            break;
        case FileDialogKind::Save:
            name = "save";
            break;
        case FileDialogKind::ImportChannels:
            name = "importChannels";
            break;
        case FileDialogKind::ExportChannels:
            name = "exportChannels";
            break;
    }
    return key(settings_key::kFolderGroup) + QLatin1Char('/') + QLatin1String(name);
}

QString absoluteClean(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

}  // namespace

AppSettings::AppSettings()
    : store_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                         QStringLiteral("zr-t410"), QStringLiteral("zr-t410"))) {}

AppSettings::AppSettings(const QString& iniFile)
    : store_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

AppSettings::~AppSettings() = default;

int AppSettings::languageIndex() const {
    return store_->value(key(settings_key::kLanguage)).toString() == QLatin1String("zh") ? kChinese
                                                                                         : kEnglish;
}

void AppSettings::setLanguageIndex(int languageIndex) {
    store_->setValue(key(settings_key::kLanguage),
                     languageIndex == kChinese ? QStringLiteral("zh") : QStringLiteral("en"));
}

int AppSettings::portEntry() const {
    bool ok = false;
    const int entry = store_->value(key(settings_key::kPortEntry)).toInt(&ok);
    return ok && entry >= 1 && entry <= kPortEntryCount ? entry : 1;
}

void AppSettings::setPortEntry(int entry) {
    if (entry >= 1 && entry <= kPortEntryCount) store_->setValue(key(settings_key::kPortEntry), entry);
}

QString AppSettings::portDevice() const {
    return store_->value(key(settings_key::kPortDevice)).toString();
}

void AppSettings::setPortDevice(const QString& device) {
    if (device.isEmpty())
        store_->remove(key(settings_key::kPortDevice));
    else
        store_->setValue(key(settings_key::kPortDevice), device);
}

QString AppSettings::dialogFolder(FileDialogKind kind) const {
    const QString folder = store_->value(dialogKey(kind)).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
    return defaultDialogFolder(QCoreApplication::applicationDirPath());
}

void AppSettings::rememberDialogFile(FileDialogKind kind, const QString& chosenFile) {
    if (chosenFile.isEmpty()) return;
    store_->setValue(dialogKey(kind), QFileInfo(absoluteClean(chosenFile)).path());
}

QStringList AppSettings::recentFiles() const {
    QStringList files;
    for (const QString& path : store_->value(key(settings_key::kRecentFiles)).toStringList()) {
        if (path.isEmpty() || files.contains(path)) continue;
        files << path;
        if (files.size() == kMaxRecentFiles) break;
    }
    return files;
}

void AppSettings::addRecentFile(const QString& path) {
    if (path.isEmpty()) return;
    const QString clean = absoluteClean(path);
    QStringList files = recentFiles();
    files.removeAll(clean);
    files.prepend(clean);
    while (files.size() > kMaxRecentFiles)
        files.removeLast();
    store_->setValue(key(settings_key::kRecentFiles), files);
}

void AppSettings::removeRecentFile(const QString& path) {
    QStringList files = recentFiles();
    files.removeAll(path);
    files.removeAll(absoluteClean(path));
    store_->setValue(key(settings_key::kRecentFiles), files);
}

void AppSettings::clearRecentFiles() {
    store_->remove(key(settings_key::kRecentFiles));
}

QByteArray AppSettings::windowGeometry() const {
    return store_->value(key(settings_key::kWindowGeometry)).toByteArray();
}

void AppSettings::setWindowGeometry(const QByteArray& geometry) {
    store_->setValue(key(settings_key::kWindowGeometry), geometry);
}

bool AppSettings::flag(const char* k, bool firstStart) const {
    const QVariant v = store_->value(key(k));
    return v.isValid() ? v.toBool() : firstStart;
}

void AppSettings::setFlag(const char* k, bool on) {
    store_->setValue(key(k), on);
}

void AppSettings::clear() {
    store_->clear();
    store_->sync();
}

void AppSettings::sync() {
    store_->sync();
}

QString AppSettings::fileName() const {
    return store_->fileName();
}

QString defaultDialogFolder(const QString& programFolder) {
    const QFileInfo program(programFolder);
    if (!programFolder.isEmpty() && program.isDir() && program.isWritable()) return programFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

}  // namespace zrt

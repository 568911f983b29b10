// File › Backups…: the backups of every read, newest first, with what each holds (date and time, band,
// used channels, the first channel names), and the commands on one: Open, Restore to Radio, Compare, Show in
// Folder, Delete. The list follows the folder: a backup made meanwhile appears.
#pragma once

#include <QDialog>
#include <QFileSystemWatcher>
#include <QStringList>

class QLabel;
class QPushButton;
class QTableWidget;

namespace zrt {

class BackupsWindow : public QDialog {
    Q_OBJECT
  public:
    explicit BackupsWindow(int languageIndex, QWidget* parent = nullptr);

    // The folder listed (backupFolder() unless changed).
    void setFolder(const QString& folder);
    QString folder() const { return folder_; }
    void applyLanguage(int languageIndex);
    // Reads the folder again.
    void reload();
    // The backups listed, newest first, and the one selected ("" for none).
    QStringList paths() const { return paths_; }
    QString selectedPath() const;
    void selectPath(const QString& path);

  signals:
    void openRequested(const QString& path);
    void restoreRequested(const QString& path);  // after the question was answered OK
    void compareRequested(const QString& path);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void updateCommands();
    QString dateText(const QString& path) const;
    void restoreSelected();
    void deleteSelected();

    int language_;
    QString folder_;
    QStringList paths_;
    QFileSystemWatcher watcher_;
    QLabel* label_;
    QTableWidget* grid_;
    QPushButton* open_;
    QPushButton* restore_;
    QPushButton* compare_;
    QPushButton* showFolder_;
    QPushButton* delete_;
};

}  // namespace zrt

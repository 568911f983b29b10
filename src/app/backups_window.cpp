#include "app/backups_window.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/msgbox.h"
#include "config/band.h"
#include "config/channel_csv.h"
#include "datafile/data_file.h"
#include "i18n/backup_captions.h"
#include "platform/backups.h"
#include "platform/data_file_io.h"
#include "platform/qt_text.h"
#include "session/backup_catalog.h"

namespace zrt {

namespace {

enum Column { kTime, kBand, kChannels, kNames, kColumns };

QPushButton* button(QWidget* parent, const char* objectName) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

BackupsWindow::BackupsWindow(int languageIndex, QWidget* parent)
    : QDialog(parent), language_(languageIndex), folder_(backupFolder()) {
    setObjectName(QStringLiteral("FrmBackups"));
    setModal(false);
    resize(820, 420);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("LabelFolder"));
    grid_ = new QTableWidget(0, kColumns, this);
    grid_->setObjectName(QStringLiteral("GridBackups"));
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setWordWrap(false);

    open_ = button(this, "CommandOpen");
    restore_ = button(this, "CommandRestore");
    compare_ = button(this, "CommandCompare");
    showFolder_ = button(this, "CommandFolder");
    delete_ = button(this, "CommandDelete");
    QPushButton* close = button(this, "CommandClose");

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {open_, restore_, compare_, showFolder_, delete_})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);

    connect(open_, &QPushButton::clicked, this, [this] {
        if (!selectedPath().isEmpty()) emit openRequested(selectedPath());
    });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] {
        if (!selectedPath().isEmpty()) emit openRequested(selectedPath());
    });
    connect(restore_, &QPushButton::clicked, this, &BackupsWindow::restoreSelected);
    connect(compare_, &QPushButton::clicked, this, [this] {
        if (!selectedPath().isEmpty()) emit compareRequested(selectedPath());
    });
    connect(showFolder_, &QPushButton::clicked, this, [this] {
        QDir().mkpath(folder_);
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder_));
    });
    connect(delete_, &QPushButton::clicked, this, &BackupsWindow::deleteSelected);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    connect(grid_, &QTableWidget::itemSelectionChanged, this, &BackupsWindow::updateCommands);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (isVisible()) reload();
    });
    applyLanguage(languageIndex);
}

void BackupsWindow::setFolder(const QString& folder) {
    folder_ = folder;
    if (isVisible()) reload();
}

void BackupsWindow::applyLanguage(int languageIndex) {
    language_ = languageIndex;
    applyCaptions(this, backupsWindowCaptions(), languageIndex);
    // Each button as wide as its caption in the language now shown.
    for (QPushButton* b : findChildren<QPushButton*>()) {
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) +
                           3 * b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b));
        b->updateGeometry();
    }
}

void BackupsWindow::showEvent(QShowEvent* event) {
    reload();
    QDialog::showEvent(event);
}

void BackupsWindow::reload() {
    const QString selected = selectedPath();
    // The folder exists from the first look on, so that it can be watched (and shown) before any read.
    QDir().mkpath(folder_);
    if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
    watcher_.addPath(folder_);

    paths_ = listBackups(folder_);
    grid_->setRowCount(static_cast<int>(paths_.size()));
    for (int row = 0; row < paths_.size(); ++row) {
        const QString& path = paths_[row];
        QString band, channels, names;
        const auto bytes = readFileBytes(path, static_cast<qint64>(datafile::kFileSize));
        MemoryImage image;
        if (bytes && datafile::load(std::span(reinterpret_cast<const std::uint8_t*>(bytes->constData()),
                                              static_cast<std::size_t>(bytes->size())),
                                    image)) {
            const backup::Summary s = backup::summarize(image);
            band = qs(kBands[static_cast<std::size_t>(s.band)].text);
            channels = QString::number(s.usedChannels);
            QStringList list;
            for (const std::string& n : s.firstNames)
                list << fromBytes(n).trimmed();
            names = list.join(QStringLiteral(", "));
        }
        const QString cells[kColumns] = {dateText(path), band, channels, names};
        for (int column = 0; column < kColumns; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column == kChannels) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid_->setItem(row, column, item);
        }
    }
    grid_->resizeColumnsToContents();
    selectPath(selected.isEmpty() && !paths_.isEmpty() ? paths_.front() : selected);
    updateCommands();
}

QString BackupsWindow::selectedPath() const {
    const int row = grid_->currentRow();
    return row >= 0 && row < paths_.size() && grid_->selectionModel()->isRowSelected(row, {}) ? paths_[row]
                                                                                              : QString();
}

void BackupsWindow::selectPath(const QString& path) {
    const int row = static_cast<int>(paths_.indexOf(path));
    if (row >= 0)
        grid_->selectRow(row);
    else
        grid_->clearSelection();
}

void BackupsWindow::updateCommands() {
    const bool any = !selectedPath().isEmpty();
    for (QPushButton* b : {open_, restore_, compare_, delete_})
        b->setEnabled(any);
}

QString BackupsWindow::dateText(const QString& path) const {
    return backupTime(path).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

void BackupsWindow::restoreSelected() {
    const QString path = selectedPath();
    if (path.isEmpty()) return;
    const QString text =
        qs(fillText(backup_text::kRestoreQuestion.in(language_), {dateText(path).toStdString()}));
    if (msgBoxEx(language_, text, msg::kStyleQuestion, qs(backup_text::kRestoreTitle, language_), this) !=
        msg::kResultOk)
        return;
    emit restoreRequested(path);
}

void BackupsWindow::deleteSelected() {
    const QString path = selectedPath();
    if (path.isEmpty()) return;
    const QString text =
        qs(fillText(backup_text::kDeleteQuestion.in(language_), {dateText(path).toStdString()}));
    if (msgBoxEx(language_, text, msg::kStyleQuestion, qs(backup_text::kDeleteTitle, language_), this) !=
        msg::kResultOk)
        return;
    if (!QFile::remove(path))
        msgBoxEx(language_, qs(backup_text::kDeleteFailed, language_) + QDir::toNativeSeparators(path),
                 msg::kStyleCritical, qs(msg::kFileOpenFailed.title, language_), this);
    reload();
}

}  // namespace zrt

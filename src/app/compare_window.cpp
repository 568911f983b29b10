#include "app/compare_window.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "config/channel_csv.h"
#include "i18n/backup_captions.h"
#include "i18n/config_comparison.h"
#include "platform/qt_text.h"
#include "session/session.h"

namespace zrt {

CompareWindow::CompareWindow(Session& session, QWidget* parent)
    : QDialog(parent), session_(session), other_(startConfiguration()) {
    setObjectName(QStringLiteral("FrmCompare"));
    setModal(false);
    resize(720, 460);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("LabelSummary"));
    grid_ = new QTableWidget(0, 4, this);
    grid_->setObjectName(QStringLiteral("GridCompare"));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setWordWrap(false);
    auto* close = new QPushButton(this);
    close->setObjectName(QStringLiteral("CommandClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
}

void CompareWindow::compareWith(const Configuration& other, const QString& otherName) {
    other_ = other;
    otherName_ = otherName;
    refresh();
}

int CompareWindow::differenceCount() const {
    return grid_->rowCount();
}

void CompareWindow::refresh() {
    const int language = session_.config().languageIndex;
    applyCaptions(this, compareWindowCaptions(), language);
    auto* header = new QTableWidgetItem(otherName_);
    grid_->setHorizontalHeaderItem(3, header);

    const std::vector<CaptionedDifference> differences =
        compareConfigurations(session_.config(), other_, language);
    grid_->setRowCount(static_cast<int>(differences.size()));
    for (int row = 0; row < grid_->rowCount(); ++row) {
        const CaptionedDifference& d = differences[static_cast<std::size_t>(row)];
        const std::string cells[] = {d.place, d.caption, printableText(d.a), printableText(d.b)};
        for (int column = 0; column < 4; ++column)
            grid_->setItem(row, column, new QTableWidgetItem(qs(cells[column])));
    }
    grid_->resizeColumnsToContents();
    summary_->setText(differences.empty() ? qs(backup_text::kSame, language)
                                          : qs(fillText(backup_text::kDifferences.in(language),
                                                        {std::to_string(differences.size())})));
}

}  // namespace zrt

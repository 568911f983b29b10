#include "editors/channel/channel_grid.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <array>

#include "config/channel_table.h"
#include "platform/qt_text.h"

#include "ui/twips.h"

namespace zrt {

namespace {

// Column widths in twips.
constexpr std::array<int, kTableColumns> kColumnTwips{600,  1100, 1100, 1200, 1200, 600,
                                                      1400, 900,  750,  1,    900,  1400};
const QColor kEvenRowColour(0xC0, 0xC0, 0xFF);

}  // namespace

ChannelGrid::ChannelGrid(int group, QWidget* parent) : QTableWidget(kRowsPerGroup, kTableColumns, parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTabKeyNavigation(false);
    setDragEnabled(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    for (int c = 0; c < kTableColumns; ++c) {
        setHorizontalHeaderItem(c, new QTableWidgetItem);
        setColumnWidth(c, twipsToPixels(kColumnTwips[c]));
    }
    // The hidden column keeps its store slot but can be neither seen nor reached.
    setColumnHidden(9, true);

    for (int r = 0; r < kRowsPerGroup; ++r) {
        const bool evenRow = (r + 1) % 2 == 0;
        for (int c = 0; c < kTableColumns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (evenRow) item->setBackground(kEvenRowColour);
            if (c == kLabelColumn) {
                item->setText(qs(rowLabel(group, r + 1)));
                item->setFlags(Qt::ItemIsEnabled);
            } else {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            setItem(r, c, item);
        }
    }
    // Enter before any click opens row 1's receive frequency.
    setCurrentCell(0, 1);

    // The label column drawn a second time, fixed over column 0 (the table's own scrolls away beneath it).
    labels_ = new QTableView(this);
    labels_->setObjectName(QStringLiteral("RowLabels"));
    labels_->setModel(model());
    labels_->setFocusPolicy(Qt::NoFocus);
    labels_->setSelectionMode(QAbstractItemView::NoSelection);
    labels_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    labels_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    labels_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    labels_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    labels_->setFrameShape(QFrame::NoFrame);
    labels_->setWordWrap(false);
    labels_->verticalHeader()->hide();
    labels_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    labels_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    labels_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    labels_->horizontalHeader()->setSectionsClickable(false);
    labels_->horizontalHeader()->setHighlightSections(false);
    for (int c = 1; c < kTableColumns; ++c)
        labels_->setColumnHidden(c, true);
    labels_->setColumnWidth(kLabelColumn, columnWidth(kLabelColumn));
    labels_->viewport()->installEventFilter(this);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, labels_->verticalScrollBar(),
            &QScrollBar::setValue);
    viewport()->stackUnder(labels_);
    placeLabels();
}

void ChannelGrid::placeLabels() {
    if (!labels_) return;
    labels_->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    labels_->setGeometry(frameWidth(), frameWidth(), columnWidth(kLabelColumn),
                         viewport()->height() + horizontalHeader()->height());
    labels_->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

void ChannelGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    placeLabels();
}

void ChannelGrid::updateGeometries() {
    QTableWidget::updateGeometries();
    placeLabels();
}

void ChannelGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    QTableWidget::scrollTo(index, hint);
    // A cell is in view only right of the fixed labels.
    if (index.column() == kLabelColumn) return;
    const int hidden = columnWidth(kLabelColumn) - visualRect(index).left();
    if (hidden > 0) horizontalScrollBar()->setValue(horizontalScrollBar()->value() - hidden);
}

bool ChannelGrid::eventFilter(QObject* watched, QEvent* event) {
    if (labels_ && watched == labels_->viewport()) {
        switch (event->type()) {
            case QEvent::Wheel:
                // The wheel over the labels is the wheel over the table.
                QCoreApplication::sendEvent(viewport(), event);
                return true;
            case QEvent::MouseButtonPress: {
                // A label selects its row; it opens no editor.
                const auto* press = static_cast<QMouseEvent*>(event);
                const int row = labels_->rowAt(press->position().toPoint().y());
                if (press->button() == Qt::LeftButton && row >= 0) labelPressed(row, press->modifiers());
                return true;
            }
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
                return true;  // a label opens nothing
            default:
                break;
        }
    }
    return QTableWidget::eventFilter(watched, event);
}

int ChannelGrid::topRow() const {
    return verticalScrollBar()->value() + 1;
}

void ChannelGrid::setTopRow(int row) {
    verticalScrollBar()->setValue(row - 1);
}

void ChannelGrid::selectRows(int first, int last) {
    if (first < 0 || last >= rowCount() || first > last) return;
    const int column = std::max(currentColumn(), 1);
    selectionModel()->setCurrentIndex(model()->index(first, column), QItemSelectionModel::NoUpdate);
    selectionModel()->select(
        QItemSelection(model()->index(first, 1), model()->index(last, kTableColumns - 1)),
        QItemSelectionModel::ClearAndSelect);
}

bool ChannelGrid::inMultiRowSelection(int row) const {
    bool inside = false;
    bool other = false;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
        inside = inside || index.row() == row;
        other = other || index.row() != row;
    }
    return inside && other;
}

void ChannelGrid::labelPressed(int row, Qt::KeyboardModifiers modifiers) {
    setFocus(Qt::MouseFocusReason);
    const QItemSelection wholeRow(model()->index(row, 1), model()->index(row, kTableColumns - 1));
    const int anchor = currentRow() < 0 ? row : currentRow();
    if (modifiers & Qt::ShiftModifier) {
        const QItemSelection rows(model()->index(std::min(anchor, row), 1),
                                  model()->index(std::max(anchor, row), kTableColumns - 1));
        selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
        selectionModel()->setCurrentIndex(model()->index(row, std::max(currentColumn(), 1)),
                                          QItemSelectionModel::NoUpdate);
    } else if (modifiers & Qt::ControlModifier) {
        selectionModel()->select(wholeRow, QItemSelectionModel::Toggle);
        selectionModel()->setCurrentIndex(model()->index(row, std::max(currentColumn(), 1)),
                                          QItemSelectionModel::NoUpdate);
    } else {
        selectRows(row, row);
    }
}

void ChannelGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        const bool extending = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
        if (!extending && index.isValid() && inMultiRowSelection(index.row())) {
            // A cell of a multi-row selection opens its editor and keeps the rows (a list choice then goes
            // to every selected row).
            setFocus(Qt::MouseFocusReason);
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        } else {
            QTableWidget::mousePressEvent(event);
        }
        // A press beside the cells selects nothing and opens nothing; nor does a press that extends the
        // selection.
        leftPressOnCell_ = index.isValid() && !extending;
    } else if (event->button() == Qt::RightButton) {
        setFocus(Qt::MouseFocusReason);
        if (index.isValid() && index.column() != kLabelColumn && !inMultiRowSelection(index.row()))
            setCurrentCell(index.row(), index.column());
        event->accept();
    } else {
        event->accept();
    }
}

void ChannelGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableWidget::mouseReleaseEvent(event);
    // The editor opens once the button is up, so that the release cannot pick an item of a list that the
    // press opened.
    if (event->button() == Qt::LeftButton && leftPressOnCell_) {
        leftPressOnCell_ = false;
        emit leftClicked();
    }
}

void ChannelGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click arms the editor like the first.
    mousePressEvent(event);
}

void ChannelGrid::mouseMoveEvent(QMouseEvent* event) {
    // No drag selection: the cell pressed is the cell clicked.
    if (event->buttons() & Qt::LeftButton) return;
    QTableWidget::mouseMoveEvent(event);
}

void ChannelGrid::wheelEvent(QWheelEvent* event) {
    // The table never scrolls by itself; the wheel hook of the table in view moves it one row at a time.
    event->accept();
}

void ChannelGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

}  // namespace zrt

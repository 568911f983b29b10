// One channel table (Grid1 or Grid2): 64 rows of 12 columns, not editable in place. A left click on a cell
// and the Enter key arm the window's floating cell editors; a right press takes the focus (and the row under
// it, unless that row is selected) and opens the context menu; the wheel does not scroll it by itself.
// Rows are selected by their labels, Shift or Ctrl with a click, and Shift with the arrows. Column 0, the row
// labels, is fixed: it stays in view when the table scrolls sideways.
#pragma once

#include <QTableWidget>

class QTableView;

namespace zrt {

class ChannelGrid : public QTableWidget {
    Q_OBJECT
  public:
    // group: 1 for group A (row labels "A1".."A64"), 2 for group B.
    ChannelGrid(int group, QWidget* parent = nullptr);

    // The grid's own first visible row, counted 1..64 (row 0 is the header).
    int topRow() const;
    void setTopRow(int row);
    // The grid's row count as the program counts it: the header row and the 64 channel rows.
    int gridRowCount() const { return rowCount() + 1; }

    // Selects rows first..last (0-based) with `first` current.
    void selectRows(int first, int last);

    void keyboardSearch(const QString&) override {}  // typing in the grid does not jump to a row
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

  signals:
    // A left press on a cell, and its release: the cell is selected and the window's editor may open.
    void leftClicked();
    void enterPressed();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void placeLabels();
    void labelPressed(int row, Qt::KeyboardModifiers modifiers);
    bool inMultiRowSelection(int row) const;

    bool leftPressOnCell_ = false;
    QTableView* labels_ = nullptr;  // the fixed label column over column 0, on the same model
};

}  // namespace zrt

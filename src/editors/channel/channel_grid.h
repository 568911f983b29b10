// One channel table (Grid1 or Grid2): 64 rows of 12 columns, not editable in place. It reports a left press
// and the Enter key, which arm the window's floating cell editors, and takes the focus on a right press.
#pragma once

#include <QTableWidget>

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

    void keyboardSearch(const QString&) override {}  // typing in the grid does not jump to a row

signals:
    // A left press selected a cell (the press ends at once: no drag selection follows).
    void leftPressed();
    void enterPressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zrt

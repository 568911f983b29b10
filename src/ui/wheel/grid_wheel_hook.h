// Mouse-wheel scrolling of a channel table: the hook watches the wheel events of one table's viewport at a
// time (the table in view) and reports each one; the window then moves the table by exactly one row.
#pragma once

#include <QObject>
#include <QPointer>

class QAbstractScrollArea;
class QWidget;

namespace zrt {

class GridWheelHook : public QObject {
    Q_OBJECT
  public:
    explicit GridWheelHook(QObject* parent = nullptr) : QObject(parent) {}
    ~GridWheelHook() override { unhook(); }

    // HookGrid: watches this table from now on and stops watching the previous one.
    void hookGrid(QAbstractScrollArea* grid);
    void unhook();
    QAbstractScrollArea* grid() const { return grid_; }

  signals:
    // One vertical wheel event over the watched table: its distance (positive away from the user) and the
    // pointer position in the viewport. The table does not scroll by itself.
    void mouseWheel(int distance, int x, int y);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointer<QAbstractScrollArea> grid_;
    QPointer<QWidget> viewport_;
};

// The table's new top row after one wheel event, rows counted as the table's rows 1..rowCount - 1 below a
// header row 0: one row down when the wheel turns toward the user (distance < 1), else one row up, never
// past the last row or above row 1. The distance's size does not matter.
inline int wheelTopRow(int topRow, int distance, int rowCount) {
    if (distance < 1) return topRow + 1 > rowCount - 1 ? rowCount - 1 : topRow + 1;
    return topRow - 1 < 1 ? 1 : topRow - 1;
}

}  // namespace zrt

#include "ui/wheel/grid_wheel_hook.h"

#include <QAbstractScrollArea>
#include <QWheelEvent>

namespace zrt {

void GridWheelHook::hookGrid(QAbstractScrollArea* grid) {
    unhook();
    if (!grid) return;
    grid_ = grid;
    viewport_ = grid->viewport();
    viewport_->installEventFilter(this);
}

void GridWheelHook::unhook() {
    if (viewport_) viewport_->removeEventFilter(this);
    viewport_ = nullptr;
    grid_ = nullptr;
}

bool GridWheelHook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel || watched != viewport_) return QObject::eventFilter(watched, event);
    auto* wheel = static_cast<QWheelEvent*>(event);
    const int distance = wheel->angleDelta().y();
    // A sideways wheel is not the vertical wheel; the table handles it as it likes.
    if (distance == 0 && wheel->angleDelta().x() != 0) return false;
    if (distance != 0) {
        const QPoint pos = wheel->position().toPoint();
        emit mouseWheel(distance, pos.x(), pos.y());
    }
    return true;  // the table's own wheel scrolling (several rows per notch) never runs
}

}  // namespace zrt

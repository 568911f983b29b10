#include "ui/wheel/wheel_blocker.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QSlider>
#include <QWidget>

namespace zrt {
namespace {

class WheelBlocker : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel) return QObject::eventFilter(watched, event);
        event->ignore();  // handed on to the parent, which may scroll
        return true;
    }
};

}  // namespace

void ignoreWheelOnValueControls(QWidget* root) {
    auto* blocker = new WheelBlocker(root);
    for (QWidget* w : root->findChildren<QWidget*>())
        if (qobject_cast<QComboBox*>(w) || qobject_cast<QSlider*>(w) || qobject_cast<QAbstractSpinBox*>(w))
            w->installEventFilter(blocker);
}

}  // namespace zrt

// Typing into a widget the way a keyboard does, one key event per character.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace zrt::testing_support {

inline void typeKeys(QWidget* w, const QString& keys) {
    for (const QChar c : keys) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
    }
}

}  // namespace zrt::testing_support

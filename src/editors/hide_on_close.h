// Editor windows are created once and only shown and hidden: their close box hides them, standalone or inside
// the main window's multiple-document area (where the frame, not the editor, is hidden, and never deleted).
#pragma once

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QWidget>

namespace zrt {

inline void hideEditor(QWidget* editor) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(editor->parentWidget())) {
        frame->hide();
        return;
    }
    editor->hide();
}

// For closeEvent: refuses the close (which also stops a frame that would delete itself) and hides instead.
inline void hideInsteadOfClosing(QWidget* editor, QCloseEvent* event) {
    event->ignore();
    hideEditor(editor);
}

}  // namespace zrt

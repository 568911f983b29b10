// Finds captions that do not fit their controls (a label, button, list, frame title, tab or grid header
// narrower than its text), so that a layout that clips in one language shows up in tests and screenshots.
#pragma once

#include <QStringList>

class QWidget;

namespace zrt {

// One line per visible control under root (root included) whose caption is cut: "Form3/Label10: 'text'".
QStringList clippedCaptions(const QWidget* root);

}  // namespace zrt

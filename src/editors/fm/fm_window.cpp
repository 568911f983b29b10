#include "editors/fm/fm_window.h"

#include "platform/qt_text.h"
#include "session/session.h"

namespace zrt {

FmWindow::FmWindow(Session& session, QWidget* parent) : EditorWindow(session, parent) { applyLanguage(); }

void FmWindow::applyLanguage() {
    setWindowTitle(session_.config.languageIndex == kChinese ? QStringLiteral("FM频道设置") : QStringLiteral("FM Channel Set"));
}

void FmWindow::refresh() {}

}  // namespace zrt

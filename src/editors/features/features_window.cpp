#include "editors/features/features_window.h"

#include "platform/qt_text.h"
#include "session/session.h"

namespace zrt {

FeaturesWindow::FeaturesWindow(Session& session, QWidget* parent) : EditorWindow(session, parent) { applyLanguage(); }

void FeaturesWindow::applyLanguage() {
    setWindowTitle(session_.config.languageIndex == kChinese ? QStringLiteral("可选功能") : QStringLiteral("Optional Features"));
}

void FeaturesWindow::refresh() {}

}  // namespace zrt

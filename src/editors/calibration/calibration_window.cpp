#include "editors/calibration/calibration_window.h"

#include "platform/qt_text.h"
#include "session/session.h"

namespace zrt {

CalibrationWindow::CalibrationWindow(Session& session, QWidget* parent) : EditorWindow(session, parent) { applyLanguage(); }

void CalibrationWindow::applyLanguage() {
    setWindowTitle(session_.config.languageIndex == kChinese ? QStringLiteral("调试信息") : QStringLiteral("Debugging Information"));
}

void CalibrationWindow::refresh() {}

}  // namespace zrt

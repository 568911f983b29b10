#include "editors/dtmf/dtmf_window.h"

#include "platform/qt_text.h"
#include "session/session.h"

namespace zrt {

DtmfWindow::DtmfWindow(Session& session, QWidget* parent) : EditorWindow(session, parent) { applyLanguage(); }

void DtmfWindow::applyLanguage() {
    setWindowTitle(session_.config.languageIndex == kChinese ? QStringLiteral("DTMF(双音多频)") : QStringLiteral("DTMF(双音多频)"));
}

void DtmfWindow::refresh() {}

}  // namespace zrt

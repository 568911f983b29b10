#include "editors/channel/channel_window.h"

#include "platform/qt_text.h"
#include "session/session.h"

namespace zrt {

ChannelWindow::ChannelWindow(Session& session, QWidget* parent) : EditorWindow(session, parent) { applyLanguage(); }

void ChannelWindow::applyLanguage() {
    setWindowTitle(session_.config.languageIndex == kChinese ? QStringLiteral("信道编辑") : QStringLiteral("Channel Edit"));
}

void ChannelWindow::refresh() {}

}  // namespace zrt

#include "app/msgbox.h"

#include <QMessageBox>

#include "platform/qt_text.h"

namespace zrt {

namespace {
MsgBoxResponder& responder() {
    static MsgBoxResponder r;
    return r;
}
}  // namespace

void setMsgBoxResponder(MsgBoxResponder r) { responder() = std::move(r); }

int msgBoxEx(int languageIndex, const QString& prompt, int style, const QString& title, QWidget* owner) {
    MsgBoxRequest request{prompt, style, title.isEmpty() ? qs(msg::kAppTitle) : title, languageIndex};
    if (responder()) return responder()(request);
    // Placeholder box; the shell replaces it with captions in the current language.
    QMessageBox box(owner);
    box.setWindowTitle(request.title);
    box.setText(prompt);
    box.exec();
    return msg::kResultOk;
}

int msgBoxEx(int languageIndex, const msg::Message& m, QWidget* owner) {
    return msgBoxEx(languageIndex, qs(m.text, languageIndex), m.style, qs(m.title, languageIndex), owner);
}

}  // namespace zrt

// MsgBoxEx: every message and question of the program, with button captions in the current language.
#pragma once

#include <QString>
#include <functional>

#include "config/messages.h"

class QWidget;

namespace zrt {

struct MsgBoxRequest {
    QString prompt;
    int style = 0;
    QString title;  // after the empty-title rule
    int languageIndex = kEnglish;
};

// Shows the box and returns the pressed button's identifier (1 OK, 2 Cancel, ...).
int msgBoxEx(int languageIndex, const QString& prompt, int style, const QString& title, QWidget* owner = nullptr);
// A program message in the given language.
int msgBoxEx(int languageIndex, const msg::Message& message, QWidget* owner = nullptr);

// Tests answer the boxes instead of a person: while a responder is set, no box is shown and its answer is
// returned. Pass an empty function to show real boxes again.
using MsgBoxResponder = std::function<int(const MsgBoxRequest&)>;
void setMsgBoxResponder(MsgBoxResponder responder);

}  // namespace zrt

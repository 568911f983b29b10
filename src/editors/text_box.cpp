#include "editors/text_box.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace zrt {

TextBox::TextBox(QLineEdit* edit, Rules rules) : QValidator(edit), edit_(edit), rules_(std::move(rules)) {}

TextBox* TextBox::install(QLineEdit* edit, KeyRule key, std::size_t maxLength, std::function<void()> leave,
                          std::function<void()> enter) {
    auto* box = new TextBox(edit, {key, maxLength, std::move(leave), std::move(enter)});
    box->shown_ = edit->text();
    // The box's own limit would also cut what the program sets; the rules enforce it on the user's edits.
    edit->setMaxLength(32767);
    edit->setValidator(box);
    edit->installEventFilter(box);
    return box;
}

TextBox* TextBox::of(const QWidget* widget) {
    const auto* edit = qobject_cast<const QLineEdit*>(widget);
    if (!edit) return nullptr;
    return qobject_cast<TextBox*>(const_cast<QValidator*>(edit->validator()));
}

void TextBox::setProgramText(QLineEdit* edit, const QString& text) {
    TextBox* box = of(edit);
    if (!box) {
        edit->setText(text);
        return;
    }
    const QScopedValueRollback<bool> program(box->programText_, true);
    edit->setText(text);
}

void TextBox::leave() {
    if (rules_.leave) rules_.leave();
}

QValidator::State TextBox::validate(QString& input, int& pos) const {
    if (!programText_) {
        const std::u32string before = shown_.toStdU32String();
        const std::u32string after = input.toStdU32String();
        // The cursor counts UTF-16 units; the rule counts characters.
        const auto cursor = static_cast<std::size_t>(QStringView(input).left(pos).toUcs4().size());
        const TypedText out = filterTyping(rules_.key, rules_.maxLength, before, after, cursor);
        input = QString::fromStdU32String(out.text);
        pos = static_cast<int>(QString::fromStdU32String(out.text.substr(0, out.cursor)).size());
    }
    shown_ = input;
    return Acceptable;
}

bool TextBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_) return false;
    if (event->type() == QEvent::KeyPress && rules_.enter) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            rules_.enter();
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut) {
        // A context menu, a menu of the main window, a dialog or another application leaves the box being
        // typed in; the commands that need its value run its check themselves.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) leave();
    }
    return false;
}

}  // namespace zrt

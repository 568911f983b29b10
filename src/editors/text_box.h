// The rules of a text box, one mechanism for every window: what the user may put into it (a character rule
// and a length, judged by a validator, so typing with any modifier, pastes, middle-click, drops and input
// methods all pass them) and the check that runs when he leaves it. Text the program sets is never judged.
#pragma once

#include <QValidator>
#include <functional>

#include "config/typing_rule.h"

class QLineEdit;

namespace zrt {

class TextBox : public QValidator {
    Q_OBJECT
  public:
    struct Rules {
        KeyRule key = nullptr;        // nullptr: every character passes
        std::size_t maxLength = 0;    // what the user may type; 0 for no limit
        std::function<void()> leave;  // the lost-focus check
        std::function<void()> enter;  // Enter and Return, instead of the box's own handling
    };

    // Puts the rules on `edit`, which owns them.
    static TextBox* install(QLineEdit* edit, KeyRule key, std::size_t maxLength,
                            std::function<void()> leave = {}, std::function<void()> enter = {});
    // The rules of a box, or nullptr for a widget without them.
    static TextBox* of(const QWidget* widget);
    // Shows a text of the program's own in a box: it is neither filtered nor cut.
    static void setProgramText(QLineEdit* edit, const QString& text);

    // The lost-focus check, as leaving the box runs it. Before a read, a write, a save or an export the box
    // being typed in goes through it, whatever moved the focus.
    void leave();

    State validate(QString& input, int& pos) const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TextBox(QLineEdit* edit, Rules rules);

    QLineEdit* edit_;
    Rules rules_;
    mutable QString shown_;  // the box's text before the edit being judged
    bool programText_ = false;
};

}  // namespace zrt

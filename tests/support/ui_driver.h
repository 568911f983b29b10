// Drives the program's windows as a user would, for the widget tests: a session with the main window built on
// demand, message boxes answered and recorded instead of shown, and the gestures (trigger a command, choose
// in a list, type, leave a box); clicks and waits are QTest's.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>
#include <memory>
#include <vector>

#include "app/main_window.h"
#include "platform/qt_text.h"
#include "session/session.h"
#include "ui/msgbox.h"

// Failures show a QString as its text, not as bytes.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace zrt::ui_test {

// A device no computer has: port entry 1 fails to open with any serial port implementation.
inline const QString kMissingDevice = QStringLiteral("/nonexistent/zrt410-test-port");

// One key press (and release) with its text, as a keyboard sends it.
inline void key(QWidget* w, int code, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, code, mods, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, code, mods, text);
    QApplication::sendEvent(w, &release);
}
// Typing, one key per character.
inline void type(QWidget* w, const QString& text) {
    for (const QChar c : text)
        key(w, c.toUpper().unicode(), QString(c));
}
inline void enter(QWidget* w) {
    key(w, Qt::Key_Return, QStringLiteral("\r"));
}
// One notch (120) or more of the wheel over the middle of w; negative toward the user.
inline void wheel(QWidget* w, int delta) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent event(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}
// The user leaves the box for another control of the same window.
inline void leave(QWidget* w, Qt::FocusReason why = Qt::TabFocusReason) {
    QFocusEvent out(QEvent::FocusOut, why);
    QApplication::sendEvent(w, &out);
}
// What a list does when the user picks an entry.
inline void choose(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
}
inline QString cell(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}
template <class T = QWidget>
T* child(const QObject* root, const char* name) {
    return root->findChild<T*>(QString::fromLatin1(name));
}

// The base of every window test: a session, the boxes it asks answered with `answer` and kept in `asked`, and
// the main window on a port that cannot be opened, built when first used.
class WindowTest : public ::testing::Test {
  protected:
    WindowTest() {
        QApplication::setQuitOnLastWindowClosed(false);
        setMsgBoxResponder([this](const MsgBoxRequest& r) {
            asked.push_back(r);
            return answer;
        });
    }
    ~WindowTest() override {
        window_.reset();
        setMsgBoxResponder({});
    }

    MainWindow& main() {
        if (!window_) window_ = std::make_unique<MainWindow>(session, PortNames(kMissingDevice));
        return *window_;
    }
    // A new start of the program. Not for fixtures that hold an editor window of their own on `session`.
    void restart() {
        window_.reset();
        session = Session();
        asked.clear();
        answer = msg::kResultOk;
    }
    // A control of the main window by its program name (menu, toolbar, band and port lists, status bar).
    template <class T = QAction>
    T* control(const char* name) {
        auto* o = qobject_cast<T*>(main().control(name));
        EXPECT_NE(o, nullptr) << name;
        return o;
    }
    void trigger(const char* command) { control(command)->trigger(); }
    void setLanguage(int language) { trigger(language == kChinese ? "MNChinese" : "MNEnglish"); }
    template <class F>
    void edit(F&& change) {
        session.edit(Change::everything(), std::forward<F>(change));
    }

    // The only box asked since the last check was `message` in `language`.
    ::testing::AssertionResult askedOnly(const msg::Message& message, int language,
                                         const QString& suffix = {}) {
        const std::vector<MsgBoxRequest> seen = std::exchange(asked, {});
        if (seen.size() != 1) return ::testing::AssertionFailure() << seen.size() << " boxes asked";
        const MsgBoxRequest& r = seen.front();
        const QString title = message.title.en.empty() ? qs(msg::kAppTitle) : qs(message.title, language);
        if (r.prompt != qs(message.text, language) + suffix || r.title != title || r.style != message.style)
            return ::testing::AssertionFailure() << "asked " << r.title.toStdString() << ": "
                                                 << r.prompt.toStdString() << " (style " << r.style << ")";
        return ::testing::AssertionSuccess();
    }

    Session session;
    std::vector<MsgBoxRequest> asked;
    int answer = msg::kResultOk;

  private:
    std::unique_ptr<MainWindow> window_;
};

}  // namespace zrt::ui_test

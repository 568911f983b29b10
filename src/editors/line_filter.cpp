#include "editors/line_filter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace zrt {

LineFilter::LineFilter(QLineEdit* edit, CharFilter filter, int maxLength, std::function<void()> onEnter)
    : QObject(edit),
      edit_(edit),
      filter_(std::move(filter)),
      maxLength_(maxLength),
      onEnter_(std::move(onEnter)) {}

LineFilter* LineFilter::install(QLineEdit* edit, CharFilter filter, int maxLength,
                                std::function<void()> onEnter) {
    auto* f = new LineFilter(edit, std::move(filter), maxLength, std::move(onEnter));
    edit->installEventFilter(f);
    // The box's own limit would also cut what the program sets; the filter enforces it on typing only.
    edit->setMaxLength(32767);
    edit->setAcceptDrops(false);
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(edit, &QWidget::customContextMenuRequested, f, &LineFilter::showContextMenu);
    return f;
}

void LineFilter::type(const QString& typed) {
    for (const char32_t c : typed.toUcs4()) {
        const std::optional<char32_t> mapped = filter_ ? filter_(c) : std::optional<char32_t>(c);
        if (!mapped) continue;
        if (*mapped == U'\b') {
            edit_->backspace();
            continue;
        }
        const qsizetype kept = edit_->text().size() - edit_->selectedText().size();
        if (maxLength_ >= 0 && kept >= maxLength_) continue;
        edit_->insert(QString::fromUcs4(&*mapped, 1));
    }
}

bool LineFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_) return false;
    if (event->type() == QEvent::InputMethod) return true;
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (!onEnter_) return false;
        onEnter_();
        return true;
    }
    if (key->matches(QKeySequence::Paste)) {
        if (!edit_->isReadOnly()) type(QApplication::clipboard()->text());
        return true;
    }
    const QString text = key->text();
    // Keys without a printable character (Backspace, arrows, Delete, shortcuts) keep their usual meaning.
    if (text.isEmpty() || !text.at(0).isPrint()) return false;
    // Shortcuts pass; AltGr (Ctrl+Alt on some systems) types characters and goes through the filter.
    const Qt::KeyboardModifiers mods = key->modifiers();
    if ((mods & (Qt::ControlModifier | Qt::MetaModifier)) && !(mods & Qt::AltModifier)) return false;
    if (!edit_->isReadOnly()) type(text);
    return true;
}

void LineFilter::showContextMenu(const QPoint& pos) {
    QMenu* menu = edit_->createStandardContextMenu();
    // The standard Paste would bypass the filter.
    if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        paste->disconnect();
        connect(paste, &QAction::triggered, this, [this] { type(QApplication::clipboard()->text()); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(edit_->mapToGlobal(pos));
}

}  // namespace zrt

// Base of the editor windows: each shows part of the session's configuration, redraws the parts a change of
// the document names, edits through the session, and writes its captions for the current language. Editor
// windows are created once and only shown and hidden: their close box hides them.
#pragma once

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QWidget>
#include <initializer_list>

#include "platform/document_signals.h"
#include "session/session.h"

namespace zrt {

class EditorWindow : public QWidget {
    Q_OBJECT
  public:
    explicit EditorWindow(Session& session, QWidget* parent = nullptr) : QWidget(parent), session_(session) {
        auto* notifier = new DocumentSignals(session.document(), this);
        connect(notifier, &DocumentSignals::changed, this, [this](const Change& change) {
            // What this window changed itself it has already shown.
            if (change.has(Part::Language)) applyLanguageChange();
            if (change.origin != this) documentChanged(change);
        });
    }

    virtual void applyLanguage() = 0;  // every caption and list item text for config.languageIndex
    virtual void refresh() = 0;        // redraw every field from the configuration

    // Hides the window, or inside the main window's multiple-document area its frame (which is never
    // deleted).
    void hideWindow() {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            frame->hide();
        else
            hide();
    }

  protected:
    // Refusing the close also keeps a frame that would delete itself: it asks its editor first.
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        hideWindow();
    }

    // Another part of the program changed the configuration: redraw what the change names.
    virtual void documentChanged(const Change& change) = 0;
    // The language changed: the captions, and whatever else shows texts in the language.
    virtual void applyLanguageChange() { applyLanguage(); }

    // An edit of this window: the change names the parts; the window has shown it already.
    template <class Apply>
    auto edit(std::initializer_list<Part> parts, Apply&& apply) {
        return session_.edit(Change::of(parts, this), std::forward<Apply>(apply));
    }

    Session& session_;
};

}  // namespace zrt

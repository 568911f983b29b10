// Base of the editor windows: each shows part of the session's configuration, redraws from it, and writes
// its captions for the current language. Closing one only hides it.
#pragma once

#include <QWidget>

namespace zrt {

class Session;

class EditorWindow : public QWidget {
    Q_OBJECT
public:
    explicit EditorWindow(Session& session, QWidget* parent = nullptr) : QWidget(parent), session_(session) {}

    virtual void applyLanguage() = 0;  // every caption and list item text for config.languageIndex
    virtual void refresh() = 0;        // redraw every field from the configuration

protected:
    Session& session_;
};

}  // namespace zrt

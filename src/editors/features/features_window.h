// The optional-features window (Form3): global settings, VOX and both VFOs, and the service gestures.
#pragma once

#include "app/editor_window.h"

namespace zrt {

class FeaturesWindow : public EditorWindow {
    Q_OBJECT
public:
    explicit FeaturesWindow(Session& session, QWidget* parent = nullptr);

    void applyLanguage() override;
    void refresh() override;

signals:
    // A service gesture completed; the main window shows its toolbar button and unlocks what it unlocks.
    void serviceFlagsChanged();
};

}  // namespace zrt

// The FM radio window (Form5): 25 broadcast presets, start channel, display mode and FM VFO.
#pragma once

#include "app/editor_window.h"

namespace zrt {

class FmWindow : public EditorWindow {
    Q_OBJECT
public:
    explicit FmWindow(Session& session, QWidget* parent = nullptr);

    void applyLanguage() override;
    void refresh() override;

};

}  // namespace zrt

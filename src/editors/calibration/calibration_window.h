// The calibration window (Form4): 18 power calibration sliders.
#pragma once

#include "app/editor_window.h"

namespace zrt {

class CalibrationWindow : public EditorWindow {
    Q_OBJECT
public:
    explicit CalibrationWindow(Session& session, QWidget* parent = nullptr);

    void applyLanguage() override;
    void refresh() override;

};

}  // namespace zrt

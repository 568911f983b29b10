// The calibration window (Form4): the 18 power calibration values on sliders, two groups on two tabs, one
// frame per power grade. The sliders stay greyed out until calibration mode unlocks them.
#pragma once

#include <array>

#include "config/calibration.h"
#include "editors/editor_window.h"

class QLabel;
class QSlider;
class QTabWidget;

namespace zrt {

class CalibrationWindow : public EditorWindow {
    Q_OBJECT
  public:
    explicit CalibrationWindow(Session& session, QWidget* parent = nullptr);

    void applyLanguage() override;
    void refresh() override;  // slider positions, value labels and the lock

  protected:
    void documentChanged(const Change& change) override;

  private:
    void sliderChanged(int index, int value);

    QTabWidget* tabs_ = nullptr;                    // SSTab1
    std::array<QSlider*, kCalibValues> sliders_{};  // Slider1(i)
    std::array<QLabel*, kCalibValues> values_{};    // Label2(i)
    bool dragging_ = false;                         // a slider's drag is one undo step
};

}  // namespace zrt

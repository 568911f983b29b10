// The optional-features window (Form3): global settings, VOX and both VFOs, and the service gestures.
// It edits the session's configuration directly: every change of a control writes it, refresh() redraws
// every control from it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "config/features.h"
#include "config/service_gestures.h"
#include "editors/editor_window.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QKeyEvent;
class QTabBar;

namespace zrt {

// The caption labels of the three service gestures, by the field they label, in ServiceMode order.
inline constexpr std::array<std::array<FeatureList, kGestureLabels>, kServiceModes> kGestureFields{{
    {FeatureList::ADisplayMode, FeatureList::BDisplayMode, FeatureList::LampMode},  // cross-band write
    {FeatureList::VoxSwitch, FeatureList::VoxGain, FeatureList::VoxDelay},          // calibration
    {FeatureList::AStep, FeatureList::BStep, FeatureList::TimeOutTimer},            // feature unlock
}};

class FeaturesWindow : public EditorWindow {
    Q_OBJECT
  public:
    explicit FeaturesWindow(Session& session, QWidget* parent = nullptr);

    void applyLanguage() override;
    void refresh() override;

    // The gestures' clock, whole seconds since midnight; tests put their own.
    void setGestureClock(std::function<std::int32_t()> clock) { clock_ = std::move(clock); }

    // Page 1 (function settings) or page 2 (the VFOs); the VOX frame shows on both. Page 2 puts the focus
    // into the A frequency.
    void showPage(int page);
    int page() const { return page_; }

  protected:
    void documentChanged(const Change& change) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build();
    void onTabClicked(int index);
    void onTextChanged(FeatureText f);
    void lostFocusCheck(FeatureText f);
    void gestureClicked(ServiceMode mode, int label);
    void applyServiceState();

    std::array<QComboBox*, kFeatureListCount> combos_{};
    std::array<QLabel*, kFeatureListCount> listLabels_{};
    std::array<QLineEdit*, kFeatureTextCount> texts_{};
    std::array<QLabel*, kFeatureTextCount> textLabels_{};
    QTabBar* tabs_ = nullptr;
    QGroupBox* voxFrame_ = nullptr;                 // Frame1
    QGroupBox* functionsFrame_ = nullptr;           // Frame2
    QGroupBox* vfoAFrame_ = nullptr;                // Frame3
    QGroupBox* vfoBFrame_ = nullptr;                // Frame5
    QCheckBox* allowCancelBox_ = nullptr;           // Check12
    QCheckBox* voxOffWhileReceivingBox_ = nullptr;  // Check13
    int page_ = 1;
    std::function<std::int32_t()> clock_ = secondsSinceMidnight;
};

}  // namespace zrt

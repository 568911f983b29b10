// The calibration window: its sliders, the lock, and where their values go.
#include "editors/calibration/calibration_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QSlider>

#include "support/ui_driver.h"

namespace zrt {
namespace {

using namespace ui_test;

using CalibrationWindowTest = WindowTest;

// The sliders always show the values that a calibration write would send; showing them makes them no values
// the user chose, moving one does. They follow the lock.
TEST_F(CalibrationWindowTest, SlidersShowTheValuesAndAMoveSetsItsEntryOnly) {
    CalibrationWindow window(session);
    auto* slider = child<QSlider>(&window, "Slider1_10");
    EXPECT_FALSE(slider->isEnabled());
    edit([](Configuration& c) { c.calib.unlocked = true; });
    EXPECT_TRUE(slider->isEnabled());
    const Calibration before = session.config().calib;
    EXPECT_FALSE(before.known);
    slider->setValue(200);
    EXPECT_TRUE(session.config().calib.known);
    for (int i = 0; i < kCalibValues; ++i) {
        const int value = i == 10 ? 200 : before.values[i];
        EXPECT_EQ(window.findChild<QSlider*>(QStringLiteral("Slider1_%1").arg(i))->value(), value) << i;
        EXPECT_EQ(session.config().calib.values[i], value) << i;
        EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label2_%1").arg(i))->text(),
                  QString::number(value))
            << i;
    }
}

}  // namespace
}  // namespace zrt

// Only the channel tables follow the wheel: a list or a slider under a resting pointer keeps its value, so
// nothing the user did not choose reaches the radio.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QSlider>

#include "app/main_window.h"
#include "editors/calibration/calibration_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/features/features_window.h"
#include "editors/fm/fm_window.h"
#include "support/ui_driver.h"

namespace zrt {
namespace {

class Wheel : public ui_test::WindowTest {};

TEST_F(Wheel, ListsAndSlidersOfTheEditorsKeepTheirValue) {
    edit([](Configuration& c) { c.calib.unlocked = true; });  // sliders that could move
    const QWidget* editors[] = {main().featuresWindow(), main().dtmfWindow(), main().fmWindow(),
                                main().calibrationWindow()};
    int controls = 0;
    for (const QWidget* editor : editors) {
        for (auto* list : editor->findChildren<QComboBox*>()) {
            if (list->count() < 3) continue;
            list->setCurrentIndex(1);
            for (int delta : {-120, 120, -360})
                ui_test::wheel(list, delta);
            EXPECT_EQ(list->currentIndex(), 1) << list->objectName().toStdString();
            ++controls;
        }
        for (auto* slider : editor->findChildren<QSlider*>()) {
            const int value = slider->value();
            for (int delta : {-120, 120, -360})
                ui_test::wheel(slider, delta);
            EXPECT_EQ(slider->value(), value) << slider->objectName().toStdString();
            ++controls;
        }
    }
    EXPECT_GT(controls, 30);
}

}  // namespace
}  // namespace zrt

// Only the channel tables follow the wheel: the band list, the FM grid, and every list and slider of the
// editors keep their value under a resting pointer, so nothing the user did not choose reaches the radio.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QScrollBar>
#include <QSlider>
#include <QTableWidget>

#include "app/main_window.h"
#include "editors/calibration/calibration_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/features/features_window.h"
#include "editors/fm/fm_window.h"
#include "support/ui_driver.h"

namespace zrt {
namespace {

void turnWheel(QWidget* w) {
    for (int delta : {-120, -120, 120, -360})
        ui_test::wheel(w, delta);
}

class Wheel : public ui_test::WindowTest {};

TEST_F(Wheel, OnlyTheChannelTablesFollowIt) {
    main().show();
    // The same wheel does move an ordinary list, so the checks below mean something.
    QComboBox plain;
    plain.addItems({"a", "b", "c"});
    plain.setCurrentIndex(1);
    turnWheel(&plain);
    ASSERT_NE(plain.currentIndex(), 1);

    auto* band = control<QComboBox>("Combo1");
    turnWheel(band);
    EXPECT_EQ(band->currentIndex(), 0);
    EXPECT_EQ(session.config().band.current, 0);
    EXPECT_TRUE(asked.empty());

    auto* fmGrid = ui_test::child<QTableWidget>(main().fmWindow(), "MSFGrid");
    main().fmWindow()->show();
    ASSERT_GT(fmGrid->verticalScrollBar()->maximum(), 0);
    turnWheel(fmGrid->viewport());
    EXPECT_EQ(fmGrid->verticalScrollBar()->value(), 0);

    edit([](Configuration& c) { c.calib.unlocked = true; });  // sliders that could move
    int controls = 0;
    for (const QWidget* editor : std::initializer_list<const QWidget*>{
             main().featuresWindow(), main().dtmfWindow(), main().fmWindow(), main().calibrationWindow()}) {
        for (auto* list : editor->findChildren<QComboBox*>()) {
            if (list->count() < 3) continue;
            list->setCurrentIndex(1);
            turnWheel(list);
            EXPECT_EQ(list->currentIndex(), 1) << list->objectName().toStdString();
            ++controls;
        }
        for (auto* slider : editor->findChildren<QSlider*>()) {
            const int value = slider->value();
            turnWheel(slider);
            EXPECT_EQ(slider->value(), value) << slider->objectName().toStdString();
            ++controls;
        }
    }
    EXPECT_GT(controls, 30);
}

}  // namespace
}  // namespace zrt

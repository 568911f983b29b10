#include <gtest/gtest.h>

#include "config/calibration.h"

namespace zrt {
namespace {

TEST(CalibSlider, IndexAndValueLimits) {
    struct Case {
        int index;
        int value;
        bool changed;
    };
    const Case cases[] = {
        {10, 200, true}, {0, 0, true},    {17, 255, true}, {-1, 5, false},
        {18, 5, false},  {3, 256, false}, {3, -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        Calibration calib;
        const Calibration before = calib;
        EXPECT_EQ(setCalibSlider(calib, c.index, c.value), c.changed);
        for (int i = 0; i < kCalibValues; ++i) {
            const bool target = c.changed && i == c.index;
            EXPECT_EQ(calib.values[i], target ? c.value : before.values[i]);
        }
        EXPECT_EQ(calib.known, c.changed);  // a value moved by the user or decoded counts as known
    }
    EXPECT_EQ(calibIndex(1, 0, 1), 10);  // group B, high grade, middle section
    EXPECT_EQ(calibIndex(1, 2, 2), 17);
}

}  // namespace
}  // namespace zrt

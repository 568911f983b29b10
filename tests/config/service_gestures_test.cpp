// The hidden service gestures and the double click that ends a mode, driven by an injected clock.
#include "config/service_gestures.h"

#include <gtest/gtest.h>

#include <vector>

#include "config/configuration.h"

namespace zrt {
namespace {

constexpr ServiceMode kModes[] = {ServiceMode::CrossBandWrite, ServiceMode::CalibWrite,
                                  ServiceMode::FeatureUnlock};

TEST(ServiceGestures, TimingOfTheThreeClicks) {
    struct Click {
        int label;
        std::int32_t time;        // seconds since midnight
        bool otherGroup = false;  // a label of the next mode's group
    };
    const std::pair<std::vector<Click>, bool> cases[] = {
        {{{0, 100}, {1, 100}, {2, 100}}, true},
        {{{2, 100}, {0, 103}, {1, 105}}, true},                      // any order within five seconds
        {{{0, 100}, {1, 101}, {2, 106}}, false},                     // a pause over five seconds restarts
        {{{0, 100}, {1, 101}, {2, 107}, {0, 108}, {1, 110}}, true},  // the restart counts as the first click
        {{{1, 100}, {1, 101}, {1, 102}}, false},
        {{{0, 86399}, {1, 0}, {2, 2}}, true},  // over midnight
        {{{0, 100}, {1, 101}, {2, 100 + 3600}}, false},
        {{{0, 10}, {1, 10, true}, {2, 11}}, false},  // the groups count separately
    };
    for (const auto& [clicks, completes] : cases) {
        for (int m = 0; m < kServiceModes; ++m) {
            SCOPED_TRACE(testing::Message() << "mode " << m << ", first click at " << clicks[0].time);
            Configuration config = startConfiguration();
            bool last = false;
            for (const Click& click : clicks)
                last =
                    gestureClick(config, kModes[click.otherGroup ? (m + 1) % 3 : m], click.label, click.time);
            EXPECT_EQ(last, completes);
            for (int other = 0; other < kServiceModes; ++other)
                EXPECT_EQ(serviceFlag(config.service, kModes[other]), completes && other == m);
            EXPECT_EQ(config.calib.unlocked, completes && kModes[m] == ServiceMode::CalibWrite);
        }
    }
}

// A completed mode stays on and repeats its effect; ending it clears its flag and its clicks, and the others
// stay on.
TEST(ServiceGestures, ACompletedModeStaysOnUntilItIsEnded) {
    for (int m = 0; m < kServiceModes; ++m) {
        Configuration config = startConfiguration();
        for (ServiceMode mode : kModes)
            for (int label = 0; label < 3; ++label)
                gestureClick(config, mode, label, 200);
        config.calib.unlocked = false;  // e.g. locked behind the window's back
        EXPECT_TRUE(gestureClick(config, ServiceMode::CalibWrite, 1, 202));
        EXPECT_TRUE(config.calib.unlocked);
        EXPECT_FALSE(gestureClick(config, kModes[m], 1, 500));  // long after: the sequence restarts
        EXPECT_TRUE(serviceFlag(config.service, kModes[m]));

        endServiceMode(config, kModes[m]);
        EXPECT_EQ(config.calib.unlocked, kModes[m] != ServiceMode::CalibWrite);
        for (int other = 0; other < kServiceModes; ++other) {
            EXPECT_EQ(serviceFlag(config.service, kModes[other]), other != m);
            for (bool clicked : config.service.gestures[other].clicked)
                EXPECT_EQ(clicked, other != m);
        }
        EXPECT_FALSE(gestureClick(config, kModes[m], 0, 501));  // one click is not enough to come back
    }
}

TEST(ModeButton, TwoClicksLessThanASecondApartEndTheMode) {
    const std::pair<std::vector<std::int64_t>, std::vector<bool>> cases[] = {
        {{10'000, 10'300}, {false, true}},
        {{10'000, 11'500, 12'000}, {false, false, true}},
        {{10'900, 11'100}, {false, true}},  // across a second boundary
        {{10'000, 11'000}, {false, false}},
        {{10'000, 10'100, 10'200}, {false, true, false}},  // a third click after an end starts over
    };
    for (const auto& [clicksMs, ends] : cases) {
        ModeButtonClicks button;
        for (std::size_t i = 0; i < clicksMs.size(); ++i)
            EXPECT_EQ(button.click(clicksMs[i]), ends[i]) << clicksMs[0] << " click " << i;
    }
}

}  // namespace
}  // namespace zrt

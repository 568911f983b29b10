// The hidden service gestures and the double click that ends a mode, driven by an injected clock.
#include "config/service_gestures.h"

#include <gtest/gtest.h>

#include <vector>

#include "config/configuration.h"

namespace zrt {
namespace {

struct Click {
    int label;
    std::int32_t time;  // seconds since midnight
};

struct GestureCase {
    const char* name;
    std::vector<Click> clicks;
    bool completes;
};

TEST(ServiceGestures, TimingOfTheThreeClicks) {
    const GestureCase cases[] = {
        {"three labels at once", {{0, 100}, {1, 100}, {2, 100}}, true},
        {"any order within five seconds", {{2, 100}, {0, 103}, {1, 105}}, true},
        {"pause over five seconds restarts", {{0, 100}, {1, 101}, {2, 106}}, false},
        {"the restart counts as the first click", {{0, 100}, {1, 101}, {2, 107}, {0, 108}, {1, 110}}, true},
        {"the same label three times", {{1, 100}, {1, 101}, {1, 102}}, false},
        {"over midnight", {{0, 86399}, {1, 0}, {2, 2}}, true},
        {"an hour later", {{0, 100}, {1, 101}, {2, 100 + 3600}}, false},
    };
    for (const GestureCase& c : cases) {
        for (ServiceMode mode :
             {ServiceMode::CrossBandWrite, ServiceMode::CalibWrite, ServiceMode::FeatureUnlock}) {
            Configuration config = startConfiguration();
            bool last = false;
            for (const Click& click : c.clicks)
                last = gestureClick(config, mode, click.label, click.time);
            EXPECT_EQ(serviceFlag(config.service, mode), c.completes) << c.name;
            EXPECT_EQ(last, c.completes) << c.name;
            EXPECT_EQ(config.calib.unlocked, c.completes && mode == ServiceMode::CalibWrite) << c.name;
            // The other groups are untouched.
            int others = 0;
            for (int m = 0; m < kServiceModes; ++m)
                others +=
                    m != static_cast<int>(mode) && serviceFlag(config.service, static_cast<ServiceMode>(m));
            EXPECT_EQ(others, 0) << c.name;
        }
    }
}

TEST(ServiceGestures, GroupsCountSeparately) {
    Configuration config = startConfiguration();
    gestureClick(config, ServiceMode::CrossBandWrite, 0, 10);
    gestureClick(config, ServiceMode::FeatureUnlock, 1, 10);
    gestureClick(config, ServiceMode::CrossBandWrite, 2, 11);
    EXPECT_FALSE(config.service.crossBandWrite);
    EXPECT_FALSE(config.service.featureUnlock);
}

TEST(ServiceGestures, ACompletedModeStaysOnAndRepeatsItsEffect) {
    Configuration config = startConfiguration();
    for (int label = 0; label < 3; ++label)
        gestureClick(config, ServiceMode::CalibWrite, label, 50);
    config.calib.unlocked = false;  // e.g. locked behind the window's back
    EXPECT_TRUE(gestureClick(config, ServiceMode::CalibWrite, 1, 52));
    EXPECT_TRUE(config.calib.unlocked);
    // Long after, a click restarts the sequence but does not clear the flag.
    EXPECT_FALSE(gestureClick(config, ServiceMode::CalibWrite, 1, 500));
    EXPECT_TRUE(config.service.calibWrite);
}

TEST(ServiceGestures, EndingAModeClearsItsFlagAndClicks) {
    for (ServiceMode mode :
         {ServiceMode::CrossBandWrite, ServiceMode::CalibWrite, ServiceMode::FeatureUnlock}) {
        Configuration config = startConfiguration();
        for (ServiceMode m :
             {ServiceMode::CrossBandWrite, ServiceMode::CalibWrite, ServiceMode::FeatureUnlock})
            for (int label = 0; label < 3; ++label)
                gestureClick(config, m, label, 200);
        endServiceMode(config, mode);
        EXPECT_FALSE(serviceFlag(config.service, mode));
        EXPECT_EQ(config.calib.unlocked, mode != ServiceMode::CalibWrite);
        for (int m = 0; m < kServiceModes; ++m) {
            const bool ended = m == static_cast<int>(mode);
            EXPECT_EQ(serviceFlag(config.service, static_cast<ServiceMode>(m)), !ended);
            for (bool clicked : config.service.gestures[m].clicked)
                EXPECT_EQ(clicked, !ended);
        }
        // After the end one click is not enough to come back.
        EXPECT_FALSE(gestureClick(config, mode, 0, 201));
    }
}

TEST(ModeButton, TwoClicksLessThanASecondApartEndTheMode) {
    struct Case {
        const char* name;
        std::vector<std::int64_t> clicksMs;
        std::vector<bool> ends;
    };
    const Case cases[] = {
        {"double click", {10'000, 10'300}, {false, true}},
        {"1.5 s apart, then 0.5 s", {10'000, 11'500, 12'000}, {false, false, true}},
        {"across a second boundary", {10'900, 11'100}, {false, true}},
        {"exactly one second", {10'000, 11'000}, {false, false}},
        {"a third click after an end starts over", {10'000, 10'100, 10'200}, {false, true, false}},
    };
    for (const Case& c : cases) {
        ModeButtonClicks button;
        for (std::size_t i = 0; i < c.clicksMs.size(); ++i)
            EXPECT_EQ(button.click(c.clicksMs[i]), c.ends[i]) << c.name << " click " << i;
    }
}

}  // namespace
}  // namespace zrt

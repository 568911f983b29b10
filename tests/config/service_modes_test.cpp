#include "config/service_modes.h"

#include <gtest/gtest.h>

#include <vector>

#include "config/configuration.h"

namespace zrt {
namespace {

struct ClickCase {
    const char* name;
    std::vector<std::int64_t> clicksMs;
    std::vector<bool> ends;
};

TEST(HiddenButtonClicks, EndsOnlyOnClicksLessThanASecondApartInWholeSeconds) {
    const ClickCase cases[] = {
        {"single click", {10'000}, {false}},
        {"1.5 s then 0.5 s", {10'000, 11'500, 12'000}, {false, false, true}},
        {"exactly one second", {10'000, 11'000}, {false, false}},
        {"just under one second", {10'000, 10'999}, {false, true}},
        // The kept time is rounded: 10.6 s keeps 11, so a click at 11.4 s is 0.4 s after it.
        {"rounded up kept time", {10'600, 11'400}, {false, true}},
        // 10.4 s keeps 10; 11.3 s is 1.3 s after the kept time although only 0.9 s after the click.
        {"rounded down kept time", {10'400, 11'300}, {false, false}},
        {"ending starts over", {1'000, 1'200, 1'400, 1'600}, {false, true, false, true}},
        {"slow clicks never end", {0, 2'000, 4'000, 6'000}, {false, false, false, false}},
        {"clock at zero is a real first click", {0, 300}, {false, true}},
    };
    for (const ClickCase& c : cases) {
        HiddenButtonClicks clicks;
        std::vector<bool> got;
        for (std::int64_t t : c.clicksMs)
            got.push_back(clicks.click(t));
        EXPECT_EQ(got, c.ends) << c.name;
    }
}

TEST(EndServiceMode, ClearsOnlyItsOwnFlagGestureGroupAndLock) {
    for (ServiceMode mode :
         {ServiceMode::CrossBandWrite, ServiceMode::CalibWrite, ServiceMode::FeatureUnlock}) {
        Configuration config;
        config.service = {true, true, true};
        config.calib.unlocked = true;
        for (GestureGroup& g : config.gestures)
            g = {{true, true, true}, 4711};

        endServiceMode(config, mode);

        const int m = static_cast<int>(mode);
        EXPECT_EQ(config.service.crossBandWrite, mode != ServiceMode::CrossBandWrite) << m;
        EXPECT_EQ(config.service.calibWrite, mode != ServiceMode::CalibWrite) << m;
        EXPECT_EQ(config.service.featureUnlock, mode != ServiceMode::FeatureUnlock) << m;
        EXPECT_EQ(config.calib.unlocked, mode != ServiceMode::CalibWrite) << m;
        for (int g = 0; g < kServiceModeCount; ++g) {
            const bool cleared = g == m;
            EXPECT_EQ(config.gestures[g].clicked, (std::array<bool, 3>{!cleared, !cleared, !cleared}))
                << m << g;
            EXPECT_EQ(config.gestures[g].startTime, 4711) << m << g;
        }
    }
}

}  // namespace
}  // namespace zrt

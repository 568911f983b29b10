#include "config/service_modes.h"

#include "config/configuration.h"

namespace zrt {

void endServiceMode(Configuration& config, ServiceMode mode) {
    switch (mode) {
        case ServiceMode::CrossBandWrite:
            config.service.crossBandWrite = false;
            break;
        case ServiceMode::CalibWrite:
            config.service.calibWrite = false;
            config.calib.unlocked = false;
            break;
        case ServiceMode::FeatureUnlock:
            config.service.featureUnlock = false;
            break;
    }
    config.gestures[static_cast<int>(mode)].clicked = {};
}

bool HiddenButtonClicks::click(std::int64_t nowMs) {
    // The kept time is rounded to the nearest second, the current time is not.
    const std::int64_t nowSeconds = (nowMs + 500) / 1000;
    if (keptSeconds_ && nowMs - *keptSeconds_ * 1000 < 1000) {
        keptSeconds_.reset();
        return true;
    }
    keptSeconds_ = nowSeconds;
    return false;
}

}  // namespace zrt

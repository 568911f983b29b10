#include "config/service_gestures.h"

#include <chrono>
#include <ctime>

#include "config/configuration.h"

namespace zrt {

namespace {

constexpr std::int32_t kSecondsPerDay = 24 * 60 * 60;

// The result flag of each mode, in the order of ServiceMode.
constexpr bool ServiceFlags::*kFlags[kServiceModes] = {
    &ServiceFlags::crossBandWrite, &ServiceFlags::calibWrite, &ServiceFlags::featureUnlock};

bool validMode(ServiceMode mode) {
    const int m = static_cast<int>(mode);
    return m >= 0 && m < kServiceModes;
}

}  // namespace

bool serviceFlag(const ServiceFlags& flags, ServiceMode mode) {
    return validMode(mode) && flags.*kFlags[static_cast<int>(mode)];
}

bool gestureClick(Configuration& config, ServiceMode mode, int label, std::int32_t now) {
    if (!validMode(mode) || label < 0 || label >= kGestureLabels) return false;
    GestureGroup& group = config.service.gestures[static_cast<int>(mode)];
    bool& flag = config.service.*kFlags[static_cast<int>(mode)];

    const bool fresh = !group.clicked[0] && !group.clicked[1] && !group.clicked[2];
    if (fresh) group.startTime = now;
    std::int32_t elapsed = now - group.startTime;
    // A sequence that runs over midnight keeps counting instead of looking like one long pause's opposite.
    if (elapsed < 0) elapsed += kSecondsPerDay;

    if (elapsed > kGestureSeconds) {
        group.clicked = {};
        group.clicked[label] = true;
        group.startTime = now;
        return false;
    }
    group.clicked[label] = true;
    if (group.clicked[0] && group.clicked[1] && group.clicked[2]) flag = true;
    if (!flag) return false;
    if (mode == ServiceMode::CalibWrite) config.calib.unlocked = true;
    return true;
}

void endServiceMode(Configuration& config, ServiceMode mode) {
    if (!validMode(mode)) return;
    config.service.*kFlags[static_cast<int>(mode)] = false;
    config.service.gestures[static_cast<int>(mode)].clicked = {};
    if (mode == ServiceMode::CalibWrite) config.calib.unlocked = false;
}

std::int32_t secondsSinceMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(time_point_cast<seconds>(now + milliseconds(500)));
    std::tm local{};
    localtime_r(&t, &local);
    return static_cast<std::int32_t>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec);
}

bool ModeButtonClicks::click(std::int64_t nowMs) {
    if (last_ && nowMs >= *last_ && nowMs - *last_ < 1000) {
        last_.reset();
        return true;
    }
    last_ = nowMs;
    return false;
}

}  // namespace zrt

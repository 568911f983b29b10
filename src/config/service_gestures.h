// The three hidden service gestures of the optional-features window and the ends of their modes: each
// group of three caption labels clicked within five seconds sets one service flag; a double click on the
// mode's toolbar button clears it again.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace zrt {

struct Configuration;
struct ServiceFlags;

enum class ServiceMode : int { CrossBandWrite, CalibWrite, FeatureUnlock };
inline constexpr int kServiceModes = 3;
inline constexpr int kGestureLabels = 3;  // labels per group
inline constexpr std::int32_t kGestureSeconds = 5;

// One group's progress: which of its labels were clicked since the sequence started, and when it started
// (whole seconds since midnight).
struct GestureGroup {
    std::array<bool, kGestureLabels> clicked{};
    std::int32_t startTime = 0;
};

// A click of label `label` (0..2) of the group of `mode` at `now` (whole seconds since midnight). Three
// different labels within five seconds of the first set the mode's flag (a calibration gesture also
// unlocks the calibration sliders). Returns true when the mode is on after the click and its effect is to
// be shown (the toolbar button, the unlocked fields); that repeats on every later click within the window.
bool gestureClick(Configuration& config, ServiceMode mode, int label, std::int32_t now);

// Ends a mode: clears its flag and its group's clicks; the calibration mode also locks the sliders again.
void endServiceMode(Configuration& config, ServiceMode mode);

bool serviceFlag(const ServiceFlags& flags, ServiceMode mode);

// The time of day in whole seconds since midnight, rounded to the nearest second.
std::int32_t secondsSinceMidnight();

// The double click that ends a mode on its toolbar button: two clicks less than a second apart. Times are
// in milliseconds of any steady clock.
class ModeButtonClicks {
  public:
    // True when this click ends the mode (the kept time is then forgotten).
    bool click(std::int64_t nowMs);

  private:
    std::optional<std::int64_t> last_;
};

}  // namespace zrt

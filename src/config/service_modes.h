// The three service modes that hidden gestures of the optional-features window open and hidden toolbar
// buttons of the main window end, with the gesture state they share and the double click that ends a mode.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace zrt {

struct Configuration;

enum class ServiceMode { CrossBandWrite = 0, CalibWrite = 1, FeatureUnlock = 2 };
inline constexpr int kServiceModeCount = 3;

// One gesture group of the optional-features window: three caption labels, each owning one click flag.
struct GestureGroup {
    std::array<bool, 3> clicked{};
    int startTime = 0;  // whole seconds since midnight of the group's first click
};

// Ends a mode: clears its result flag and its gesture group's click flags; ending the calibration mode
// also locks the calibration sliders again.
void endServiceMode(Configuration& config, ServiceMode mode);

// The click timing of a hidden toolbar button. The button keeps the time of its last click in whole
// seconds; a click less than one second after that kept time ends the mode.
class HiddenButtonClicks {
  public:
    // nowMs: a monotonic clock in milliseconds. Returns true when this click ends the mode.
    bool click(std::int64_t nowMs);

  private:
    // Time of day would jump back at midnight and end a mode on a single click, so the clock is monotonic
    // and "unset" is its own state rather than 0.
    std::optional<std::int64_t> keptSeconds_;
};

}  // namespace zrt

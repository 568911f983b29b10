// Two configurations compared by meaning: field by field as the windows show them (the captioned description
// of each), not byte by byte. `diff` and the window's comparison render the same list. Qt-free.
#pragma once

#include <string>
#include <vector>

#include "i18n/config_description.h"

namespace zrt {

struct CaptionedDifference {
    std::string place;  // where the field is: "A1", "Optional Features", "A Group VFO", "FM Channel Set", ...
    std::string caption;  // the field's caption without its colon: "Channel Name", "Beep"
    std::string a, b;     // its value in each configuration ("" for a channel that is not set)
    int channel = 0;      // 1..128 for a channel's cell, 0 otherwise
    friend bool operator==(const CaptionedDifference&, const CaptionedDifference&) = default;
};

// The fields whose values differ, in the windows' order: the band, the channels A1..B64 (a channel set on
// one side only differs in every cell), the optional features and both VFOs, the FM settings and presets,
// the calibration values. Texts that are the same number are the same ("155.000" and "155.00000").
std::vector<CaptionedDifference> compareDescriptions(const ConfigDescription& a, const ConfigDescription& b);
std::vector<CaptionedDifference> compareConfigurations(const Configuration& a, const Configuration& b,
                                                       int languageIndex);

}  // namespace zrt

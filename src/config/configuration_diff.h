// Two configurations compared by meaning, field by field as the windows show them (not byte by byte): the
// band, each channel's cells, every optional-features and VFO field, the FM presets and settings, and the
// calibration values. The shell puts captions and value texts to the fields it names.
#pragma once

#include <span>
#include <vector>

#include "config/configuration.h"

namespace zrt {

enum class FieldArea { Band, Channel, FeatureList, FeatureText, FmPreset, FmSetting, Calibration };

enum class FmSetting { CurrentChannel, DisplayMode, Step, Vfo };

// One field of a configuration. index: the channel 1..128, the FeatureList or FeatureText, the FM preset
// 0..24, the FmSetting, or the calibration value 0..17; column: a channel's table column.
struct FieldRef {
    FieldArea area = FieldArea::Band;
    int index = 0;
    int column = 0;
    friend bool operator==(const FieldRef&, const FieldRef&) = default;
};

// The channel table columns a comparison looks at, in the table's order (column 9 has no caption and
// holds nothing the radio stores).
inline constexpr int kComparedChannelColumns[] = {1, 2, 3, 4, 5, 6, 7, 8, 10, 11};

// The fields whose values differ, in the order of the windows: band, channels A1..B64 (columns left to
// right), the features page, VFO A and B fields as listed by the feature tables, FM settings and presets,
// calibration. Empty when the configurations mean the same.
std::vector<FieldRef> differingFields(const Configuration& a, const Configuration& b);

}  // namespace zrt

// FM broadcast presets and power calibration values between the images and the configuration.
#pragma once

#include "config/configuration.h"
#include "image/memory_image.h"

namespace zrt {

void decodeFm(const MemoryImage& in, Configuration& config);
void decodeCalibration(const MemoryImage& in, Configuration& config);

void encodeFmChannelsAndSettings(const Configuration& config, MemoryImage& out);  // channels, 0x7A0..0x7A2
void encodeFmVfo(const Configuration& config, MemoryImage& out);
void encodeCalibrationB(const Configuration& config, MemoryImage& out);
void encodeCalibrationA(const Configuration& config, MemoryImage& out);

}  // namespace zrt

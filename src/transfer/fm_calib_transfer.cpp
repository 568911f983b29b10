#include "transfer/fm_calib_transfer.h"

namespace zrt {

// Placeholders until the FM and calibration transfer lands.
void decodeFm(const MemoryImage&, Configuration&) {}
void decodeCalibration(const MemoryImage&, Configuration&) {}
void encodeFmChannelsAndSettings(const Configuration&, MemoryImage&) {}
void encodeFmVfo(const Configuration&, MemoryImage&) {}
void encodeCalibrationB(const Configuration&, MemoryImage&) {}
void encodeCalibrationA(const Configuration&, MemoryImage&) {}

}  // namespace zrt

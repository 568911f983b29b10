// Optional features, VFOs, power-on texts and the band between the images and the configuration.
#pragma once

#include "config/configuration.h"
#include "image/memory_image.h"

namespace zrt {

void decodeSettingsBytes(const MemoryImage& in, Configuration& config);  // 0x700..0x70F
void decodeBand(const MemoryImage& in, Configuration& config);           // 0x716
void decodeDisplayChars(const MemoryImage& in, Configuration& config);   // 0x718..0x71D
void decodeVfos(const MemoryImage& in, Configuration& config);           // A, then B
void decodePassword(const MemoryImage& in, Configuration& config);       // 0x740..0x743
void decodeReturnChannel(const MemoryImage& in, Configuration& config);  // 0x7A6

void encodeSettingsBytes(const Configuration& config, MemoryImage& out);
void encodeIdentification(MemoryImage& out);  // "MRV-PQ"
void encodeBand(const Configuration& config, MemoryImage& out);
void encodeDisplayChars(const Configuration& config, MemoryImage& out);
void encodeVfoA(const Configuration& config, MemoryImage& out);
void encodeVfoB(const Configuration& config, MemoryImage& out);
void encodePassword(const Configuration& config, MemoryImage& out);
void encodeReturnChannel(const Configuration& config, MemoryImage& out);

}  // namespace zrt

// The 128 channel records and names between the images and the channel records of the configuration.
#pragma once

#include "config/configuration.h"
#include "image/memory_image.h"

namespace zrt {

void decodeChannelRecords(const MemoryImage& in, Configuration& config);  // SetNumOf: the records
void decodeChannelNames(const MemoryImage& in, Configuration& config);
void encodeChannelRecords(const Configuration& config, MemoryImage& out);
void encodeChannelNames(const Configuration& config, MemoryImage& out);

}  // namespace zrt

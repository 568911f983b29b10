// The 128 channel records and names between the images and the per-channel store.
#pragma once

#include "config/configuration.h"
#include "image/memory_image.h"

namespace zrt {

void setNumOf(const MemoryImage& in, Configuration& config);      // records into the store
void decodeChannelNames(const MemoryImage& in, Configuration& config);
void encodeChannelRecords(const Configuration& config, MemoryImage& out);
void encodeChannelNames(const Configuration& config, MemoryImage& out);

}  // namespace zrt

// DecodeImage and EncodeImage: the whole-image transfers between the memory images and the configuration,
// in the program's fixed order of steps.
#pragma once

#include "config/configuration.h"
#include "image/address_map.h"
#include "image/memory_image.h"

namespace zrt {

// ImageIn into the editors (everything but the DTMF window). Selects the band stored in the image.
void decodeImage(const MemoryImage& imageIn, Configuration& config);
// The editors into ImageOut. Bytes the encode does not write (0x792..0x79F, 0xC00) keep their value.
void encodeImage(const Configuration& config, MemoryImage& imageOut);

// The reserved and filler bytes that the encode writes, region by region (a step of the encode each).
void encodeFill(MemoryImage& out, addr::Address first, addr::Address last, std::uint8_t value = 0xFF);

}  // namespace zrt

// Checking a write by reading the radio back: which blocks the write sent, and where the radio's memory
// differs from them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/memory_image.h"
#include "link/write_blocks.h"

namespace zrt {

// The addresses of the data blocks a write sends, in order (the link's block table).
using link::writtenBlocks;

struct BlockDifference {
    std::size_t block;    // the block's address
    std::size_t address;  // its first byte that differs
    std::uint8_t written;
    std::uint8_t read;
    friend bool operator==(const BlockDifference&, const BlockDifference&) = default;
};

struct WriteCheck {
    int blocksCompared = 0;
    std::vector<BlockDifference> differences;  // one per differing block, in block order
};

// Compares every block the write sent (ImageOut of the write) with the image read back. Only the radio's
// memory (0x000..0xBFF) is compared: the blocks past it carry no memory a read could return.
WriteCheck checkWrite(const MemoryImage& sent, const MemoryImage& readBack, bool calibWrite);

}  // namespace zrt

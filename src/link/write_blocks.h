// The data blocks of a write in the order it sends them: one table, walked by the write itself and by the
// check that reads the radio back afterwards.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace zrt::link {

struct WriteBlock {
    std::size_t address;
    // One of the two calibration blocks: sent only with CalibWrite; otherwise a lone acknowledgement takes
    // its turn, so the radio's exchange goes on without touching its calibration.
    bool calibration = false;
};

// One block per write step after the identification (WriteStep 3..195): 0x000..0x7B0, the calibration
// blocks 0x7E0 and 0x7F0, then 0x800..0xC20.
std::span<const WriteBlock> writeBlocks();

// The addresses of the blocks a write really sends, in order (the calibration blocks only with CalibWrite).
std::vector<std::size_t> writtenBlocks(bool calibWrite);

}  // namespace zrt::link

#include "link/write_blocks.h"

#include <array>

#include "image/address_map.h"
#include "link/frames.h"

namespace zrt::link {

namespace {

constexpr std::size_t kLastMainBlock = 0x7B0;
constexpr std::size_t kNamesStart = 0x800;
constexpr std::size_t kLastBlock = 0xC20;
constexpr std::size_t kBlockCount =
    (kLastMainBlock / kBlockSize + 1) + 2 + ((kLastBlock - kNamesStart) / kBlockSize + 1);

constexpr std::array<WriteBlock, kBlockCount> makeTable() {
    std::array<WriteBlock, kBlockCount> table{};
    std::size_t i = 0;
    for (std::size_t a = 0; a <= kLastMainBlock; a += kBlockSize)
        table[i++] = {a, false};
    table[i++] = {addr::kCalibB, true};
    table[i++] = {addr::kCalibA, true};
    for (std::size_t a = kNamesStart; a <= kLastBlock; a += kBlockSize)
        table[i++] = {a, false};
    return table;
}

constexpr std::array<WriteBlock, kBlockCount> kWriteBlocks = makeTable();
static_assert(kBlockCount == 193, "one block for each write step from 3 to 195");

}  // namespace

std::span<const WriteBlock> writeBlocks() {
    return kWriteBlocks;
}

std::vector<std::size_t> writtenBlocks(bool calibWrite) {
    std::vector<std::size_t> blocks;
    for (const WriteBlock& block : kWriteBlocks)
        if (calibWrite || !block.calibration) blocks.push_back(block.address);
    return blocks;
}

}  // namespace zrt::link

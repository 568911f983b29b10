#include "session/write_verification.h"

#include "image/address_map.h"
#include "link/frames.h"

namespace zrt {

namespace {
constexpr std::size_t kLastMainBlock = 0x7B0;
constexpr std::size_t kNamesStart = 0x800;
constexpr std::size_t kLastBlock = 0xC20;
}  // namespace

std::vector<std::size_t> writtenBlocks(bool calibWrite) {
    std::vector<std::size_t> blocks;
    for (std::size_t a = 0; a <= kLastMainBlock; a += link::kBlockSize)
        blocks.push_back(a);
    if (calibWrite) {
        blocks.push_back(addr::kCalibB);
        blocks.push_back(addr::kCalibA);
    }
    for (std::size_t a = kNamesStart; a <= kLastBlock; a += link::kBlockSize)
        blocks.push_back(a);
    return blocks;
}

WriteCheck checkWrite(const MemoryImage& sent, const MemoryImage& readBack, bool calibWrite) {
    WriteCheck check;
    for (std::size_t block : writtenBlocks(calibWrite)) {
        if (block >= addr::kRadioMemorySize) continue;
        ++check.blocksCompared;
        for (std::size_t a = block; a < block + link::kBlockSize && a < addr::kRadioMemorySize; ++a) {
            if (sent[a] != readBack[a]) {
                check.differences.push_back({block, a, sent[a], readBack[a]});
                break;
            }
        }
    }
    return check;
}

}  // namespace zrt

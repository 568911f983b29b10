#include "session/write_verification.h"

#include "image/address_map.h"
#include "link/frames.h"

namespace zrt {

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

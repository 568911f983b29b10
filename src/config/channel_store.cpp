#include "config/channel_store.h"

namespace zrt {

void ChannelStore::clearNo(int n) {
    if (n < 1 || n > kChannelCount) return;
    for (int k = 0; k < kListColumns; ++k) {
        listIndex[k][n - 1] = 0;
        itemText[k][n - 1].clear();
    }
    name[n - 1].clear();
    freq[0][n - 1].clear();
    freq[1][n - 1].clear();
}

void ChannelStore::clearGrid() {
    for (int n = 1; n <= kChannelCount; ++n) clearNo(n);
}

}  // namespace zrt

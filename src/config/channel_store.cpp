#include "config/channel_store.h"

namespace zrt {

int& Channel::position(ChannelList list) {
    switch (list) {
        case ChannelList::DecodeTone:
            return decodeTone.position;
        case ChannelList::EncodeTone:
            return encodeTone.position;
        case ChannelList::Power:
            return power;
        case ChannelList::BusyLock:
            return busyLock;
        case ChannelList::Scan:
            return scan;
        case ChannelList::Bandwidth:
            return bandwidth;
        case ChannelList::Hidden:
            return hidden;
        case ChannelList::Scramble:
            break;
    }
    return scramble;
}

int Channel::position(ChannelList list) const {
    return const_cast<Channel&>(*this).position(list);
}

void ChannelStore::clearChannel(int n) {
    if (n < 1 || n > kChannelCount) return;
    records[static_cast<std::size_t>(n - 1)] = Channel{};
}

void ChannelStore::clearAll() {
    for (int n = 1; n <= kChannelCount; ++n)
        clearChannel(n);
}

}  // namespace zrt

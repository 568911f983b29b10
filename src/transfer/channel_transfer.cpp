#include "transfer/channel_transfer.h"

#include <array>

#include "config/channel_lists.h"
#include "image/address_map.h"
#include "image/codecs.h"
#include "image/tone_list.h"

namespace zrt {

namespace {

constexpr std::uint8_t kEmpty = 0xFF;
// Marks a decoded tone in ChannelListIndex: the tone itself is the item text, which need not be in the list.
constexpr int kDecodedTone = 255;

// The flag bit of each list column 5..10 in byte 12; bits 1 and 7 are not carried.
constexpr std::array<int, kLastListColumn - kFirstListColumn + 1> kFlagBits{0, 2, 3, 4, 5, 6};

constexpr std::size_t kRxOffset = 0;
constexpr std::size_t kTxOffset = 4;
constexpr std::array<std::size_t, 2> kToneOffsets{8, 10};
constexpr std::size_t kFlagsOffset = 12;

void decodeRecord(const MemoryImage& in, int n, Configuration& config) {
    ChannelStore& store = config.channels;
    const int i = n - 1;
    const addr::Address base = addr::channelRecord(n);
    if (in[base + kRxOffset] == kEmpty) {
        store.freq[0][i].clear();
        store.clearNo(n);
        return;
    }
    store.freq[0][i] = codec::decodeFrequency(in, base + kRxOffset);
    store.freq[1][i] =
        in[base + kTxOffset] == kEmpty ? std::string() : codec::decodeFrequency(in, base + kTxOffset);
    for (int t = 0; t < 2; ++t) {
        const addr::Address at = base + kToneOffsets[t];
        if (in[at] != kEmpty) {
            store.itemText[t][i] = codec::toneText(in[at], in[at + 1]);
            store.listIndex[t][i] = kDecodedTone;
        } else {
            store.itemText[t][i] = toneListItem(0, config.languageIndex);
            store.listIndex[t][i] = 0;
        }
    }
    const std::uint8_t flags = in[base + kFlagsOffset];
    for (int column = kFirstListColumn; column <= kLastListColumn; ++column) {
        const int v = codec::bitsOf(flags, kFlagBits[column - kFirstListColumn], 1);
        store.listIndex[column - 3][i] = v;
        store.itemText[column - 3][i] = channelListItem(column, v, config.languageIndex);
    }
}

void encodeRecord(const ChannelStore& store, int n, MemoryImage& out) {
    const int i = n - 1;
    const addr::Address base = addr::channelRecord(n);
    if (store.freq[0][i].empty()) {
        for (std::size_t k = 0; k < addr::kChannelRecordSize; ++k)
            out.set(base + k, kEmpty);
        return;
    }
    codec::encodeFrequency(store.freq[0][i], out, base + kRxOffset);
    if (store.freq[1][i].empty()) {
        for (std::size_t k = 0; k < 4; ++k)
            out.set(base + kTxOffset + k, kEmpty);
    } else {
        codec::encodeFrequency(store.freq[1][i], out, base + kTxOffset);
    }
    for (int t = 0; t < 2; ++t)
        codec::encodeTone(store.listIndex[t][i] == 0, store.itemText[t][i], out, base + kToneOffsets[t]);
    int flags = 0;
    for (int column = kFirstListColumn; column <= kLastListColumn; ++column)
        flags += store.listIndex[column - 3][i] * (1 << kFlagBits[column - kFirstListColumn]);
    // A position the lists cannot hold may overflow the byte; the byte then keeps what it had.
    if (flags >= 0 && flags <= 0xFF) out.set(base + kFlagsOffset, static_cast<std::uint8_t>(flags));
}

}  // namespace

void setNumOf(const MemoryImage& in, Configuration& config) {
    for (int n = 1; n <= addr::kChannelCount; ++n)
        decodeRecord(in, n, config);
}

void decodeChannelNames(const MemoryImage& in, Configuration& config) {
    for (int n = 1; n <= addr::kChannelCount; ++n)
        config.channels.name[n - 1] = codec::decodeName(in, addr::channelName(n));
}

void encodeChannelRecords(const Configuration& config, MemoryImage& out) {
    for (int n = 1; n <= addr::kChannelCount; ++n)
        encodeRecord(config.channels, n, out);
}

void encodeChannelNames(const Configuration& config, MemoryImage& out) {
    for (int n = 1; n <= addr::kChannelCount; ++n)
        codec::encodeName(config.channels.name[n - 1], out, addr::channelName(n));
}

}  // namespace zrt

#include "mapping/channel_transfer.h"

#include <array>

#include "config/channel_lists.h"
#include "image/address_map.h"
#include "image/codecs.h"
#include "image/tone_list.h"

namespace zrt {

namespace {

constexpr std::uint8_t kEmpty = 0xFF;
// The position of a tone read from a radio: the tone itself is its text, which need not be in the list.
constexpr int kDecodedTone = 255;

// The flag bit of each list of kFlagLists in byte 12; bits 1 and 7 are not carried.
constexpr std::array<int, kFlagLists.size()> kFlagBits{0, 2, 3, 4, 5, 6};

constexpr std::size_t kRxOffset = 0;
constexpr std::size_t kTxOffset = 4;
constexpr std::array<std::size_t, 2> kToneOffsets{8, 10};
constexpr std::size_t kFlagsOffset = 12;

void decodeRecord(const MemoryImage& in, int n, Configuration& config) {
    ChannelStore& store = config.channels;
    const addr::Address base = addr::channelRecord(n);
    if (in[base + kRxOffset] == kEmpty) {
        store.clearChannel(n);
        return;
    }
    Channel& channel = store[static_cast<std::size_t>(n - 1)];
    channel.rxFrequency = codec::decodeFrequency(in, base + kRxOffset);
    channel.txFrequency =
        in[base + kTxOffset] == kEmpty ? std::string() : codec::decodeFrequency(in, base + kTxOffset);
    for (int t = 0; t < 2; ++t) {
        const addr::Address at = base + kToneOffsets[static_cast<std::size_t>(t)];
        ToneChoice& tone = t == 0 ? channel.decodeTone : channel.encodeTone;
        if (in[at] != kEmpty)
            tone = {kDecodedTone, codec::toneText(in[at], in[at + 1])};
        else
            tone = {};
    }
    const std::uint8_t flags = in[base + kFlagsOffset];
    for (std::size_t k = 0; k < kFlagLists.size(); ++k)
        channel.position(kFlagLists[k]) = codec::bitsOf(flags, kFlagBits[k], 1);
}

void encodeRecord(const ChannelStore& store, int n, MemoryImage& out) {
    const Channel& channel = store[static_cast<std::size_t>(n - 1)];
    const addr::Address base = addr::channelRecord(n);
    if (channel.isEmpty()) {
        for (std::size_t k = 0; k < addr::kChannelRecordSize; ++k)
            out.set(base + k, kEmpty);
        return;
    }
    codec::encodeFrequency(channel.rxFrequency, out, base + kRxOffset);
    if (channel.txFrequency.empty()) {
        for (std::size_t k = 0; k < 4; ++k)
            out.set(base + kTxOffset + k, kEmpty);
    } else {
        codec::encodeFrequency(channel.txFrequency, out, base + kTxOffset);
    }
    for (int t = 0; t < 2; ++t) {
        const ToneChoice& tone = t == 0 ? channel.decodeTone : channel.encodeTone;
        codec::encodeTone(tone.position == 0, tone.text, out,
                          base + kToneOffsets[static_cast<std::size_t>(t)]);
    }
    int flags = 0;
    for (std::size_t k = 0; k < kFlagLists.size(); ++k)
        flags += channel.position(kFlagLists[k]) * (1 << kFlagBits[k]);
    // A position the lists cannot hold may overflow the byte; the byte then keeps what it had.
    if (flags >= 0 && flags <= 0xFF) out.set(base + kFlagsOffset, static_cast<std::uint8_t>(flags));
}

}  // namespace

void decodeChannelRecords(const MemoryImage& in, Configuration& config) {
    for (int n = 1; n <= addr::kChannelCount; ++n)
        decodeRecord(in, n, config);
}

void decodeChannelNames(const MemoryImage& in, Configuration& config) {
    for (int n = 1; n <= addr::kChannelCount; ++n)
        config.channels[static_cast<std::size_t>(n - 1)].name = codec::decodeName(in, addr::channelName(n));
}

void encodeChannelRecords(const Configuration& config, MemoryImage& out) {
    for (int n = 1; n <= addr::kChannelCount; ++n)
        encodeRecord(config.channels, n, out);
}

void encodeChannelNames(const Configuration& config, MemoryImage& out) {
    for (int n = 1; n <= addr::kChannelCount; ++n)
        codec::encodeName(config.channels[static_cast<std::size_t>(n - 1)].name, out, addr::channelName(n));
}

}  // namespace zrt

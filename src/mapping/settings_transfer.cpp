#include "mapping/settings_transfer.h"

#include <cmath>
#include <optional>

#include "config/feature_rules.h"
#include "image/address_map.h"
#include "image/codecs.h"
#include "image/tone_list.h"
#include "mapping/image_transfer.h"
#include "mapping/settings_layout.h"

namespace zrt {

namespace {

using addr::Address;

bool inRange(Address a, Address first, Address last) {
    return a >= first && a <= last;
}

// A position that the list does not have leaves the field as it was.
void setPosition(Features& f, FeatureList field, int position) {
    if (position >= 0 && position < featureListInfo(field).count) f[field] = position;
}

std::optional<std::uint8_t> positionByte(const Features& f, FeatureList field) {
    const int p = f[field];
    if (p < 0 || p > 0xFF) return std::nullopt;
    return static_cast<std::uint8_t>(p);
}

// ---- Walkers over the layout tables, each limited to one address range ------------------------------

void decodeListBytes(const MemoryImage& in, Features& f, Address first, Address last) {
    for (const layout::ListByte& b : layout::kListBytes) {
        if (!inRange(b.at, first, last)) continue;
        const int v = in[b.at];
        setPosition(f, b.field, v > b.decodeLimit ? b.fallback : v);
    }
}

void encodeListBytes(const Features& f, MemoryImage& out, Address first, Address last) {
    for (const layout::ListByte& b : layout::kListBytes) {
        if (!inRange(b.at, first, last)) continue;
        if (const auto v = positionByte(f, b.field)) out.set(b.at, *v);
    }
}

void decodeNumberBytes(const MemoryImage& in, Features& f, Address first, Address last) {
    for (const layout::NumberByte& b : layout::kNumberBytes) {
        if (!inRange(b.at, first, last)) continue;
        const int v = in[b.at];
        // Writing a channel number runs the box's change check, as typing does.
        f.*b.text = v > b.decodeLimit ? std::string() : channelNumberChange(std::to_string(v));
    }
}

void encodeNumberBytes(const Features& f, MemoryImage& out, Address first, Address last) {
    for (const layout::NumberByte& b : layout::kNumberBytes) {
        if (!inRange(b.at, first, last)) continue;
        const std::string& text = f.*b.text;
        if (text.empty()) {
            out.set(b.at, b.emptyByte);
            continue;
        }
        const std::string number(leadingNumberText(text));
        const double v = std::nearbyint(codec::parseNumber(number).value_or(0.0));
        if (v >= 0 && v <= 0xFF) out.set(b.at, static_cast<std::uint8_t>(v));  // else the byte stays
    }
}

void decodePacked(const MemoryImage& in, Features& f, Address first, Address last) {
    for (const layout::PackedField& p : layout::kPackedFields) {
        if (!inRange(p.at, first, last)) continue;
        const std::uint8_t byte = in[p.at];
        if (byte < p.decodeFrom) continue;
        const int v = codec::bitsOf(byte, p.lowBit, p.width);
        if (p.check)
            f.*p.check = v != 0;
        else
            setPosition(f, p.field, v);
    }
}

void encodePacked(const Features& f, MemoryImage& out, Address first, Address last) {
    for (const Address at : layout::kPackedBytes) {
        if (!inRange(at, first, last)) continue;
        unsigned byte = 0;
        for (const layout::ConstantBits& c : layout::kConstantBits)
            if (c.at == at) byte |= c.value & c.mask;
        for (const layout::PackedField& p : layout::kPackedFields) {
            if (p.at != at) continue;
            const unsigned v = p.check ? (f.*p.check ? 1u : 0u) : static_cast<unsigned>(f[p.field]);
            byte |= (v & ((1u << p.width) - 1u)) << p.lowBit;
        }
        out.set(at, static_cast<std::uint8_t>(byte));
    }
}

// ---- VFO texts --------------------------------------------------------------------------------------

// "005.00000" shows as "5.00000". A text that is not a number (bytes that are not BCD) is refused.
std::optional<std::string> offsetText(const std::string& stored) {
    if (!codec::parseNumber(stored)) return std::nullopt;
    std::size_t zeros = 0;
    while (zeros + 1 < stored.size() && stored[zeros] == '0' && stored[zeros + 1] != '.')
        ++zeros;
    return stored.substr(zeros);
}

// The stored form of an offset: three integer digits and five decimals; nothing when it does not fit.
std::optional<std::string> offsetStored(const std::string& text) {
    if (!codec::parseNumber(text)) return std::nullopt;
    std::optional<std::string> s = codec::formatFixed5(std::string_view(text));
    if (!s) return std::nullopt;
    const std::size_t point = s->find('.');
    if (point == std::string::npos || point > 3 || s->find_first_not_of("0123456789.") != std::string::npos)
        return std::nullopt;
    s->insert(0, 3 - point, '0');
    return s;
}

void decodeVfo(const MemoryImage& in, Features& f, const layout::VfoRecord& vfo) {
    f.*vfo.frequency = codec::decodeFrequency(in, vfo.record + addr::kVfoFrequency);
    if (auto offset = offsetText(codec::decodeFrequency(in, vfo.record + addr::kVfoOffset)))
        f.*vfo.offset = *offset;
    setPosition(f, vfo.decodeTone, toneListIndex(codec::decodeTone(in, vfo.record + addr::kVfoDecodeTone)));
    setPosition(f, vfo.encodeTone, toneListIndex(codec::decodeTone(in, vfo.record + addr::kVfoEncodeTone)));
    const Address last = vfo.record + addr::kVfoReserved15;
    decodePacked(in, f, vfo.record, last);
    decodeListBytes(in, f, vfo.record, last);
}

void encodeTone(const Features& f, FeatureList field, MemoryImage& out, Address at) {
    const int p = f[field];
    if (p < 0 || p >= kToneListSize) return;
    codec::encodeTone(p == 0, toneListItem(p, kEnglish), out, at);
}

void encodeVfo(const Features& f, const layout::VfoRecord& vfo, MemoryImage& out) {
    codec::encodeFrequency(f.*vfo.frequency, out, vfo.record + addr::kVfoFrequency);
    if (auto offset = offsetStored(f.*vfo.offset))
        codec::encodeFrequency(*offset, out, vfo.record + addr::kVfoOffset);
    encodeTone(f, vfo.decodeTone, out, vfo.record + addr::kVfoDecodeTone);
    encodeTone(f, vfo.encodeTone, out, vfo.record + addr::kVfoEncodeTone);
    const Address last = vfo.record + addr::kVfoReserved15;
    encodePacked(f, out, vfo.record, last);
    encodeListBytes(f, out, vfo.record, last);
    out.set(vfo.record + addr::kVfoReserved13, 0xFF);
    out.set(vfo.record + addr::kVfoReserved15, 0xFF);
}

void decodeChars(const MemoryImage& in, Features& f, const layout::CharField& c) {
    f.*c.text = codec::decodeCharField(in, c.at, c.size);
}

void encodeChars(const Features& f, const layout::CharField& c, MemoryImage& out) {
    codec::encodeCharField(f.*c.text, out, c.at, c.size);
}

constexpr Address kSettingsLast = addr::kTimeOutTimer;

}  // namespace

void decodeSettingsBytes(const MemoryImage& in, Configuration& config) {
    decodeListBytes(in, config.features, addr::kSettings, kSettingsLast);
    decodeNumberBytes(in, config.features, addr::kSettings, kSettingsLast);
    decodePacked(in, config.features, addr::kSettings, kSettingsLast);
}

void decodeBand(const MemoryImage& in, Configuration& config) {
    int v = in[addr::kBand];
    if (v >= kBandCount) v = 0;
    // CurrentBand first, so selecting the band asks nothing and clears no channel.
    config.band.current = v;
    config.band.listIndex = v;
    setBand(config, v);
}

void decodeDisplayChars(const MemoryImage& in, Configuration& config) {
    decodeChars(in, config.features, layout::kDisplayChars);
}

void decodeVfos(const MemoryImage& in, Configuration& config) {
    for (const layout::VfoRecord& vfo : layout::kVfos)
        decodeVfo(in, config.features, vfo);
}

void decodePassword(const MemoryImage& in, Configuration& config) {
    decodeChars(in, config.features, layout::kPassword);
}

void decodeReturnChannel(const MemoryImage& in, Configuration& config) {
    decodeListBytes(in, config.features, addr::kReturnChannel, addr::kReturnChannel);
}

void encodeSettingsBytes(const Configuration& config, MemoryImage& out) {
    encodeListBytes(config.features, out, addr::kSettings, kSettingsLast);
    encodeNumberBytes(config.features, out, addr::kSettings, kSettingsLast);
    encodePacked(config.features, out, addr::kSettings, kSettingsLast);
}

void encodeIdentification(MemoryImage& out) {
    static constexpr char kIdent[] = "MRV-PQ";
    for (std::size_t i = 0; i < addr::kIdentificationSize; ++i)
        out.set(addr::kIdentification + i, static_cast<std::uint8_t>(kIdent[i]));
}

void encodeBand(const Configuration& config, MemoryImage& out) {
    const int band = config.band.listIndex;
    if (band >= 0 && band < kBandCount) out.set(addr::kBand, static_cast<std::uint8_t>(band));
}

void encodeDisplayChars(const Configuration& config, MemoryImage& out) {
    encodeChars(config.features, layout::kDisplayChars, out);
}

void encodeVfoA(const Configuration& config, MemoryImage& out) {
    encodeVfo(config.features, layout::kVfos[0], out);
}
void encodeVfoB(const Configuration& config, MemoryImage& out) {
    encodeVfo(config.features, layout::kVfos[1], out);
}

void encodePassword(const Configuration& config, MemoryImage& out) {
    encodeChars(config.features, layout::kPassword, out);
}

void encodeReturnChannel(const Configuration& config, MemoryImage& out) {
    encodeListBytes(config.features, out, addr::kReturnChannel, addr::kReturnChannel);
}

}  // namespace zrt

// Over many generated images whose fields hold values the editors can hold, every byte that the decode reads
// and the encode writes from the same field comes back unchanged after one decode and encode: a read that is
// written back, or a file opened and saved, gives the radio its own values. The field byte ranges are listed
// once below; the rest of the image is accounted for by the filler and constant bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "config/configuration.h"
#include "image/address_map.h"
#include "image/tone_list.h"
#include "mapping/image_transfer.h"
#include "support/generators.h"

namespace zrt {
namespace {

using addr::Address;

struct FieldBytes {
    std::string field;
    Address first, last;
    std::uint8_t mask = 0xFF;  // the bits of each byte that belong to fields the decode reads
};

// Every byte (or bit) of the image that carries an editor's value.
std::vector<FieldBytes> fieldBytes() {
    std::vector<FieldBytes> f;
    for (int n = 1; n <= addr::kChannelCount; ++n) {
        const Address r = addr::channelRecord(n);
        const std::string ch = "channel " + std::to_string(n);
        f.push_back({ch + " receive frequency", r, r + 3});
        f.push_back({ch + " transmit frequency", r + 4, r + 7});
        f.push_back({ch + " decode tone", r + 8, r + 9});
        f.push_back({ch + " encode tone", r + 10, r + 11});
        f.push_back({ch + " flags", r + 12, r + 12, 0x7D});  // bits 1 and 7 are not carried
        f.push_back({ch + " name", addr::channelName(n), addr::channelName(n) + addr::kNameSize - 1});
    }
    for (Address a :
         {addr::kADisplayMode, addr::kBSquelch, addr::kAStep, addr::kBDisplayMode, addr::kASquelch,
          addr::kAChannelNumber, addr::kPacked706, addr::kPacked707, addr::kPowerOnMode,
          addr::kMemoryDisplayMode, addr::kBChannelNumber, addr::kApo, addr::kBStep, addr::kTimeOutTimer})
        f.push_back({"settings byte " + std::to_string(a), a, a});
    f.push_back({"VOX and Check13", addr::kPacked708, addr::kPacked708, 0xFD});
    f.push_back({"self-named channels", addr::kPacked70E, addr::kPacked70E, 0x03});
    f.push_back({"band", addr::kBand, addr::kBand});
    f.push_back(
        {"display characters", addr::kDisplayChars, addr::kDisplayChars + addr::kDisplayCharsSize - 1});
    for (Address v : {addr::kVfoA, addr::kVfoB}) {
        const std::string vfo = v == addr::kVfoA ? "VFO A " : "VFO B ";
        f.push_back({vfo + "frequency", v + addr::kVfoFrequency, v + addr::kVfoFrequency + 3});
        f.push_back({vfo + "offset", v + addr::kVfoOffset, v + addr::kVfoOffset + 3});
        f.push_back({vfo + "decode tone", v + addr::kVfoDecodeTone, v + addr::kVfoDecodeTone + 1});
        f.push_back({vfo + "encode tone", v + addr::kVfoEncodeTone, v + addr::kVfoEncodeTone + 1});
        f.push_back({vfo + "flags", v + addr::kVfoFlags, v + addr::kVfoFlags, 0x3D});
        f.push_back({vfo + "offset direction", v + addr::kVfoOffsetDirection, v + addr::kVfoOffsetDirection});
    }
    f.push_back({"password", addr::kPassword, addr::kPassword + addr::kPasswordSize - 1});
    f.push_back({"FM channels", addr::fmChannel(1), addr::fmChannel(addr::kFmChannelCount) + 1});
    f.push_back({"FM start channel", addr::kFmStartChannel, addr::kFmStartChannel});
    f.push_back({"FM display mode", addr::kFmDisplayMode, addr::kFmDisplayMode});
    f.push_back({"FM step", addr::kFmStep, addr::kFmStep});
    f.push_back({"FM VFO", addr::kFmVfo, addr::kFmVfo + 1});
    f.push_back({"return channel", addr::kReturnChannel, addr::kReturnChannel});
    for (const addr::CalibSlot& s : addr::kCalibSlots)
        f.push_back({"calibration " + std::to_string(s.index), s.address, s.address});
    return f;
}

// What the encode writes whatever the editors hold.
struct ConstantBytes {
    Address first, last;
    std::uint8_t mask, value;
};
const std::vector<ConstantBytes> kConstants = {
    {addr::kReserved680, addr::kReserved680End, 0xFF, 0xFF},
    {addr::kIdentification + 0, addr::kIdentification + 0, 0xFF, 'M'},
    {addr::kIdentification + 1, addr::kIdentification + 1, 0xFF, 'R'},
    {addr::kIdentification + 2, addr::kIdentification + 2, 0xFF, 'V'},
    {addr::kIdentification + 3, addr::kIdentification + 3, 0xFF, '-'},
    {addr::kIdentification + 4, addr::kIdentification + 4, 0xFF, 'P'},
    {addr::kIdentification + 5, addr::kIdentification + 5, 0xFF, 'Q'},
    {addr::kReserved717, addr::kReserved717, 0xFF, 0xFF},
    {addr::kReserved71E, addr::kReserved71F, 0xFF, 0xFF},
    {addr::kPacked708, addr::kPacked708, 0x02, 0x02},
    {addr::kPacked70E, addr::kPacked70E, 0xFC, 0xFC},
    {addr::kVfoA + addr::kVfoFlags, addr::kVfoA + addr::kVfoFlags, 0x02, 0x00},
    {addr::kVfoB + addr::kVfoFlags, addr::kVfoB + addr::kVfoFlags, 0xC2, 0xC0},
    {addr::kVfoA + addr::kVfoReserved13, addr::kVfoA + addr::kVfoReserved13, 0xFF, 0xFF},
    {addr::kVfoA + addr::kVfoReserved15, addr::kVfoA + addr::kVfoReserved15, 0xFF, 0xFF},
    {addr::kVfoB + addr::kVfoReserved13, addr::kVfoB + addr::kVfoReserved13, 0xFF, 0xFF},
    {addr::kVfoB + addr::kVfoReserved15, addr::kVfoB + addr::kVfoReserved15, 0xFF, 0xFF},
    {addr::kReserved744, addr::kReserved744End, 0xFF, 0xFF},
    {addr::kReserved7A3, addr::kReserved7A3, 0xFF, 0xFF},
    {addr::kReserved7A7, addr::kReserved7A7End, 0xFF, 0xFF},
    {addr::kReserved7E9, addr::kReserved7E9End, 0xFF, 0xFF},
    {addr::kReserved7F9, addr::kReserved7F9End, 0xFF, 0xFF},
};

// Bits that the decode does not read and whose value depends on more than the encode's constants: the flag
// bits 1 and 7 of a channel (0 in a used channel, 1 in an empty one), the A-VFO scramble and companding bits
// (written from fields that the decode never sets), and bytes the encode never writes.
std::vector<ConstantBytes> otherBits() {
    std::vector<ConstantBytes> o;
    for (int n = 1; n <= addr::kChannelCount; ++n)
        o.push_back({addr::channelRecord(n) + 12, addr::channelRecord(n) + 12, 0x82, 0});
    o.push_back({addr::kVfoA + addr::kVfoFlags, addr::kVfoA + addr::kVfoFlags, 0xC0, 0});
    o.push_back({addr::kUntouched792, addr::kUntouched792End, 0xFF, 0});
    return o;
}

TEST(FieldRoundTrip, TheTablesAccountForEveryBitOfTheRadiosMemory) {
    std::vector<unsigned> covered(addr::kRadioMemorySize, 0);
    auto mark = [&](Address first, Address last, std::uint8_t mask, const std::string& what) {
        for (Address a = first; a <= last; ++a) {
            ASSERT_LT(a, covered.size()) << what;
            ASSERT_EQ(covered[a] & mask, 0u) << what << " overlaps at " << a;
            covered[a] |= mask;
        }
    };
    for (const FieldBytes& f : fieldBytes())
        mark(f.first, f.last, f.mask, f.field);
    for (const ConstantBytes& c : kConstants)
        mark(c.first, c.last, c.mask, "constant at " + std::to_string(c.first));
    for (const ConstantBytes& c : otherBits())
        mark(c.first, c.last, c.mask, "other bits at " + std::to_string(c.first));
    for (Address a = 0; a < covered.size(); ++a)
        ASSERT_EQ(covered[a], 0xFFu) << "address " << a;
}

// ---- Images of values the editors can hold ---------------------------------------------------------------

using testing_support::bcd;
using testing_support::encoded;

class Generator {
  public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool chance(int percent) { return pick(0, 99) < percent; }

    MemoryImage image() {
        MemoryImage m;
        for (auto& b : m.bytes())
            b = static_cast<std::uint8_t>(pick(0, 255));  // fillers and unused bytes: anything
        const int band = pick(0, kBandCount - 1);
        m.set(addr::kBand, static_cast<std::uint8_t>(band));
        const BandLimits& limits = kBands[static_cast<std::size_t>(band)].limits;
        for (int n = 1; n <= addr::kChannelCount; ++n)
            channel(m, n, limits);
        settings(m);
        for (Address v : {addr::kVfoA, addr::kVfoB})
            vfo(m, v, limits);
        text(m, addr::kDisplayChars, addr::kDisplayCharsSize, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ*#-");
        text(m, addr::kPassword, addr::kPasswordSize, "0123456789");
        fm(m);
        for (const addr::CalibSlot& s : addr::kCalibSlots)
            m.set(s.address, static_cast<std::uint8_t>(pick(0, 255)));
        for (auto [at, flip] : flips_)
            m.set(at, static_cast<std::uint8_t>(m[at] ^ flip));
        flips_.clear();
        return m;
    }

  private:
    // A frequency inside the band on the 5 kHz or the 6.25 kHz raster, in units of 10 Hz.
    long frequency(const BandLimits& l) {
        const bool a = chance(50);
        const long mhz = pick(a ? l.aLow : l.bLow, (a ? l.aHigh : l.bHigh) - 1);
        const long step = chance(50) ? 500 : 625;
        return mhz * 100000 + step * pick(0, static_cast<int>(99999 / step));
    }

    static void putFrequency(MemoryImage& m, Address at, long units) {
        for (int i = 0; i < 4; ++i, units /= 100)
            m.set(at + static_cast<Address>(i), bcd(static_cast<int>(units % 100)));
    }

    // A tone of the tone list in its two bytes, low byte first, worked out from the item's text.
    void tone(MemoryImage& m, Address at) {
        const int p = pick(0, kToneListSize - 1);
        if (p == 0) {
            m.set(at, 0xFF);
            m.set(at + 1, 0xFF);
            return;
        }
        const std::string t = toneListItem(p, kEnglish);
        if (t[0] == 'D') {
            m.set(at, static_cast<std::uint8_t>((t[2] - '0') * 16 + (t[3] - '0')));
            m.set(at + 1, static_cast<std::uint8_t>((t.back() == 'N' ? 0x80 : 0xC0) + (t[1] - '0')));
        } else {
            const int tenths = static_cast<int>(std::lround(std::stod(t) * 10));
            m.set(at, bcd(tenths % 100));
            m.set(at + 1, bcd(tenths / 100));
        }
    }

    void channel(MemoryImage& m, int n, const BandLimits& limits) {
        const Address r = addr::channelRecord(n);
        name(m, addr::channelName(n));  // an empty channel keeps its name too
        if (chance(25)) {
            for (Address a = r; a < r + addr::kChannelRecordSize; ++a)
                m.set(a, 0xFF);
            return;
        }
        putFrequency(m, r, frequency(limits));
        if (chance(20)) {
            for (Address a = r + 4; a < r + 8; ++a)
                m.set(a, 0xFF);
        } else {
            putFrequency(m, r + 4, frequency(limits));
        }
        tone(m, r + 8);
        tone(m, r + 10);
        m.set(r + 12, static_cast<std::uint8_t>(pick(0, 255) & 0x7D));
    }

    // Up to eight characters (the editor admits six, a radio may hold eight), 0xFF after them; eight 0x00
    // bytes when empty.
    void name(MemoryImage& m, Address at) {
        const int length = pick(0, 8);
        for (int k = 0; k < 8; ++k) {
            std::uint8_t c = length == 0 ? 0x00 : 0xFF;
            if (k < length) c = static_cast<std::uint8_t>(pick(35, 96));
            m.set(at + static_cast<Address>(k), c);
        }
    }

    void text(MemoryImage& m, Address at, std::size_t size, std::string_view allowed) {
        const int length = pick(0, static_cast<int>(size));
        for (std::size_t k = 0; k < size; ++k) {
            const auto c = static_cast<std::size_t>(pick(0, static_cast<int>(allowed.size()) - 1));
            m.set(at + k, static_cast<int>(k) < length ? static_cast<std::uint8_t>(allowed[c]) : 0xFF);
        }
    }

    // A list position the list offers and the decode takes as it is.
    std::uint8_t position(FeatureList f, int decodeLimit = 255) {
        return static_cast<std::uint8_t>(pick(0, std::min(featureListInfo(f).count - 1, decodeLimit)));
    }

    void settings(MemoryImage& m) {
        using FL = FeatureList;
        m.set(addr::kADisplayMode, position(FL::ADisplayMode, 3));
        m.set(addr::kBSquelch, position(FL::BSquelch, 9));
        m.set(addr::kAStep, position(FL::AStep, 7));
        m.set(addr::kBDisplayMode, position(FL::BDisplayMode, 1));
        m.set(addr::kASquelch, position(FL::ASquelch, 9));
        m.set(addr::kAChannelNumber, chance(20) ? 0xFF : static_cast<std::uint8_t>(pick(1, 64)));
        m.set(addr::kPowerOnMode, position(FL::PowerOnMode, 2));
        m.set(addr::kMemoryDisplayMode, position(FL::MemoryDisplayMode, 1));
        m.set(addr::kBChannelNumber, static_cast<std::uint8_t>(pick(0, 64)));  // 0: empty
        m.set(addr::kApo, position(FL::AutoPowerOff, 15));
        m.set(addr::kBStep, position(FL::BStep, 7));
        m.set(addr::kTimeOutTimer, position(FL::TimeOutTimer, 7));
        m.set(addr::kPacked706, static_cast<std::uint8_t>(pick(0, 255)));
        m.set(addr::kPacked707, static_cast<std::uint8_t>(position(FL::KeyLockMode, 3) + 4 * pick(0, 15) +
                                                          64 * position(FL::LampMode, 3)));
        m.set(addr::kPacked708,
              static_cast<std::uint8_t>(pick(0, 1) + 2 + 4 * pick(0, 1) + 8 * position(FL::VoxDelay, 3) +
                                        32 * position(FL::VoxGain, 7)));
        m.set(addr::kPacked70E, static_cast<std::uint8_t>(0xFC + pick(0, 3)));
        m.set(addr::kReturnChannel, position(FL::ReturnChannel, 1));
        // A radio may hold other values in the bits the encode writes as constants; the fields beside them
        // must come through all the same. 0x70E stays at two hexadecimal digits, as radios keep it.
        for (auto [at, flip] : {std::pair{addr::kPacked708, 0x02},
                                {addr::kPacked70E, 0xEC},
                                {addr::kVfoA + addr::kVfoFlags, 0x02},
                                {addr::kVfoB + addr::kVfoFlags, 0xC2}})
            if (chance(50)) flips_.push_back({at, static_cast<std::uint8_t>(flip)});
    }

    std::vector<std::pair<Address, std::uint8_t>> flips_;

    void vfo(MemoryImage& m, Address v, const BandLimits& limits) {
        putFrequency(m, v + addr::kVfoFrequency, frequency(limits));
        putFrequency(m, v + addr::kVfoOffset, 500L * pick(0, 9999 * 2));  // 0 to 99.995 MHz
        tone(m, v + addr::kVfoDecodeTone);
        tone(m, v + addr::kVfoEncodeTone);
        const int flags = pick(0, 255) & 0x3D;
        m.set(v + addr::kVfoFlags, static_cast<std::uint8_t>(v == addr::kVfoB ? flags | 0xC0 : flags));
        m.set(v + addr::kVfoOffsetDirection, position(v == addr::kVfoA ? FeatureList::VfoAOffsetDirection
                                                                       : FeatureList::VfoBOffsetDirection));
    }

    // 87.0 to 107.9 MHz on the 0.1 MHz raster, or empty.
    void fmFrequency(MemoryImage& m, Address at) {
        const int v = chance(20) ? 0xFFFF : pick(0, 209);
        m.set(at, static_cast<std::uint8_t>(v >> 8));
        m.set(at + 1, static_cast<std::uint8_t>(v & 0xFF));
    }

    void fm(MemoryImage& m) {
        for (int k = 1; k <= addr::kFmChannelCount; ++k)
            fmFrequency(m, addr::fmChannel(k));
        m.set(addr::kFmStartChannel, static_cast<std::uint8_t>(pick(1, kFmChannels)));
        m.set(addr::kFmDisplayMode, static_cast<std::uint8_t>(pick(0, kFmDisplayModeCount - 1)));
        m.set(addr::kFmStep, static_cast<std::uint8_t>(pick(0, kFmStepCount - 1)));
        fmFrequency(m, addr::kFmVfo);
    }

    std::mt19937 rng_;
};

// The field bytes come back, the constants are written, and the bytes the encode never writes keep what an
// earlier encode left there.
TEST(FieldRoundTrip, EveryFieldByteSurvivesADecodeAndAnEncode) {
    const std::vector<FieldBytes> fields = fieldBytes();
    Generator generate(20261206);
    for (int i = 0; i < 400; ++i) {
        const MemoryImage in = generate.image();
        const int language = i % 2 == 0 ? kEnglish : kChinese;
        Configuration config = startConfiguration();
        config.languageIndex = language;
        decodeImage(in, config);
        MemoryImage out;
        out.fill(static_cast<std::uint8_t>(i));
        encodeImage(config, out);
        for (const FieldBytes& f : fields)
            for (Address a = f.first; a <= f.last; ++a)
                ASSERT_EQ(out[a] & f.mask, in[a] & f.mask) << f.field << " at " << a << ", image " << i;
        for (const ConstantBytes& c : kConstants)
            for (Address a = c.first; a <= c.last; ++a)
                ASSERT_EQ(out[a] & c.mask, c.value) << "constant at " << a << ", image " << i;
        for (Address a = addr::kUntouched792; a <= addr::kUntouched792End; ++a)
            ASSERT_EQ(out[a], i & 0xFF) << "untouched byte at " << a;
        ASSERT_EQ(out[addr::kSpare], i & 0xFF);
    }
}

// Erased memory, images of editors' values and arbitrary bytes: after one decode and encode the image is a
// fixed point, in the program that made it and in a freshly started one, so reading a radio and writing it
// back, or opening and saving a file, never drifts.
TEST(FieldRoundTrip, OneRoundTripMakesAFixedPoint) {
    Generator generate(20261207);
    for (int i = 0; i < 300; ++i) {
        MemoryImage in = generate.image();
        if (i % 3 == 0) in.fill(0xFF);
        if (i % 3 == 1) in = testing_support::patternedImage(static_cast<unsigned>(i));
        for (int language : {kEnglish, kChinese}) {
            Configuration config = startConfiguration();
            config.languageIndex = language;
            decodeImage(in, config);
            const MemoryImage first = encoded(config);
            Configuration fresh = startConfiguration();
            fresh.languageIndex = language;
            decodeImage(first, fresh);
            ASSERT_EQ(encoded(fresh), first) << "image " << i << " language " << language;
            decodeImage(first, config);
            MemoryImage second = first;
            encodeImage(config, second);
            ASSERT_EQ(second, first) << "image " << i << " language " << language;
        }
    }
}

}  // namespace
}  // namespace zrt

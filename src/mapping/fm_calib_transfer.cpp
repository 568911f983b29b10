#include "mapping/fm_calib_transfer.h"

#include <string>

#include "image/address_map.h"
#include "image/codecs.h"

namespace zrt {

namespace {

// A list position from an image byte: the store keeps any byte, the list shows it only when it has the item.
void decodeListByte(std::uint8_t byte, int count, int& storeValue, int& position) {
    storeValue = byte;
    if (byte < count) position = byte;
}

void encodeByte(int value, MemoryImage& out, addr::Address at) {
    if (value >= 0 && value <= 0xFF) out.set(at, static_cast<std::uint8_t>(value));
}

// A stored frequency that is not a number (in practice "": a cell filled in the grid but never confirmed
// with OK) is written as an empty channel rather than leaving whatever an earlier encode put there.
void encodeFmOrEmpty(const std::string& text, MemoryImage& out, addr::Address at) {
    if (!codec::parseNumber(text)) {
        out.set(at, 0xFF);
        out.set(at + 1, 0xFF);
        return;
    }
    codec::encodeFmFrequency(text, out, at);
}

// The calibration bytes from `first` up to, not including, `end`.
void encodeCalibrationRange(const Configuration& config, MemoryImage& out, addr::Address first,
                            addr::Address end) {
    for (const addr::CalibSlot& slot : addr::kCalibSlots) {
        if (slot.address < first || slot.address >= end) continue;
        encodeByte(config.calib.values[static_cast<std::size_t>(slot.index)], out, slot.address);
    }
}

}  // namespace

void decodeFm(const MemoryImage& in, Configuration& config) {
    FmStore& store = config.fm;
    FmWorkingCopy& window = config.fmWindow;
    for (int k = 1; k <= addr::kFmChannelCount; ++k) {
        std::string text = codec::decodeFmFrequency(in, addr::fmChannel(k));
        window.cells[static_cast<std::size_t>(k - 1)] = text;
        store.channelFreq[static_cast<std::size_t>(k - 1)] = std::move(text);
    }
    store.currentChannel = in[addr::kFmStartChannel];
    window.presentChannel = std::to_string(store.currentChannel);
    decodeListByte(in[addr::kFmDisplayMode], kFmDisplayModeCount, store.displayMode,
                   window.displayModePosition);
    decodeListByte(in[addr::kFmStep], kFmStepCount, store.step, window.stepPosition);
    store.vfoFreq = codec::decodeFmFrequency(in, addr::kFmVfo);
    window.vfo = store.vfoFreq;
}

// All 18 values, the middle grade included: leaving those six out would encode them as 0 after a read or an
// Open, and a write in calibration mode would then erase the radio's middle-power calibration.
void decodeCalibration(const MemoryImage& in, Configuration& config) {
    for (const addr::CalibSlot& slot : addr::kCalibSlots)
        setCalibSlider(config.calib, slot.index, in[slot.address]);
}

void encodeFmChannelsAndSettings(const Configuration& config, MemoryImage& out) {
    for (int k = 1; k <= addr::kFmChannelCount; ++k) {
        const addr::Address a = addr::fmChannel(k);
        // Emptiness from the window's grid, the value from the store.
        if (config.fmWindow.cells[static_cast<std::size_t>(k - 1)].empty()) {
            out.set(a, 0xFF);
            out.set(a + 1, 0xFF);
        } else {
            encodeFmOrEmpty(config.fm.channelFreq[static_cast<std::size_t>(k - 1)], out, a);
        }
    }
    encodeByte(config.fm.currentChannel, out, addr::kFmStartChannel);
    encodeByte(config.fm.displayMode, out, addr::kFmDisplayMode);
    encodeByte(config.fm.step, out, addr::kFmStep);
}

void encodeFmVfo(const Configuration& config, MemoryImage& out) {
    if (codec::leadingValue(config.fm.vfoFreq) == 0) {
        out.set(addr::kFmVfo, 0xFF);
        out.set(addr::kFmVfo + 1, 0xFF);
        return;
    }
    encodeFmOrEmpty(config.fm.vfoFreq, out, addr::kFmVfo);
}

void encodeCalibrationB(const Configuration& config, MemoryImage& out) {
    encodeCalibrationRange(config, out, addr::kCalibB, addr::kReserved7E9);
}

void encodeCalibrationA(const Configuration& config, MemoryImage& out) {
    encodeCalibrationRange(config, out, addr::kCalibA, addr::kReserved7F9);
}

}  // namespace zrt

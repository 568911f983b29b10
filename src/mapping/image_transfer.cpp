#include "mapping/image_transfer.h"

#include "mapping/channel_transfer.h"
#include "mapping/fm_calib_transfer.h"
#include "mapping/settings_transfer.h"

namespace zrt {

void encodeFill(MemoryImage& out, addr::Address first, addr::Address last, std::uint8_t value) {
    for (addr::Address a = first; a <= last; ++a)
        out.set(a, value);
}

void decodeImage(const MemoryImage& in, Configuration& config) {
    decodeChannelRecords(in, config);
    decodeSettingsBytes(in, config);
    decodeBand(in, config);
    decodeDisplayChars(in, config);
    decodeVfos(in, config);
    decodePassword(in, config);
    decodeFm(in, config);
    decodeReturnChannel(in, config);
    decodeCalibration(in, config);
    decodeChannelNames(in, config);
    // SetGrid: the windows redraw the tables from the store after a decode.
}

void encodeImage(const Configuration& config, MemoryImage& out) {
    using namespace addr;
    encodeChannelRecords(config, out);
    encodeFill(out, kReserved680, kReserved680End);
    encodeSettingsBytes(config, out);
    encodeIdentification(out);
    encodeBand(config, out);
    encodeFill(out, kReserved717, kReserved717);
    encodeDisplayChars(config, out);
    encodeFill(out, kReserved71E, kReserved71F);
    encodeVfoA(config, out);
    encodeVfoB(config, out);
    encodePassword(config, out);
    encodeFill(out, kReserved744, kReserved744End);
    encodeFmChannelsAndSettings(config, out);
    encodeFill(out, kReserved7A3, kReserved7A3);
    encodeFmVfo(config, out);
    encodeReturnChannel(config, out);
    encodeFill(out, kReserved7A7, kReserved7A7End);
    encodeCalibrationB(config, out);
    encodeFill(out, kReserved7E9, kReserved7E9End);
    encodeCalibrationA(config, out);
    encodeFill(out, kReserved7F9, kReserved7F9End);
    encodeChannelNames(config, out);
}

}  // namespace zrt

#include "transfer/settings_transfer.h"

#include "image/address_map.h"
#include "image/codecs.h"
#include "transfer/image_transfer.h"

namespace zrt {

// Placeholders until the settings transfer lands; the constant bytes are already written.
void decodeSettingsBytes(const MemoryImage&, Configuration&) {}
void decodeBand(const MemoryImage&, Configuration&) {}
void decodeDisplayChars(const MemoryImage&, Configuration&) {}
void decodeVfos(const MemoryImage&, Configuration&) {}
void decodePassword(const MemoryImage&, Configuration&) {}
void decodeReturnChannel(const MemoryImage&, Configuration&) {}

void encodeSettingsBytes(const Configuration&, MemoryImage&) {}

void encodeIdentification(MemoryImage& out) {
    static constexpr char kIdent[] = "MRV-PQ";
    for (std::size_t i = 0; i < addr::kIdentificationSize; ++i)
        out.set(addr::kIdentification + i, static_cast<std::uint8_t>(kIdent[i]));
}

void encodeBand(const Configuration&, MemoryImage&) {}
void encodeDisplayChars(const Configuration&, MemoryImage&) {}

static void encodeVfoReserved(addr::Address record, MemoryImage& out) {
    out.set(record + addr::kVfoReserved13, 0xFF);
    out.set(record + addr::kVfoReserved15, 0xFF);
}

void encodeVfoA(const Configuration&, MemoryImage& out) { encodeVfoReserved(addr::kVfoA, out); }
void encodeVfoB(const Configuration&, MemoryImage& out) { encodeVfoReserved(addr::kVfoB, out); }
void encodePassword(const Configuration&, MemoryImage&) {}
void encodeReturnChannel(const Configuration&, MemoryImage&) {}

}  // namespace zrt

// Export: one row per channel, tones and the transmit frequency in the format's own conventions.
#include <algorithm>
#include <optional>

#include "config/channel_csv.h"
#include "config/channel_csv_tones.h"
#include "config/csv_table.h"
#include "config/decimal.h"

namespace zrt {

namespace {

using csv_tones::Tone;
using K = Tone::Kind;

constexpr std::string_view kHighWatts = "5.0W";
constexpr std::string_view kLowWatts = "1.0W";
constexpr std::string_view kStep = "5.00";

// 1 for the band's A range, 2 for its B range, 0 outside both.
int rangeOf(long long hz, const BandLimits& band) {
    constexpr long long kMHz = 1000000;
    if (hz >= band.aLow * kMHz && hz < band.aHigh * kMHz) return 1;
    if (hz >= band.bLow * kMHz && hz < band.bHigh * kMHz) return 2;
    return 0;
}

struct Duplex {
    std::string duplex;
    std::string offset = formatMillionths(0);
};

// A transmit frequency in the same range of the band as the receive frequency is an offset from it;
// elsewhere it is written whole, as "split". A channel that cannot transmit is "off".
Duplex duplexOf(long long rx, std::optional<long long> tx, const BandLimits& band) {
    if (!tx) return {"off"};
    if (*tx == rx) return {};
    const int range = rangeOf(rx, band);
    if (range != 0 && range == rangeOf(*tx, band))
        return {*tx > rx ? "+" : "-", formatMillionths(*tx > rx ? *tx - rx : rx - *tx)};
    return {"split", formatMillionths(*tx)};
}

// Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode and CrossMode of a transmit and a receive
// tone. The format's own choice of mode: one tone sent is Tone, the same tone or code both ways TSQL or
// DTCS, everything else Cross.
std::vector<std::string> toneColumns(const Tone& tx, const Tone& rx) {
    std::string mode, rTone(csv_tones::kDefaultCtcss), cTone(csv_tones::kDefaultCtcss),
        dtcs(csv_tones::kDefaultDcs), rxDtcs(csv_tones::kDefaultDcs), cross(csv_tones::kDefaultCross);
    char txPolarity = 'N', rxPolarity = 'N';
    if (tx.kind == K::None && rx.kind == K::None) {
    } else if (tx.kind == K::Ctcss && rx.kind == K::None) {
        mode = "Tone";
        rTone = tx.value;
    } else if (tx.kind == K::Ctcss && rx.kind == K::Ctcss && tx.value == rx.value) {
        mode = "TSQL";
        rTone = cTone = tx.value;
    } else if (tx.kind == K::Dcs && rx.kind == K::Dcs && tx.value == rx.value) {
        mode = "DTCS";
        dtcs = rxDtcs = tx.value;
        txPolarity = tx.polarity;
        rxPolarity = rx.polarity;
    } else {
        mode = "Cross";
        if (tx.kind == K::Ctcss) rTone = tx.value;
        if (tx.kind == K::Dcs) {
            dtcs = tx.value;
            txPolarity = tx.polarity;
        }
        if (rx.kind == K::Ctcss) cTone = rx.value;
        if (rx.kind == K::Dcs) {
            rxDtcs = rx.value;
            rxPolarity = rx.polarity;
        }
        cross = std::string(csv_tones::kindName(tx.kind)) + "->" + std::string(csv_tones::kindName(rx.kind));
    }
    return {mode, rTone, cTone, dtcs, std::string{txPolarity, rxPolarity}, rxDtcs, cross};
}

// A name holds the radio's bytes; control characters have no place in a spreadsheet cell.
std::string nameText(std::string_view bytes) {
    std::string shown(bytes);
    std::erase_if(shown, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
    return latin1ToUtf8(shown);
}

// The channel's row, or nothing (with a note) when its receive frequency is no frequency.
std::optional<std::string> channelRow(int n, const Channel& channel, const BandLimits& band,
                                      std::vector<CsvNote>& notes) {
    auto note = [&](CsvIssue issue, std::string detail) {
        notes.push_back({0, n, issue, std::move(detail), {}});
    };
    const std::optional<long long> rx = parseMillionths(channel.rxFrequency);
    if (!rx) {
        note(CsvIssue::ExportBadFrequency, channel.rxFrequency);
        return std::nullopt;
    }
    std::optional<long long> tx;
    if (!channel.txFrequency.empty()) {
        tx = parseMillionths(channel.txFrequency);
        if (!tx) note(CsvIssue::ExportBadTxFrequency, channel.txFrequency);
    }
    const Duplex duplex = duplexOf(*rx, tx, band);

    auto toneOf = [&](const ToneChoice& choice) {
        const std::optional<Tone> tone = csv_tones::formatTone(choice);
        if (!tone) note(CsvIssue::ExportUnknownTone, choice.text);
        return tone.value_or(Tone{});
    };
    const Tone rxTone = toneOf(channel.decodeTone);
    const Tone txTone = toneOf(channel.encodeTone);

    std::vector<std::string> row{std::to_string(n), nameText(channel.name), formatMillionths(*rx),
                                 duplex.duplex, duplex.offset};
    const std::vector<std::string> tones = toneColumns(txTone, rxTone);
    row.insert(row.end(), tones.begin(), tones.end());
    row.insert(row.end(),
               {channel.bandwidth == 0 ? "NFM" : "FM", std::string(kStep), channel.scan == 0 ? "S" : "",
                std::string(channel.power == 0 ? kLowWatts : kHighWatts)});
    row.resize(21);  // Comment and the digital-voice columns stay empty
    return csv::join(row) + "\r\n";
}

}  // namespace

CsvExport exportChannelsCsv(std::span<const LocatedChannel> channels, const BandLimits& band) {
    CsvExport out;
    out.text = std::string(kCsvHeader) + "\r\n";
    for (const LocatedChannel& located : channels) {
        if (located.channel.isEmpty()) continue;
        if (std::optional<std::string> row = channelRow(located.location, located.channel, band, out.notes)) {
            out.text += *row;
            ++out.channels;
        }
    }
    return out;
}

CsvExport exportChannelsCsv(const ChannelStore& store, const BandLimits& band) {
    std::vector<LocatedChannel> channels;
    for (int n = 1; n <= kChannelCount; ++n)
        if (!store.isEmpty(n)) channels.push_back({n, store[static_cast<std::size_t>(n - 1)]});
    return exportChannelsCsv(channels, band);
}

}  // namespace zrt

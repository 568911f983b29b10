#include "config/channel_csv_row.h"

#include <algorithm>
#include <charconv>

#include "config/channel_csv_tones.h"
#include "config/channel_edit.h"
#include "config/channel_keys.h"
#include "config/decimal.h"
#include "config/typing_rule.h"
#include "image/tone_list.h"

namespace zrt::csv_row {

namespace {

// What a file that leaves a column out means.
constexpr std::array<std::string_view, kColumnCount> kColumnDefaults{"",
                                                                     "",
                                                                     "",
                                                                     "",
                                                                     "",
                                                                     "",
                                                                     csv_tones::kDefaultCtcss,
                                                                     csv_tones::kDefaultCtcss,
                                                                     csv_tones::kDefaultDcs,
                                                                     "NN",
                                                                     csv_tones::kDefaultDcs,
                                                                     csv_tones::kDefaultCross,
                                                                     "",
                                                                     "",
                                                                     "",
                                                                     ""};

// From this many watts on a channel sends with high power.
constexpr long long kHighFromMicrowatts = 2500000;

Checked<std::string> ctcss(const ColumnPlaces& places, const csv::Record& record, Column column) {
    const std::string text = field(places, record, column);
    if (std::optional<std::string> item = csv_tones::ctcssItem(text)) return *item;
    return Refusal{CsvIssue::UnknownCtcss, text, {}};
}

// DtcsPolarity: two letters N or R, for sending and for receiving; empty means NN.
Checked<std::string> polarities(const ColumnPlaces& places, const csv::Record& record) {
    const std::string given = asciiUpper(field(places, record, kPolarity));
    const std::string pair = given.empty() ? "NN" : given;
    const auto letter = [](char c) { return c == 'N' || c == 'R'; };
    if (pair.size() != 2 || !letter(pair[0]) || !letter(pair[1]))
        return Refusal{CsvIssue::BadPolarity, given, {}};
    return pair;
}

Checked<std::string> dcs(const ColumnPlaces& places, const csv::Record& record, Column column,
                         bool transmit) {
    const Checked<std::string> pair = polarities(places, record);
    if (!pair) return pair.refusal;
    const std::string text = field(places, record, column);
    if (std::optional<std::string> item = csv_tones::dcsItem(text, (*pair.value)[transmit ? 0 : 1]))
        return *item;
    return Refusal{CsvIssue::UnknownDcs, text, {}};
}

}  // namespace

ColumnPlaces columnPlaces(const csv::Record& header) {
    ColumnPlaces places;
    places.fill(-1);
    for (std::size_t k = 0; k < header.fields.size(); ++k) {
        const std::string_view name = trimBlanks(header.fields[k]);
        for (int c = 0; c < kColumnCount; ++c)
            if (places[c] < 0 && equalsIgnoringCase(name, kColumnNames[c])) places[c] = static_cast<int>(k);
    }
    return places;
}

std::string field(const ColumnPlaces& places, const csv::Record& record, Column column) {
    const int k = places[column];
    if (k < 0) return std::string(kColumnDefaults[column]);
    if (static_cast<std::size_t>(k) >= record.fields.size()) return {};
    return std::string(trimBlanks(record.fields[static_cast<std::size_t>(k)]));
}

Checked<int> checkLocation(std::string_view text) {
    const bool digits = !text.empty() && text.size() <= 3 &&
                        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    int n = 0;
    if (digits) std::from_chars(text.data(), text.data() + text.size(), n);
    if (n < 1 || n > kChannelCount) return Refusal{CsvIssue::BadLocation, std::string(text), {}};
    return n;
}

Checked<Duplex> checkDuplex(std::string_view text) {
    if (text.empty()) return Duplex::Same;
    if (text == "+") return Duplex::Plus;
    if (text == "-") return Duplex::Minus;
    if (equalsIgnoringCase(text, "split")) return Duplex::Split;
    if (equalsIgnoringCase(text, "off")) return Duplex::Off;
    return Refusal{CsvIssue::BadDuplex, std::string(text), {}};
}

Checked<long long> checkOffset(Duplex duplex, std::string_view offset, long long rxHz) {
    const std::optional<long long> hz = parseMillionths(offset);
    const long long tx = !hz                       ? 0
                         : duplex == Duplex::Plus  ? rxHz + *hz
                         : duplex == Duplex::Minus ? rxHz - *hz
                                                   : *hz;
    if (tx <= 0) return Refusal{CsvIssue::BadOffset, std::string(offset), {}};
    return tx;
}

Checked<ToneItems> checkTones(const ColumnPlaces& places, const csv::Record& record) {
    const std::string mode = field(places, record, kTone);
    ToneItems items;
    // Each tone column checked in turn; the first refusal refuses the row.
    std::optional<Refusal> refused;
    auto take = [&](Checked<std::string> checked, std::string& item) {
        if (refused) return;
        if (checked)
            item = *checked.value;
        else
            refused = checked.refusal;
    };
    if (mode.empty()) {
    } else if (equalsIgnoringCase(mode, "Tone")) {
        take(ctcss(places, record, kRTone), items.transmit);
    } else if (equalsIgnoringCase(mode, "TSQL")) {
        take(ctcss(places, record, kCTone), items.transmit);
        items.receive = items.transmit;
    } else if (equalsIgnoringCase(mode, "DTCS")) {
        // The format uses DtcsCode both ways here; RxDtcsCode counts only in the Cross modes that receive a
        // code, so whatever it holds in a DTCS row is ignored, as the program that wrote the list ignores it.
        take(dcs(places, record, kDtcs, true), items.transmit);
        take(dcs(places, record, kDtcs, false), items.receive);
    } else if (equalsIgnoringCase(mode, "Cross")) {
        const std::string cross = field(places, record, kCross);
        const std::size_t arrow = cross.find("->");
        if (arrow == std::string::npos) return Refusal{CsvIssue::BadCrossMode, cross, {}};
        const std::string send = cross.substr(0, arrow), receive = cross.substr(arrow + 2);
        auto known = [](const std::string& k) { return k.empty() || k == "Tone" || k == "DTCS"; };
        if (!known(send) || !known(receive) || (send.empty() && receive.empty()))
            return Refusal{CsvIssue::BadCrossMode, cross, {}};
        if (send == "Tone") take(ctcss(places, record, kRTone), items.transmit);
        if (send == "DTCS") take(dcs(places, record, kDtcs, true), items.transmit);
        if (receive == "Tone") take(ctcss(places, record, kCTone), items.receive);
        if (receive == "DTCS") take(dcs(places, record, kRxDtcs, false), items.receive);
    } else if (equalsIgnoringCase(mode, "TSQL-R") || equalsIgnoringCase(mode, "DTCS-R")) {
        return Refusal{CsvIssue::ReverseToneMode, mode, {}};
    } else {
        return Refusal{CsvIssue::BadToneMode, mode, {}};
    }
    if (refused) return *refused;
    return items;
}

Checked<std::optional<int>> checkMode(std::string_view text) {
    if (text.empty()) return std::optional<int>();
    if (equalsIgnoringCase(text, "FM")) return std::optional<int>(1);
    if (equalsIgnoringCase(text, "NFM")) return std::optional<int>(0);
    return Refusal{CsvIssue::BadMode, std::string(text), {}};
}

Checked<std::optional<int>> checkPower(std::string_view text) {
    if (text.empty()) return std::optional<int>();
    std::string_view number = text;
    if (number.back() == 'W' || number.back() == 'w')
        number = trimBlanks(number.substr(0, number.size() - 1));
    const std::optional<long long> microwatts = parseMillionths(number);
    if (!microwatts) return Refusal{CsvIssue::BadPower, std::string(text), {}};
    return std::optional<int>(*microwatts >= kHighFromMicrowatts ? 1 : 0);
}

Checked<Scan> checkSkip(std::string_view text) {
    const std::string skip = asciiUpper(text);
    if (skip.empty()) return Scan{1, false};
    if (skip == "P") return Scan{1, true};
    if (skip == "S") return Scan{0, false};
    return Refusal{CsvIssue::BadSkip, std::string(text), {}};
}

std::string typedName(std::string_view utf8) {
    const std::u32string typed = utf8Characters(utf8);
    const std::u32string kept =
        filterTyping(filterNameKey, static_cast<std::size_t>(kNameMaxLength), {}, typed, typed.size()).text;
    // The name key filter lets only single-byte characters through.
    std::string name;
    for (char32_t c : kept)
        name += static_cast<char>(c);
    return name;
}

std::optional<Refusal> buildChannel(const ColumnPlaces& places, const csv::Record& record, int n,
                                    const ChannelStore& current, ChannelStore& scratch, const BandState& band,
                                    std::vector<Refusal>& warnings) {
    const std::size_t i = static_cast<std::size_t>(n - 1);
    auto get = [&](Column column) { return field(places, record, column); };
    scratch.clearChannel(n);

    // Receive frequency, as typed into the table.
    const std::string rxText = get(kFrequency);
    if (!isPlainDecimal(rxText)) return Refusal{CsvIssue::BadFrequency, rxText, {}};
    const FrequencyCommit rx = commitFrequency(scratch, band, n, ChannelFrequency::Receive, rxText);
    if (rx.outcome == FrequencyOutcome::OutOfBand) return Refusal{CsvIssue::OutOfBand, rxText, {}};
    if (rx.outcome != FrequencyOutcome::Stored) return Refusal{CsvIssue::BadFrequency, rxText, {}};
    if (parseMillionths(rxText) != parseMillionths(rx.text))
        warnings.push_back({CsvIssue::FrequencySnapped, rxText, rx.text});

    // What the format has no column for stays as the channel had it; a new channel has the defaults.
    const bool existing = !current.isEmpty(n);
    if (existing) {
        scratch[i].busyLock = current[i].busyLock;
        scratch[i].hidden = current[i].hidden;
        scratch[i].scramble = current[i].scramble;
    }

    // Transmit frequency.
    const Checked<Duplex> duplex = checkDuplex(get(kDuplex));
    if (!duplex) return duplex.refusal;
    if (*duplex.value == Duplex::Off) {
        scratch[i].txFrequency.clear();
    } else if (*duplex.value != Duplex::Same) {
        const std::string offset = get(kOffset);
        const Checked<long long> txHz =
            checkOffset(*duplex.value, offset, parseMillionths(rx.text).value_or(0));
        if (!txHz) return txHz.refusal;
        const std::string txText = formatMillionths(*txHz.value);
        const FrequencyCommit tx = commitFrequency(scratch, band, n, ChannelFrequency::Transmit, txText);
        if (tx.outcome == FrequencyOutcome::OutOfBand) return Refusal{CsvIssue::TxOutOfBand, txText, {}};
        if (tx.outcome != FrequencyOutcome::Stored) return Refusal{CsvIssue::BadOffset, offset, {}};
        if (parseMillionths(txText) != parseMillionths(tx.text))
            warnings.push_back({CsvIssue::FrequencySnapped, txText, tx.text});
    }

    // Tones: transmit into the encode column, receive into the decode column.
    const Checked<ToneItems> tones = checkTones(places, record);
    if (!tones) return tones.refusal;
    for (const auto& [list, item] : {std::pair{ChannelList::EncodeTone, tones.value->transmit},
                                     std::pair{ChannelList::DecodeTone, tones.value->receive}})
        if (!item.empty()) commitListChoice(scratch, n, list, toneListIndex(item), item);

    // Wide or narrow, and power: an empty field keeps what the channel has.
    const Checked<std::optional<int>> width = checkMode(get(kMode));
    if (!width) return width.refusal;
    if (*width.value)
        commitListChoice(scratch, n, ChannelList::Bandwidth, **width.value, {});
    else if (existing)
        scratch[i].bandwidth = current[i].bandwidth;

    const Checked<std::optional<int>> power = checkPower(get(kPower));
    if (!power) return power.refusal;
    if (*power.value)
        commitListChoice(scratch, n, ChannelList::Power, **power.value, {});
    else if (existing)
        scratch[i].power = current[i].power;

    // Scan list membership.
    const Checked<Scan> scan = checkSkip(get(kSkip));
    if (!scan) return scan.refusal;
    commitListChoice(scratch, n, ChannelList::Scan, scan.value->position, {});
    if (scan.value->priority) warnings.push_back({CsvIssue::PriorityScan, {}, {}});

    // Name, as typed into the name editor.
    const std::string given = get(kName);
    const std::string name = typedName(given);
    if (name != asciiUpper(given)) warnings.push_back({CsvIssue::NameChanged, given, name});
    commitName(scratch, n, name);
    return std::nullopt;
}

}  // namespace zrt::csv_row

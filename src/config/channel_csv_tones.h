// Tones between the list format's columns (a mode, a CTCSS frequency, a DCS code with a polarity letter) and
// the items of the channel table's tone list ("88.5", "D023N", "D023I").
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "config/channel_store.h"

namespace zrt::csv_tones {

// What the format writes where a row has no tone of that kind, and reads for a column a file leaves out.
inline constexpr std::string_view kDefaultCtcss = "88.5";
inline constexpr std::string_view kDefaultDcs = "023";
inline constexpr std::string_view kDefaultCross = "Tone->Tone";

struct Tone {
    enum class Kind { None, Ctcss, Dcs } kind = Kind::None;
    std::string value;    // "88.5" or "023"
    char polarity = 'N';  // the format's letter: N normal, R reversed (the tone list's "I")
};

// The kind as the format's CrossMode names it: "Tone", "DTCS", or "" for none.
std::string_view kindName(Tone::Kind kind);

// A channel's tone in the format's terms; nothing when its text is not in the tone list.
std::optional<Tone> formatTone(const ToneChoice& tone);

// A CTCSS tone of the file as the list's item: "88.5", "88.50" and "088.5" are the same tone.
std::optional<std::string> ctcssItem(std::string_view field);
// A DCS code of the file ("23" or "023") with the polarity letter as the list's item ("D023N").
std::optional<std::string> dcsItem(std::string_view field, char polarity);

}  // namespace zrt::csv_tones

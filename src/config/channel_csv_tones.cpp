#include "config/channel_csv_tones.h"

#include <algorithm>

#include "config/decimal.h"
#include "image/tone_list.h"

namespace zrt::csv_tones {

std::string_view kindName(Tone::Kind kind) {
    return kind == Tone::Kind::Ctcss ? "Tone" : kind == Tone::Kind::Dcs ? "DTCS" : "";
}

std::optional<Tone> formatTone(const ToneChoice& tone) {
    if (tone.position == 0) return Tone{};
    const std::string& text = tone.text;
    const int p = toneListIndex(text);
    if (p == 0) return std::nullopt;
    if (p < kFirstDcsNormal) return Tone{Tone::Kind::Ctcss, text, 'N'};
    return Tone{Tone::Kind::Dcs, text.substr(1, 3), p < kFirstDcsInverted ? 'N' : 'R'};
}

std::optional<std::string> ctcssItem(std::string_view field) {
    if (!isPlainDecimal(field)) return std::nullopt;
    const std::size_t point = field.find('.');
    std::string whole(field.substr(0, point));
    const std::string fraction =
        point == std::string_view::npos ? std::string() : std::string(field.substr(point + 1));
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.empty()) return std::nullopt;
    // The list has one decimal; further decimals may only be zeros.
    if (fraction.size() > 1 && fraction.find_first_not_of('0', 1) != std::string::npos) return std::nullopt;
    const std::string item = whole + "." + (fraction.empty() ? '0' : fraction[0]);
    const int p = toneListIndex(item);
    if (p < kFirstCtcss || p >= kFirstDcsNormal) return std::nullopt;
    return item;
}

std::optional<std::string> dcsItem(std::string_view field, char polarity) {
    std::string code(field);
    if (!code.empty() && code.size() < 3 &&
        std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; }))
        code.insert(0, 3 - code.size(), '0');
    if (code.size() != 3) return std::nullopt;
    const std::string item = "D" + code + (polarity == 'R' ? "I" : "N");
    if (toneListIndex(item) < kFirstDcsNormal) return std::nullopt;
    return item;
}

}  // namespace zrt::csv_tones

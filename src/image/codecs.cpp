#include "image/codecs.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace zrt::codec {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The value of one or two hexadecimal digits; nothing when the text is empty or holds another character.
std::optional<std::uint8_t> hexPair(std::string_view pair) {
    if (pair.empty() || pair.size() > 2) return std::nullopt;
    int value = 0;
    for (char c : pair) {
        const int d = hexDigitValue(c);
        if (d < 0) return std::nullopt;
        value = value * 16 + d;
    }
    return static_cast<std::uint8_t>(value);
}

// Characters [from, from + n) of a text, 1-based like the program's own text functions; shorter at the end.
std::string_view mid(std::string_view text, std::size_t from, std::size_t n) {
    if (from < 1 || from > text.size()) return {};
    return text.substr(from - 1, n);
}

std::string withoutPoints(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != '.') out += c;
    return out;
}

struct Decimal {
    bool negative = false;
    std::string intDigits;   // without sign, may be empty (".5")
    std::string fracDigits;  // may be empty
};

// A number text as a whole: optional spaces, optional sign, digits with at most one point, at least one
// digit.
std::optional<Decimal> parseDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    std::size_t end = text.size();
    while (end > i && text[end - 1] == ' ')
        --end;
    Decimal d;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        d.negative = text[i] == '-';
        ++i;
    }
    bool point = false;
    for (; i < end; ++i) {
        const char c = text[i];
        if (c == '.') {
            if (point) return std::nullopt;
            point = true;
        } else if (isDigit(c)) {
            (point ? d.fracDigits : d.intDigits) += c;
        } else {
            return std::nullopt;
        }
    }
    if (d.intDigits.empty() && d.fracDigits.empty()) return std::nullopt;
    return d;
}

std::string stripLeadingZeros(std::string digits) {
    std::size_t nz = digits.find_first_not_of('0');
    if (nz == std::string::npos) return "0";
    return digits.substr(nz);
}

}  // namespace

// ---- Numeric text -----------------------------------------------------------------------------------

std::optional<double> parseNumber(std::string_view text) {
    auto d = parseDecimal(text);
    if (!d) return std::nullopt;
    std::string canonical = (d->negative ? "-" : "") + (d->intDigits.empty() ? "0" : d->intDigits);
    if (!d->fracDigits.empty()) canonical += "." + d->fracDigits;
    return std::strtod(canonical.c_str(), nullptr);
}

double leadingValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    bool point = false, digits = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            number += c;
            digits = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    return std::strtod(number.c_str(), nullptr);
}

std::optional<std::string> formatFixed5(std::string_view numberText) {
    auto d = parseDecimal(numberText);
    if (!d) return std::nullopt;
    std::string frac = d->fracDigits;
    bool roundUp = frac.size() > 5 && frac[5] >= '5';
    frac.resize(5, '0');
    std::string digits = (d->intDigits.empty() ? "0" : d->intDigits) + frac;
    if (roundUp) {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i < 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i];
    }
    std::string intPart = stripLeadingZeros(digits.substr(0, digits.size() - 5));
    std::string out = intPart + "." + digits.substr(digits.size() - 5);
    const bool zero = out.find_first_not_of("0.") == std::string::npos;
    return (d->negative && !zero ? "-" : "") + out;
}

std::string formatFixed5(double value) {
    if (!std::isfinite(value)) return "0.00000";
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    if (ec != std::errc()) return "0.00000";
    return formatFixed5(std::string_view(buf, static_cast<std::size_t>(end - buf))).value_or("0.00000");
}

// ---- Hexadecimal helpers ------------------------------------------------------------------------------

std::string toHex2(std::uint8_t byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

// ---- Frequencies ----------------------------------------------------------------------------------------

std::optional<std::uint8_t> frequencyByte(std::string_view text, int k) {
    switch (k) {
        case 1:
            return hexPair(text.substr(0, 2));
        case 2:
        case 3: {
            const std::string digits = withoutPoints(text);
            return hexPair(mid(digits, k == 2 ? 3 : 5, 2));
        }
        case 4:
            return hexPair(text.size() >= 2 ? text.substr(text.size() - 2) : text);
        default:
            return std::uint8_t{0};
    }
}

std::string frequencyText(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
    const std::string s = toHex2(b3) + toHex2(b2) + toHex2(b1) + toHex2(b0);
    return s.substr(0, 3) + "." + s.substr(3);
}

std::string decodeFrequency(const MemoryImage& image, addr::Address at) {
    return frequencyText(image[at], image[at + 1], image[at + 2], image[at + 3]);
}

void encodeFrequency(std::string_view text, MemoryImage& image, addr::Address at) {
    for (int i = 0; i < 4; ++i)
        if (auto b = frequencyByte(text, 4 - i)) image.set(at + static_cast<std::size_t>(i), *b);
}

namespace {
// The text with its last four digits lowered onto the nearer lower raster point; nothing to do when it has
// fewer than four trailing digits.
std::string snapText(std::string_view text) {
    std::string s(text);
    if (s.size() < 4) return s;
    const std::string_view last = std::string_view(s).substr(s.size() - 4);
    int x = 0;
    for (char c : last) {
        if (!isDigit(c)) return s;
        x = x * 10 + (c - '0');
    }
    const int r5 = x % 500, r6 = x % 625;
    if (r5 == 0 || r6 == 0) return s;
    x -= (r6 > r5) ? r5 : r6;
    char buf[5];
    for (int i = 3; i >= 0; --i) {
        buf[i] = static_cast<char>('0' + x % 10);
        x /= 10;
    }
    s.replace(s.size() - 4, 4, buf, 4);
    return s;
}
}  // namespace

double snapFrequency(std::string_view text) {
    return leadingValue(snapText(text));
}

std::string snapFrequencyText(std::string_view text) {
    return formatFixed5(snapText(text)).value_or(std::string(text));
}

// ---- Tones ------------------------------------------------------------------------------------------------

std::optional<std::string> toneCode(std::string_view text) {
    const std::string t(text);
    if (t.find('N') != std::string::npos) return std::string(mid(t, 3, 2)) + "8" + std::string(mid(t, 2, 1));
    if (t.find('I') != std::string::npos) return std::string(mid(t, 3, 2)) + "C" + std::string(mid(t, 2, 1));
    // CTCSS: the leading number of the text without its point, written with at least four digits.
    const double value = leadingValue(withoutPoints(t));
    if (value < 0 || value > 1e15) return std::nullopt;
    std::string four = std::to_string(static_cast<long long>(std::llround(value)));
    while (four.size() < 4)
        four.insert(four.begin(), '0');
    return four.substr(four.size() - 2) + four.substr(0, 2);
}

std::string toneText(std::uint8_t low, std::uint8_t high) {
    auto noLeadingZero = [](std::uint8_t b) {
        std::string s = toHex2(b);
        return s[0] == '0' ? s.substr(1) : s;
    };
    const std::string h = noLeadingZero(high);
    const std::string l = noLeadingZero(low);
    if (toHex2(high)[0] == '8') return "D" + h.substr(h.size() - 1) + toHex2(low) + "N";
    if (h[0] == 'C') return "D" + h.substr(h.size() - 1) + toHex2(low) + "I";
    if (l.size() == 1) return h + "0." + l;
    return h + l.substr(0, 1) + "." + l.substr(1, 1);
}

std::string decodeTone(const MemoryImage& image, addr::Address at) {
    return toneText(image[at], image[at + 1]);
}

void encodeTone(bool isOff, std::string_view text, MemoryImage& image, addr::Address at) {
    if (isOff) {
        image.set(at, 0xFF);
        image.set(at + 1, 0xFF);
        return;
    }
    const auto code = toneCode(text);
    if (!code) return;
    const std::string_view c(*code);
    if (auto low = hexPair(c.substr(0, 2))) image.set(at, *low);
    if (auto high = hexPair(c.size() >= 2 ? c.substr(c.size() - 2) : c)) image.set(at + 1, *high);
}

// ---- Names and character fields ----------------------------------------------------------------------

std::string stripChar255(std::string_view text) {
    std::string out;
    for (char c : text)
        if (static_cast<unsigned char>(c) != 0xFF) out += c;
    return out;
}

std::string channelCode(std::string_view name) {
    if (name.empty()) return std::string(16, '0');
    std::string out;
    for (std::size_t i = 0; i < 8; ++i)
        out += i < name.size() ? toHex2(static_cast<std::uint8_t>(name[i])) : std::string("FF");
    return out;
}

std::string decodeName(const MemoryImage& image, addr::Address at) {
    std::string raw;
    for (std::size_t i = 0; i < addr::kNameSize; ++i)
        raw += static_cast<char>(image[at + i]);
    return stripChar255(raw);
}

void encodeName(std::string_view name, MemoryImage& image, addr::Address at) {
    const std::string code = channelCode(name);
    for (std::size_t j = 0; j < addr::kNameSize; ++j)
        if (auto b = hexPair(std::string_view(code).substr(2 * j, 2))) image.set(at + j, *b);
}

std::string decodeCharField(const MemoryImage& image, addr::Address at, std::size_t size) {
    std::string out;
    for (std::size_t i = 0; i < size; ++i)
        if (image[at + i] != 0xFF) out += static_cast<char>(image[at + i]);
    return out;
}

void encodeCharField(std::string_view text, MemoryImage& image, addr::Address at, std::size_t size) {
    for (std::size_t k = 0; k < size; ++k)
        image.set(at + k, k < text.size() ? static_cast<std::uint8_t>(text[k]) : std::uint8_t{0xFF});
}

// ---- FM broadcast frequencies -------------------------------------------------------------------------

std::string normalizeFmFrequency(std::string_view text) {
    const std::string t(text);
    const std::size_t point = t.find('.');
    if (point == std::string::npos) return t + ".00";
    const std::size_t decimals = t.size() - point - 1;
    if (decimals == 0) return t + "00";
    if (decimals == 1) return t + "0";
    const char second = t[point + 2];
    const char last = second >= '5' ? '5' : '0';
    return t.substr(0, point + 2) + last;
}

std::string decodeFmFrequency(const MemoryImage& image, addr::Address at) {
    const int v = image[at] * 256 + image[at + 1];
    if (v > 210) return {};  // above 108 MHz, which includes the erased 0xFF 0xFF
    const int tenths = 870 + v;
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0) text += "." + std::to_string(tenths % 10);
    return normalizeFmFrequency(text);
}

void encodeFmFrequency(std::string_view text, MemoryImage& image, addr::Address at) {
    const auto d = parseDecimal(text);
    if (!d) return;
    // (f - 87) * 10 in exact decimal arithmetic, rounded half to even: f = mantissa / 10^scale.
    std::string frac = d->fracDigits;
    while (frac.size() > 1 && frac.back() == '0')
        frac.pop_back();
    if (frac == "0") frac.clear();
    const std::string intDigits = stripLeadingZeros(d->intDigits.empty() ? "0" : d->intDigits);
    if (intDigits.size() + frac.size() > 15) return;  // not a frequency
    long long scale = 1;
    for (std::size_t i = 0; i < frac.size(); ++i)
        scale *= 10;
    long long mantissa = std::stoll(intDigits + frac);
    if (d->negative) mantissa = -mantissa;
    const long long numerator = (mantissa - 87 * scale) * 10;
    long long q = numerator / scale, r = numerator % scale;
    if (r < 0) {
        r += scale;
        --q;
    }
    if (2 * r > scale || (2 * r == scale && (q % 2 != 0))) ++q;
    if (q < 0 || q > 0xFFFF) return;
    image.set(at, static_cast<std::uint8_t>(q >> 8));
    image.set(at + 1, static_cast<std::uint8_t>(q & 0xFF));
}

}  // namespace zrt::codec

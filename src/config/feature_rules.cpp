#include "config/feature_rules.h"

#include <algorithm>
#include <charconv>

#include "image/codecs.h"

namespace zrt {

namespace {

bool isDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

// What one character becomes under a filter, ignoring lengths; nothing when the filter refuses it.
std::optional<char> passChar(KeyFilter filter, char32_t c) {
    if (filter == KeyFilter::DisplayChars && c >= 'a' && c <= 'z') c = c - 'a' + 'A';
    bool ok = isDigit(c);
    if (filter == KeyFilter::Frequency) ok = ok || c == '.';
    if (filter == KeyFilter::DisplayChars)
        ok = ok || (c >= 'A' && c <= 'Z') || c == '*' || c == '#' || c == '-';
    if (!ok) return std::nullopt;
    return static_cast<char>(c);
}

double numericValue(std::string_view text) {
    const std::string_view s = leadingNumberText(text);
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() ? v : 0.0;
}

// The leading number of a box written with exactly five decimals ("0.00000" when there is none).
std::string fixed5(std::string_view text) {
    std::string s(leadingNumberText(text));
    if (!s.empty() && s.back() == '.') s.pop_back();
    if (!s.empty() && s.front() == '.') s.insert(s.begin(), '0');
    if (s.empty()) s = "0";
    return codec::formatFixed5(std::string_view(s)).value_or("0.00000");
}

}  // namespace

std::string_view leadingNumberText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isDigit(static_cast<unsigned char>(text[i])))
        ++i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(static_cast<unsigned char>(text[i])))
            ++i;
    }
    return text.substr(0, i);
}

std::optional<char> filterKey(KeyFilter filter, char32_t key, std::size_t maxLength, std::size_t length,
                              std::size_t selected) {
    if (key == kKeyBackspace) return '\b';
    const std::optional<char> c = passChar(filter, key);
    if (!c) return std::nullopt;
    const std::size_t after = length - std::min(selected, length) + 1;
    if (maxLength != 0 && after > maxLength) return std::nullopt;
    return c;
}

std::optional<std::string> filterEdit(KeyFilter filter, std::size_t maxLength, std::string_view before,
                                      std::string_view after) {
    // Only what the edit inserted is filtered: characters the program put there stay editable.
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    std::string out(after);
    for (std::size_t i = prefix; i < after.size() - suffix; ++i) {
        const std::optional<char> c = passChar(filter, static_cast<unsigned char>(after[i]));
        if (!c) return std::nullopt;
        out[i] = *c;
    }
    if (maxLength != 0 && out.size() > maxLength && out.size() > before.size()) return std::nullopt;
    return out;
}

std::string checkVfoFrequency(std::string_view text, const BandLimits& limits) {
    // The band is checked on the value as it will be stored, so a typed value that rounds up onto an
    // upper limit is outside as well.
    const std::string fixed = fixed5(text);
    const double f = codec::parseNumber(fixed).value_or(0.0);
    if (!insideBand(limits, f)) return "136.00000";
    return codec::snapFrequencyText(fixed);
}

std::string checkVfoOffset(std::string_view text) {
    std::string fixed = fixed5(text);
    if (codec::parseNumber(fixed).value_or(0.0) > 99.995) fixed = "99.99500";
    return codec::snapFrequencyText(fixed);
}

std::string checkChannelNumber(std::string_view text) {
    std::string_view digits = leadingNumberText(text);
    digits = digits.substr(0, digits.find('.'));
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string_view::npos) return {};  // no digits or only zeros: below 1
    return std::string(digits.substr(firstNonZero));
}

std::string channelNumberChange(std::string_view text) {
    if (numericValue(text) > 64) return "64";
    return std::string(text);
}

}  // namespace zrt

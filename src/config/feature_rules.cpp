#include "config/feature_rules.h"

#include <algorithm>
#include <charconv>

#include "image/codecs.h"

namespace zrt {

namespace {

bool isDigit(char32_t c) {
    return c >= '0' && c <= '9';
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

std::optional<char32_t> digitKey(char32_t key) {
    if (isDigit(key) || key == kBackspaceKey) return key;
    return std::nullopt;
}

std::optional<char32_t> frequencyKey(char32_t key) {
    if (key == U'.') return key;
    return digitKey(key);
}

std::optional<char32_t> displayCharKey(char32_t key) {
    if (key >= U'a' && key <= U'z') key = key - U'a' + U'A';
    if ((key >= U'A' && key <= U'Z') || key == U'*' || key == U'#' || key == U'-') return key;
    return digitKey(key);
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

#include "config/decimal.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace zrt {

bool isPlainDecimal(std::string_view text) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return std::count(text.begin(), text.end(), '.') <= 1 && std::any_of(text.begin(), text.end(), digit) &&
           std::all_of(text.begin(), text.end(), [&](char c) { return c == '.' || digit(c); });
}

std::optional<long long> parseMillionths(std::string_view text) {
    if (!isPlainDecimal(text)) return std::nullopt;
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.size() > 6) return std::nullopt;
    long long units = 0, millionths = 0;
    if (!whole.empty()) std::from_chars(whole.data(), whole.data() + whole.size(), units);
    // The first six decimals, padded with zeros; the seventh rounds.
    std::string six(fraction.substr(0, 6));
    six.resize(6, '0');
    std::from_chars(six.data(), six.data() + six.size(), millionths);
    const bool roundUp = fraction.size() > 6 && fraction[6] >= '5';
    return units * 1000000 + millionths + (roundUp ? 1 : 0);
}

std::string formatMillionths(long long value) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%06lld", value / 1000000, value % 1000000);
    return text;
}

}  // namespace zrt

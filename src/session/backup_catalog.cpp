#include "session/backup_catalog.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "config/configuration.h"
#include "mapping/image_transfer.h"

namespace zrt::backup {

namespace {

// Digits at s[pos..pos+count) as a number; nothing unless they are all digits.
std::optional<int> digits(std::string_view s, std::size_t pos, std::size_t count) {
    if (pos + count > s.size()) return std::nullopt;
    int value = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (s[i] < '0' || s[i] > '9') return std::nullopt;
        value = value * 10 + (s[i] - '0');
    }
    return value;
}

}  // namespace

std::string fileName(const Name& n) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d_%02d%02d%02d_band%d", n.stamp.year, n.stamp.month,
                  n.stamp.day, n.stamp.hour, n.stamp.minute, n.stamp.second, n.band);
    std::string name = text;
    if (n.sequence > 1) name += "-" + std::to_string(n.sequence);
    return name + std::string(kSuffix);
}

std::optional<Name> parseFileName(std::string_view s) {
    // yyyy-mm-dd_hhmmss_bandN[-K].dat
    constexpr std::string_view kBand = "_band";
    if (s.size() < 17 + kBand.size() + 1 + kSuffix.size() || !s.ends_with(kSuffix)) return std::nullopt;
    s.remove_suffix(kSuffix.size());
    if (s[4] != '-' || s[7] != '-' || s[10] != '_' || s.substr(17, kBand.size()) != kBand)
        return std::nullopt;
    const auto y = digits(s, 0, 4), mo = digits(s, 5, 2), d = digits(s, 8, 2), h = digits(s, 11, 2),
               mi = digits(s, 13, 2), se = digits(s, 15, 2);
    if (!y || !mo || !d || !h || !mi || !se) return std::nullopt;
    if (*mo < 1 || *mo > 12 || *d < 1 || *d > 31 || *h > 23 || *mi > 59 || *se > 60) return std::nullopt;
    Name n{{*y, *mo, *d, *h, *mi, *se}, 0, 1};
    std::string_view rest = s.substr(17 + kBand.size());
    const std::size_t dash = rest.find('-');
    const std::string_view band = rest.substr(0, dash);
    auto number = [](std::string_view t, int& out) {
        const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), out);
        return !t.empty() && ec == std::errc() && end == t.data() + t.size() && t[0] != '-' && t[0] != '+';
    };
    if (!number(band, n.band)) return std::nullopt;
    if (dash != std::string_view::npos && (!number(rest.substr(dash + 1), n.sequence) || n.sequence < 2))
        return std::nullopt;
    return n;
}

std::vector<std::string> newestFirst(const std::vector<std::string>& names) {
    std::vector<std::pair<Name, std::string>> backups;
    for (const std::string& s : names)
        if (auto n = parseFileName(s)) backups.emplace_back(*n, s);
    std::sort(backups.begin(), backups.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second > b.second;
    });
    std::vector<std::string> sorted;
    for (auto& b : backups)
        sorted.push_back(std::move(b.second));
    return sorted;
}

std::vector<std::string> toPrune(const std::vector<std::string>& names, std::size_t keep) {
    std::vector<std::string> sorted = newestFirst(names);
    if (sorted.size() <= keep) return {};
    return {sorted.begin() + static_cast<std::ptrdiff_t>(keep), sorted.end()};
}

Summary summarize(const MemoryImage& radioMemory, std::size_t names) {
    Configuration config = startConfiguration();
    decodeImage(radioMemory, config);
    Summary s;
    s.band = config.band.listIndex;
    for (int n = 1; n <= kChannelCount; ++n) {
        if (config.channels.isEmpty(n)) continue;
        ++s.usedChannels;
        // An unnamed channel holds blanks, 0x00 or 0xFF bytes.
        const std::string& name = config.channels[static_cast<std::size_t>(n - 1)].name;
        constexpr std::string_view kBlank{" \0\xFF", 3};
        const std::size_t first = name.find_first_not_of(kBlank);
        if (s.firstNames.size() < names && first != std::string::npos)
            s.firstNames.push_back(name.substr(first, name.find_last_not_of(kBlank) - first + 1));
    }
    return s;
}

}  // namespace zrt::backup

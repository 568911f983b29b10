#include "i18n/config_comparison.h"

#include <charconv>
#include <cmath>
#include <map>

namespace zrt {

namespace {

std::string withoutColon(std::string s) {
    while (!s.empty() && (s.back() == ':' || s.back() == ' '))
        s.pop_back();
    return s;
}

bool number(const std::string& s, double& value) {
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return !s.empty() && ec == std::errc() && end == s.data() + s.size();
}

// Frequencies keep the digits they were typed or stored with; their meaning is the number.
bool same(const std::string& a, const std::string& b) {
    if (a == b) return true;
    double x = 0, y = 0;
    return a.find('.') != std::string::npos && b.find('.') != std::string::npos && number(a, x) &&
           number(b, y) && std::fabs(x - y) < 5e-6;
}

struct Collector {
    std::vector<CaptionedDifference> out;
    void field(const std::string& place, const std::string& caption, const std::string& a,
               const std::string& b, int channel = 0) {
        if (!same(a, b)) out.push_back({place, withoutColon(caption), a, b, channel});
    }
};

// The rows of a table by their first cell (channel tables: by channel number instead).
void table(Collector& c, const CaptionedTable& a, const CaptionedTable& b, const std::string& place) {
    for (std::size_t r = 0; r < a.rows.size() && r < b.rows.size(); ++r)
        for (std::size_t k = 1; k < a.rows[r].size() && k < b.rows[r].size() && k < a.header.size(); ++k)
            c.field(place.empty() ? a.rows[r][0] : place + " " + a.rows[r][0], a.header[k], a.rows[r][k],
                    b.rows[r][k]);
}

}  // namespace

std::vector<CaptionedDifference> compareDescriptions(const ConfigDescription& a, const ConfigDescription& b) {
    Collector c;
    c.field({}, a.band.caption, a.band.value, b.band.value);

    // Channels: a channel missing on one side is empty there.
    std::map<int, std::pair<const std::vector<std::string>*, const std::vector<std::string>*>> channels;
    for (std::size_t r = 0; r < a.channelNumbers.size(); ++r)
        channels[a.channelNumbers[r]].first = &a.channels.rows[r];
    for (std::size_t r = 0; r < b.channelNumbers.size(); ++r)
        channels[b.channelNumbers[r]].second = &b.channels.rows[r];
    static const std::vector<std::string> kEmpty;
    for (const auto& [n, rows] : channels) {
        const std::vector<std::string>& ra = rows.first ? *rows.first : kEmpty;
        const std::vector<std::string>& rb = rows.second ? *rows.second : kEmpty;
        const std::string& label = rows.first ? ra[0] : rb[0];
        for (std::size_t k = 1; k < a.channels.header.size(); ++k)
            c.field(label, a.channels.header[k], k < ra.size() ? ra[k] : std::string(),
                    k < rb.size() ? rb[k] : std::string(), n);
    }

    for (std::size_t g = 0; g < a.features.size() && g < b.features.size(); ++g)
        for (std::size_t f = 0; f < a.features[g].fields.size() && f < b.features[g].fields.size(); ++f)
            c.field(a.features[g].title, a.features[g].fields[f].caption, a.features[g].fields[f].value,
                    b.features[g].fields[f].value);

    for (std::size_t f = 0; f < a.fm.fields.size() && f < b.fm.fields.size(); ++f)
        c.field(a.fm.title, a.fm.fields[f].caption, a.fm.fields[f].value, b.fm.fields[f].value);
    const std::string presets =
        a.fm.title + (a.fmChannels.header.empty() ? "" : " " + a.fmChannels.header[0]);
    table(c, a.fmChannels, b.fmChannels, presets);
    table(c, a.calibration, b.calibration, a.calibration.title);
    return c.out;
}

std::vector<CaptionedDifference> compareConfigurations(const Configuration& a, const Configuration& b,
                                                       int languageIndex) {
    return compareDescriptions(describeConfiguration(a, languageIndex),
                               describeConfiguration(b, languageIndex));
}

}  // namespace zrt

#include "config/channel_operations.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>

#include "config/channel_edit.h"

namespace zrt {

namespace {

constexpr int kGroupSize = kChannelCount / 2;

Channel& at(ChannelStore& store, int n) {
    return store[static_cast<std::size_t>(n - 1)];
}

bool valid(int n) {
    return n >= 1 && n <= kChannelCount;
}

std::optional<double> frequencyOf(const Channel& channel) {
    const std::string& t = channel.rxFrequency;
    double value = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (error != std::errc() || t.empty()) return std::nullopt;
    return value;
}

std::string hzText(std::int64_t hz) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%06lld", static_cast<long long>(hz / 1000000),
                  static_cast<long long>(hz % 1000000));
    return text;
}

}  // namespace

int groupFirstChannel(int n) {
    return n <= kGroupSize ? 1 : kGroupSize + 1;
}

int groupLastChannel(int n) {
    return n <= kGroupSize ? kGroupSize : kChannelCount;
}

bool insertDropsChannel(const ChannelStore& store, int n) {
    return valid(n) && !store.isEmpty(groupLastChannel(n));
}

void insertChannel(ChannelStore& store, int n) {
    if (!valid(n)) return;
    for (int k = groupLastChannel(n); k > n; --k)
        at(store, k) = at(store, k - 1);
    at(store, n) = Channel{};
}

bool moveChannels(ChannelStore& store, const std::vector<int>& channels, int delta) {
    if (channels.empty() || (delta != -1 && delta != 1)) return false;
    std::vector<int> sorted = channels;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    const int first = groupFirstChannel(sorted.front());
    const int last = groupLastChannel(sorted.front());
    if (!valid(sorted.front()) || sorted.back() > last || sorted.front() < first) return false;
    if ((delta < 0 && sorted.front() == first) || (delta > 0 && sorted.back() == last)) return false;
    // Each selected channel swaps with its neighbour in the direction of the move, nearest the edge first,
    // so that a block moves as a whole and the channel it passes lands on its other side.
    if (delta > 0) std::reverse(sorted.begin(), sorted.end());
    for (int n : sorted)
        std::swap(at(store, n), at(store, n + delta));
    return true;
}

int setListOnChannels(ChannelStore& store, const std::vector<int>& channels, ChannelList list, int position,
                      std::string_view itemText) {
    int set = 0;
    for (int n : channels)
        if (valid(n) && !store.isEmpty(n) && commitListChoice(store, n, list, position, itemText)) ++set;
    return set;
}

FillResult fillFrequencies(ChannelStore& store, const BandState& band, const std::vector<int>& channels,
                           std::int64_t startHz, std::int64_t stepHz) {
    FillResult result;
    std::int64_t hz = startHz;
    for (int n : channels) {
        const std::string text = hzText(hz);
        hz += stepHz;
        if (!valid(n)) continue;
        Channel& channel = at(store, n);
        const bool simplex = !channel.isEmpty() && channel.txFrequency == channel.rxFrequency;
        const FrequencyCommit commit = commitFrequency(store, band, n, ChannelFrequency::Receive, text);
        if (commit.outcome == FrequencyOutcome::Stored) {
            if (simplex) channel.txFrequency = channel.rxFrequency;
            ++result.filled;
        } else {
            result.refused.emplace_back(n, text);
        }
    }
    return result;
}

void sortByReceiveFrequency(ChannelStore& store, const std::vector<int>& channels) {
    std::vector<int> places;
    for (int n : channels)
        if (valid(n)) places.push_back(n);
    std::sort(places.begin(), places.end());
    places.erase(std::unique(places.begin(), places.end()), places.end());
    std::vector<Channel> records;
    for (int n : places)
        records.push_back(at(store, n));
    std::stable_sort(records.begin(), records.end(), [](const Channel& a, const Channel& b) {
        const auto fa = frequencyOf(a);
        const auto fb = frequencyOf(b);
        if (!fa || !fb) return fa.has_value() && !fb.has_value();  // blank (or unreadable) channels last
        return *fa < *fb;
    });
    for (std::size_t k = 0; k < places.size(); ++k)
        at(store, places[k]) = std::move(records[k]);
}

}  // namespace zrt

#include "config/fm.h"

#include <charconv>

#include "config/typing_rule.h"
#include "image/codecs.h"

namespace zrt {

FmCommit commitFmFrequency(std::string_view typed) {
    if (typed.empty()) return {FmCommitKind::Empty, {}};
    const std::optional<double> f = codec::parseNumber(typed);
    if (!f) return {FmCommitKind::Unchanged, {}};
    if (*f < kFmLowest || *f > kFmHighest) return {FmCommitKind::Refused, {}};
    std::string text = codec::normalizeFmFrequency(typed);
    // Normalising only ever lowers the value; a text that reads as 87 only after binary rounding
    // ("86.99999999999999999") would land below the band.
    const std::optional<double> normalised = codec::parseNumber(text);
    if (!normalised || *normalised < kFmLowest) return {FmCommitKind::Refused, {}};
    return {FmCommitKind::Accepted, std::move(text)};
}

std::optional<char32_t> fmFrequencyKey(char32_t key) {
    if ((key >= U'0' && key <= U'9') || key == U'.' || key == kBackspaceKey) return key;
    return std::nullopt;
}

std::optional<char32_t> fmChannelKey(char32_t key) {
    if ((key >= U'0' && key <= U'9') || key == kBackspaceKey) return key;
    return std::nullopt;
}

std::optional<int> parseFmPresentChannel(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    if (value < 1 || value > kFmChannels) return std::nullopt;
    return value;
}

FmOkResult fmOk(const FmWorkingCopy& working, FmStore& store) {
    FmOkResult result;
    if (const auto channel = parseFmPresentChannel(working.presentChannel)) {
        store.currentChannel = *channel;
    } else if (working.presentChannel != std::to_string(store.currentChannel)) {
        // A refused OK applies nothing, so that what the user sees is either all stored or none of it.
        result.channelRefused = true;
        return result;
    }
    if (working.displayModePosition >= 0 && working.displayModePosition < kFmDisplayModeCount)
        store.displayMode = working.displayModePosition;
    if (working.stepPosition >= 0 && working.stepPosition < kFmStepCount) store.step = working.stepPosition;
    store.vfoFreq = working.vfo;
    for (int i = 0; i < kFmChannels; ++i)
        store.channelFreq[i] = working.cells[i];
    return result;
}

bool FmMessageLine::tick() {
    if (!timerOn) return false;
    if (++ticks < 4) return false;
    ticks = 0;
    visible = false;
    timerOn = false;
    return true;
}

}  // namespace zrt

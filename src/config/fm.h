// The FM broadcast receiver's presets: the FM store (what the transfer carries) and the FM window's
// working copy (what the user edits until OK copies it into the store), with the window's editing rules.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zrt {

inline constexpr int kFmChannels = 25;
inline constexpr int kFmDisplayModeCount = 2;  // Combo1(1): channel, frequency
inline constexpr int kFmStepCount = 3;         // Combo1(2): 50K, 100K, 200K
// The items of the tuning step list, the same in both languages.
inline constexpr std::array<std::string_view, kFmStepCount> kFmStepItems{"50K", "100K", "200K"};
inline constexpr double kFmLowest = 87.0;
inline constexpr double kFmHighest = 107.9;

struct FmStore {
    std::array<std::string, 32> channelFreq;  // FmChannelFreq; channel i at i - 1, i = 1..25
    int currentChannel = 0;                   // FmCurrentChannel
    int displayMode = 0;                      // FmDisplayMode
    int step = 0;                             // FmStep
    std::string vfoFreq;                      // FmVfoFreq
    bool operator==(const FmStore&) const = default;
};

struct FmWorkingCopy {
    std::array<std::string, kFmChannels> cells;  // MSFGrid column 1, rows 1..25
    std::string presentChannel = "0";            // Combo1(0) text: FmCurrentChannel in decimal at load
    int displayModePosition = 0;                 // Combo1(1); -1 when the list has no position
    int stepPosition = 0;                        // Combo1(2); -1 when the list has no position
    std::string vfo;                             // Text2
    bool operator==(const FmWorkingCopy&) const = default;
};

// What leaving a frequency field (a grid cell's editor or the VFO box) does with the typed text.
enum class FmCommitKind {
    Empty,      // "": the field becomes empty
    Unchanged,  // not a number: nothing changes
    Accepted,   // 87.0 <= f <= 107.9: the field becomes `text`
    Refused,    // any other number: the message line is shown and the editor emptied
};

struct FmCommit {
    FmCommitKind kind;
    std::string text;  // the normalised frequency when Accepted
};

FmCommit commitFmFrequency(std::string_view typed);

// Typed characters of the frequency fields: digits, '.' and Backspace; every other key is dropped.
std::optional<char32_t> fmFrequencyKey(char32_t key);
// Typed characters of the present-channel box: digits and Backspace.
std::optional<char32_t> fmChannelKey(char32_t key);

// The present channel as OK takes it: a whole number from 1 to 25 (surrounding blanks allowed).
std::optional<int> parseFmPresentChannel(std::string_view text);

struct FmOkResult {
    bool channelRefused = false;  // the present-channel text was kept out of the store
};

// OK: the working copy into the store. A present channel that is not a whole number 1..25 refuses the
// whole OK (the store keeps every previous value) and is reported, unless the box still shows exactly that
// previous value (an image may hold any byte there, and leaving it untouched must not nag). A list without a
// position keeps the previous value too.
FmOkResult fmOk(const FmWorkingCopy& working, FmStore& store);

// The message line under the grid: shown by a refusal, hidden again at the fourth tick of its one-second
// timer.
struct FmMessageLine {
    bool visible = false;
    bool timerOn = false;
    int ticks = 0;  // kept between ticks; a refusal while shown does not restart the count

    void show() {
        visible = true;
        timerOn = true;
    }
    // One timer tick; true when the line was hidden by it.
    bool tick();
};

}  // namespace zrt

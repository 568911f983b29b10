// The DTMF window's fields and their typing rules. They are not stored in images or data files.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace zrt {

inline constexpr std::size_t kDtmfCodeLength = 16;    // ANI start and end codes, auto-dial memories
inline constexpr std::size_t kDtmfOwnCodeLength = 8;  // own code
inline constexpr int kDtmfAniSendingCount = 3;        // Combo1: start, end, both
inline constexpr int kDtmfRateCount = 2;              // Combo16: fast, slow
inline constexpr int kDtmfDelayCount = 10;            // Combo17: 0, 200 .. 1800 ms
inline constexpr int kDtmfDelayStepMs = 200;
inline constexpr int kDtmfGroupCallCount = 7;  // Combo18: empty, *, #, A..D

struct Dtmf {
    std::array<std::string, 8> autodial;  // Text1(0..7)
    std::string aniStart;                 // Text2
    std::string aniEnd;                   // Text4
    std::string ownCode;                  // Text3
    // Combo1 is a list with free text: the selected item's position, so that a language switch shows the same
    // choice in the other language, or -1 with the typed text.
    int aniSending = 0;
    std::string aniSendingText;
    int rate = 0;             // Combo16
    int firstDigitDelay = 6;  // Combo17, 1200 ms
    int groupCall = 0;        // Combo18
    bool operator==(const Dtmf&) const = default;
};

// StartForm: every list to its default, every code field empty. Run at load and by New.
void dtmfStartForm(Dtmf& dtmf);

// The key filter of the code fields: a..z become upper case, then only 0-9, A-D, * and # and Backspace pass.
// Returns the character to insert (Backspace as '\b'), nothing when the key is discarded.
std::optional<char32_t> dtmfKey(char32_t key);

}  // namespace zrt

// The optional-features window's rules for what is typed: key filters, the checks run when a box loses the
// focus, and the change check of the channel-number boxes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "config/band.h"
#include "config/features.h"

namespace zrt {

inline constexpr char32_t kKeyBackspace = 8;
inline constexpr char32_t kKeyEnter = 13;

// What a key press puts into a box that holds `length` characters of which `selected` are selected (and
// replaced by the key): the character to insert, possibly changed (lower-case letters of the display
// characters are raised), or nothing when the key is discarded. Backspace always passes; Enter never does
// (the boxes that react to Enter run their lost-focus check first). maxLength 0 means no limit.
std::optional<char> filterKey(KeyFilter filter, char32_t key, std::size_t maxLength, std::size_t length,
                              std::size_t selected);

// The same rule for an edit that changes a box from `before` to `after` at once (a paste or a drop):
// `after` with each inserted character passed through the filter, or nothing when one is refused or the
// text grows past maxLength. Characters that were already there are left alone, and a text the program
// put into the box may be longer than maxLength: editing it shorter is allowed.
std::optional<std::string> filterEdit(KeyFilter filter, std::size_t maxLength, std::string_view before,
                                      std::string_view after);

// Lost focus of a VFO frequency box: inside the band (upper limits excluded) the value snapped onto the
// raster with five decimals, otherwise "136.00000".
std::string checkVfoFrequency(std::string_view text, const BandLimits& limits);
// Lost focus of a VFO offset box: at most 99.995, snapped, five decimals.
std::string checkVfoOffset(std::string_view text);
// Lost focus of a channel-number box: the integer part without leading zeros; empty below 1.
std::string checkChannelNumber(std::string_view text);
// Change of a channel-number box: a value above 64 becomes "64"; anything else stays as it is.
std::string channelNumberChange(std::string_view text);

// The leading number of a text as written ("12.5ab" gives "12.5", "ab" gives ""), digits and one point.
std::string_view leadingNumberText(std::string_view text);

}  // namespace zrt

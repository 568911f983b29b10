// The optional-features window's rules for what is typed: key filters, the checks run when a box loses the
// focus, and the change check of the channel-number boxes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "config/band.h"
#include "config/features.h"
#include "config/typing_rule.h"

namespace zrt {

// The boxes' key rules. Backspace passes; Enter does not (the boxes that react to Enter run their lost-focus
// check instead).
std::optional<char32_t> digitKey(char32_t key);      // "0".."9"
std::optional<char32_t> frequencyKey(char32_t key);  // "0".."9" and "."
// "0".."9", "A".."Z" (lower case is raised), "*", "#", "-"
std::optional<char32_t> displayCharKey(char32_t key);

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

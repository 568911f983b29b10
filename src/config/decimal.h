// Decimal numbers as lists of channels write them ("145.500000", ".6", "2.5"), read exactly into whole
// millionths: a frequency in MHz becomes whole Hz, a power in watts whole microwatts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zrt {

// Digits with at most one point and at least one digit; no sign, no blanks, no exponent.
bool isPlainDecimal(std::string_view text);
// A plain decimal of at most six whole digits in millionths, rounded half up at the sixth decimal.
std::optional<long long> parseMillionths(std::string_view text);
// Millionths as a decimal with six places: 145500000 gives "145.500000".
std::string formatMillionths(long long value);

}  // namespace zrt

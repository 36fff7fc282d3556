#pragma once
#include <string>

namespace lumetra {

// Two decimals, "." as decimal point, rounded to nearest, "-" for negatives (not for a value
// that rounds to zero), left-padded to `width` (never cut), then `suffix`.
std::string FormatFixed(double value, int width, const std::string& suffix);

}  // namespace lumetra

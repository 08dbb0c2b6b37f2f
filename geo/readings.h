// SPDX-License-Identifier: GPL-3.0-or-later
// The three ways a field text is read as a number. "." is the decimal point
// whatever the user's locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessaly {

// "45", " 38.5000000", "5.", ".", "1e3"; throws
// "'<text>' is not a valid floating point value" for anything else. An
// exponent beyond the double range is not a number; one below it reads 0.
double ReadDecimal(std::string_view text);

// ReadDecimal, with nothing for a text that is not a number.
std::optional<double> ReadDecimalOr(std::string_view text);

// " 57", "-3", within the 32-bit range; throws
// "'<text>' is not a valid integer value" for anything else, "57 " included.
std::int32_t ReadWholeNumber(std::string_view text);

// ReadWholeNumber, with `fallback` for a text that is not a whole number.
std::int32_t ReadWholeNumberOr(std::string_view text, std::int32_t fallback);

}  // namespace tessaly

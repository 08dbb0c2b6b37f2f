// SPDX-License-Identifier: GPL-3.0-or-later
// The number texts the commands write into fields: always one blank first,
// always "." as the decimal point, whatever the user's locale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tessaly {

// " 38", " 0", " -7".
std::string WholeNumberText(std::int64_t value);

// " 00", " 07", " 45": at least two digits, as a decoded locator's seconds
// show.
std::string TwoDigitText(std::int32_t value);

// Seconds counted in steps of 10^-decimals (0 to 2 decimals): " 7.5" for 75
// tenths, " 07.5" with two whole digits, as a decoded locator shows them.
std::string SecondsText(std::int64_t steps, int decimals, bool two_whole_digits);

// " 38.5000000": rounded to at most 10 significant digits and at most 7
// decimals, halves away from zero, then written with exactly 7 decimals.
// Never "-0.0000000"; a value that is not finite throws TessalyError.
std::string DecimalDegreeText(double degrees);

// " 3542.8": one decimal, rounded to nearest. Never " -0.0"; a value that is
// not finite throws TessalyError.
std::string OneDecimalText(double value);
// The same figure without the blank, appended to `text`: "3542.8".
void AppendOneDecimal(std::string& text, double value);
// The most characters of such a figure: the 309 whole digits of the largest
// double, sign, point, one decimal.
inline constexpr std::size_t kLongestOneDecimal = 320;
// The figure written at `at`, which has room for kLongestOneDecimal
// characters; the end of what it wrote. For a line made of many figures,
// appended once.
char* WriteOneDecimal(char* at, double value);

// A heading with one decimal from "0.0" to "359.9", without the blank: one
// just short of 360 is due north. The distance command's own texts may read
// 360.0; a long path's, the other way round, never does.
std::string CompassHeadingText(double degrees);
// The same written at `at` as WriteOneDecimal writes.
char* WriteCompassHeading(char* at, double degrees);

}  // namespace tessaly

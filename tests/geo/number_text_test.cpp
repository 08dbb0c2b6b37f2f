// SPDX-License-Identifier: GPL-3.0-or-later
// The number texts written into fields: one leading blank, "." always.
#include "geo/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "geo/error.h"
#include "geo/location.h"

namespace tessaly {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(WholeNumberText, IsABlankThenTheSignedNumber) {
  const struct {
    std::int64_t Value;
    const char* Expected;
  } cases[] = {
      {38, " 38"},
      {0, " 0"},
      {-7, " -7"},
      {179, " 179"},
      {std::numeric_limits<std::int64_t>::min(), " -9223372036854775808"},
  };
  for (const auto& c : cases) EXPECT_EQ(WholeNumberText(c.Value), c.Expected);
}

struct TextCase {
  double Value;
  const char* Expected;
};

TEST(DecimalDegreeText, RoundsToSevenDecimalsAndTenDigitsHalvesAwayFromZero) {
  const TextCase cases[] = {
      {38.5, " 38.5000000"},
      {0.0, " 0.0000000"},
      {78.6375, " 78.6375000"},
      {38.0 + 37.0 / 300.0, " 38.1233333"},
      {DmsToDegrees(41, 42, 52), " 41.7144444"},
      {-10.25, " -10.2500000"},
      // Exact halves (k/256 is exact in binary) go away from zero.
      {0.00390625, " 0.0039063"},
      {-0.00390625, " -0.0039063"},
      {38.00390625, " 38.0039063"},
      // Halves decided on the double's exact value: 1.00000005 lies just
      // below the half, 2.00000005 just above.
      {1.00000005, " 1.0000000"},
      {2.00000005, " 2.0000001"},
      {179.99999995, " 179.9999999"},
      {89.99999995, " 90.0000000"},
      {0.99999999, " 1.0000000"},
      // Ten significant digits win over seven decimals.
      {1234.5678951, " 1234.5678950"},
      {1234.56789012, " 1234.5678900"},
      {12345678901.5, " 12345678900.0000000"},
      {9999999999.5, " 10000000000.0000000"},
      {0.000123456789012, " 0.0001235"},
      {1.5e-7, " 0.0000001"},
      {-1.5e-7, " -0.0000001"},
      // Never a negative zero.
      {-4e-8, " 0.0000000"},
      {-0.0, " 0.0000000"},
      {5e-324, " 0.0000000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Expected);
    EXPECT_EQ(DecimalDegreeText(c.Value), c.Expected);
  }
}

TEST(DecimalDegreeText, WritesTheLargestDoubleInFull) {
  const std::string text = DecimalDegreeText(std::numeric_limits<double>::max());
  EXPECT_EQ(text.substr(0, 12), " 17976931350");
  EXPECT_EQ(text.size(), 1u + 309u + 1u + 7u);
  EXPECT_EQ(text.substr(text.size() - 8), ".0000000");
}

TEST(OneDecimalText, RoundsToOneDecimalWithoutNegativeZero) {
  const TextCase cases[] = {
      {3542.84, " 3542.8"}, {6225.27, " 6225.3"},
      {0.0, " 0.0"},        {-0.0, " 0.0"},
      {-0.04, " 0.0"},      {-0.06, " -0.1"},
      {0.06, " 0.1"},       {359.96, " 360.0"},
      {90.0, " 90.0"},      {1e20, " 100000000000000000000.0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Expected);
    EXPECT_EQ(OneDecimalText(c.Value), c.Expected);
  }
}

// The quick way through whole tenths decides every half as std::to_chars
// does on the double's exact value: near the halves, on exact halves (ties
// to even), and at random.
TEST(AppendOneDecimal, RoundsAsToCharsDoes) {
  const auto standard = [](double value) {
    std::array<char, 400> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, 1)
                         .ptr;
    std::string text(buffer.data(), end);
    return text == "-0.0" ? std::string("0.0") : text;
  };
  std::vector<double> values = {0.25, 0.35, -0.25,  2.5,    -3.25, 0.05, -0.05, 899999999999999.94,
                                -0.0, 1e15, 359.95, 6243.85};
  std::mt19937_64 random(1209);
  std::uniform_real_distribution<double> anywhere(-40000.0, 40000.0);
  for (int i = 0; i < 200000; ++i) {
    const double half = std::round(anywhere(random)) / 20;  // k / 20: a half of a tenth
    values.push_back(std::nextafter(half, -1e9));
    values.push_back(half);
    values.push_back(std::nextafter(half, 1e9));
    values.push_back(anywhere(random));
  }
  for (const double value : values) {
    std::string text;
    AppendOneDecimal(text, value);
    ASSERT_EQ(text, standard(value)) << std::hexfloat << value;
  }
}

// A compass heading written into a line after what it holds already: only
// the heading's own "360.0" turns to "0.0", and the end given is the text's.
TEST(WriteCompassHeading, TurnsOnlyItsOwnFullCircleToNorth) {
  struct Case {
    std::string Before;
    double Degrees;
    std::string After;
  };
  const Case cases[] = {
      {"", 359.96, "0.0"},
      {"long path ", 359.96, "long path 0.0"},
      {"long path ", 359.94, "long path 359.9"},
      {"360.0 ", 12.04, "360.0 12.0"},
  };
  for (const Case& c : cases) {
    std::array<char, 16 + kLongestOneDecimal> line{};
    char* const start = std::copy(c.Before.begin(), c.Before.end(), line.data());
    char* const end = WriteCompassHeading(start, c.Degrees);
    EXPECT_EQ(std::string(line.data(), end), c.After) << c.Before << c.Degrees;
    if (c.Before.empty()) {
      EXPECT_EQ(CompassHeadingText(c.Degrees), c.After);
    }
  }
}

TEST(NumberTexts, RefuseValuesThatAreNotFiniteNumbers) {
  for (double value : {kInfinity, -kInfinity, kNaN}) {
    SCOPED_TRACE(value);
    try {
      OneDecimalText(value);
      ADD_FAILURE() << "written";
    } catch (const TessalyError& e) {
      EXPECT_EQ(std::string(e.what()), kInvalidFloatingPointOperation);
    }
    EXPECT_THROW(DecimalDegreeText(value), TessalyError);
  }
}

}  // namespace
}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
// The three readings of a field text; field texts in a comma locale.
#include "geo/readings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "geo/error.h"
#include "geo/number_text.h"
#include "tests/geo/comma_locale.h"

namespace tessaly {
namespace {

constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

struct DecimalCase {
  std::string Text;
  double Expected;
};

const DecimalCase kDecimalNumbers[] = {
    {"45", 45.0},
    {"45.25", 45.25},
    {"5.", 5.0},
    {".5", 0.5},
    {".", 0.0},
    {" 38.5000000", 38.5},
    {"   -12.5   ", -12.5},
    {"+7", 7.0},
    {"-.25", -0.25},
    {"1e3", 1000.0},
    {"1E+3", 1000.0},
    {"2.5e-1", 0.25},
    {"5.e1", 50.0},
    {".e5", 0.0},
    {"007.50", 7.5},
    {"1e-400", 0.0},
    {"-1e-400", 0.0},
    {"0.000001e-320", 0.0},
    {"1e-99999999999999999999", 0.0},
    {"0e99999999999999999999", 0.0},
    {"1.7976931348623157e308", 1.7976931348623157e308},
    {"0.0000000000000000000001e330", 1e308},
};

TEST(ReadDecimal, AcceptsTheDecimalGrammar) {
  for (const auto& c : kDecimalNumbers) {
    SCOPED_TRACE(c.Text);
    EXPECT_EQ(ReadDecimal(c.Text), c.Expected);
  }
}

const std::string kNotDecimalNumbers[] = {
    "",    " ",   "   ",   "..",  "1.2.3", "1,5",   "+",      "-",       "+-1",
    "--1", "1e",  "1e+",   "e5",  "1e5.",  "1 2",   "1\t",    "\t1",     "0x1F",
    "$1F", "inf", "-inf",  "nan", "NaN",   "1e309", "-1e309", "1.8e308", "1e99999999999999",
    "12a", "1d5", "1e5e5", "١",   "1\n",   "5,25",  "4 5",    "1_000",   "0.01e311",
};

TEST(ReadDecimal, RejectsEverythingElseNamingTheWholeText) {
  for (const auto& text : kNotDecimalNumbers) {
    SCOPED_TRACE(text);
    try {
      ReadDecimal(text);
      ADD_FAILURE() << "read as a number";
    } catch (const TessalyError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid floating point value");
    }
  }
}

struct WholeCase {
  std::string Text;
  std::int32_t Expected;
};

TEST(ReadWholeNumber, AcceptsSignedDigitsAfterLeadingBlanks) {
  const WholeCase cases[] = {
      {"57", 57},
      {" 57", 57},
      {"   -7", -7},
      {"+12", 12},
      {"0", 0},
      {"-0", 0},
      {"007", 7},
      {"2147483647", kIntMax},
      {"-2147483648", kIntMin},
      {"+2147483647", kIntMax},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    EXPECT_EQ(ReadWholeNumber(c.Text), c.Expected);
    EXPECT_EQ(ReadWholeNumberOr(c.Text, 99), c.Expected);
  }
}

const std::string kNotWholeNumbers[] = {
    "",   " ",   "57 ", "57.5",  " 38.5000000", "2147483648", "-2147483649", "99999999999999999999",
    "+",  "-",   "+-5", "-+5",   "--5",         "0x1F",       "$1F",         "1e3",
    "5.", "\t5", "5\t", "1 000", "٥",
};

// ReadWholeNumberOr gives the fallback instead.
TEST(ReadWholeNumber, RejectsEverythingElseNamingTheWholeText) {
  for (const auto& text : kNotWholeNumbers) {
    SCOPED_TRACE(text);
    try {
      ReadWholeNumber(text);
      ADD_FAILURE() << "read as a number";
    } catch (const TessalyError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid integer value");
    }
    EXPECT_EQ(ReadWholeNumberOr(text, 0), 0);
    EXPECT_EQ(ReadWholeNumberOr(text, -3), -3);
  }
}

TEST(Readings, RejectAnEmbeddedNulCharacter) {
  EXPECT_THROW(ReadDecimal(std::string("1\0", 2)), TessalyError);
  EXPECT_THROW(ReadWholeNumber(std::string("5\0", 2)), TessalyError);
  EXPECT_THROW(ReadWholeNumber(std::string("\0"
                                           "5",
                                           2)),
               TessalyError);
}

// Field texts are read and written with "." whatever the locale's point.
TEST(FieldTexts, KeepTheirPointWhereTheLocaleUsesAComma) {
  const CommaLocale locale;
  if (!locale.Active()) GTEST_SKIP() << "no locale with a decimal comma is installed";
  EXPECT_EQ(ReadDecimal("38.5"), 38.5);
  EXPECT_EQ(ReadDecimal("1.5e2"), 150.0);
  EXPECT_THROW(ReadDecimal("38,5"), TessalyError);
  EXPECT_EQ(ReadWholeNumber("1234"), 1234);
  EXPECT_EQ(DecimalDegreeText(38.5), " 38.5000000");
  EXPECT_EQ(OneDecimalText(3542.84), " 3542.8");
  EXPECT_EQ(WholeNumberText(1234567), " 1234567");
}

}  // namespace
}  // namespace tessaly

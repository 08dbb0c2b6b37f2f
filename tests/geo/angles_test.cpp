// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting decimal degrees into degrees, minutes and seconds, and back;
// truncation.
#include "geo/angles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "geo/error.h"

namespace tessaly {
namespace {

constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

struct SplitCase {
  double Degrees;
  DmsAngle Expected;
};

TEST(SplitDegrees, TruncatesMinutesRoundsSecondsAndCarriesNothing) {
  const SplitCase cases[] = {
      {41.71444, {41, 42, 52}}, {10.5, {10, 30, 0}},
      {10.9999, {10, 59, 60}},  {0.999999, {0, 59, 60}},
      {10.7, {10, 41, 60}},     {0.3, {0, 18, 0}},
      {0.7, {0, 42, 0}},        {-10.25, {-10, -15, 0}},
      {0.0, {0, 0, 0}},         {179.9999999, {179, 59, 60}},
      {38.5, {38, 30, 0}},      {78.6375, {78, 38, 15}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Degrees);
    EXPECT_EQ(SplitDegrees(c.Degrees), c.Expected);
    EXPECT_EQ(WholeDegrees(c.Degrees), c.Expected.Degrees);
    EXPECT_EQ(WholeMinutes(c.Degrees), c.Expected.Minutes);
    EXPECT_EQ(RoundedSeconds(c.Degrees), c.Expected.Seconds);
  }
}

TEST(DmsToDegrees, AddsMinutesThenSecondsToTheDegrees) {
  EXPECT_EQ(DmsToDegrees(10, 59, 60), 11.0);
  EXPECT_EQ(DmsToDegrees(38, 30, 0), 38.5);
  EXPECT_NEAR(DmsToDegrees(41, 42, 52), 41.714444444, 1e-9);
  // The sum order shows in the last bit: (10 + 31/60) + 3/3600, whereas
  // 10 + (31/60 + 3/3600) or 10 + 1863/3600 give 10.5175.
  EXPECT_EQ(DmsToDegrees(10, 31, 3), 10.517499999999998);
  EXPECT_EQ(DmsToDegrees(DmsAngle{0, 90, -1800}), 1.0);
}

TEST(Truncate, GoesTowardZeroInsideTheThirtyTwoBitRange) {
  const struct {
    double Value;
    std::int32_t Expected;
  } cases[] = {
      {2.7, 2},
      {-2.7, -2},
      {-0.9, 0},
      {2147483647.9, kIntMax},
      {-2147483648.9, kIntMin},
      {-2147483648.0, kIntMin},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Value);
    EXPECT_EQ(Truncate(c.Value), c.Expected);
  }
}

TEST(Truncate, FailsBeyondTheThirtyTwoBitRangeAndForNonNumbers) {
  const double cases[] = {2147483648.0,
                          -2147483649.0,
                          1e300,
                          -1e300,
                          std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::quiet_NaN()};
  for (double value : cases) {
    SCOPED_TRACE(value);
    try {
      Truncate(value);
      ADD_FAILURE() << "no error";
    } catch (const TessalyError& e) {
      EXPECT_EQ(std::string(e.what()), kInvalidFloatingPointOperation);
    }
    EXPECT_THROW(WholeDegrees(value), TessalyError);
    EXPECT_THROW(SplitDegrees(value), TessalyError);
  }
}

}  // namespace
}  // namespace tessaly

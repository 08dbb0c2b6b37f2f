// SPDX-License-Identifier: GPL-3.0-or-later
// The inline arc tangent of a quotient: close to the exact value on both
// sides of the switch at 1/2, and exact where the value is.
#include "geo/arc_tangent.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace tessaly {
namespace {

// How many ulps of the exact value `ours` is from it, the exact value taken
// in long double (eleven more bits than a double).
double UlpsFromExact(double ours, long double exact) {
  const double rounded = static_cast<double>(exact);
  const double ulp = std::nextafter(rounded, INFINITY) - rounded;
  return static_cast<double>(std::fabs(static_cast<long double>(ours) - exact) / ulp);
}

TEST(ArcTangentOfRatio, StaysWithinTwoUlpsOfTheExactValue) {
  std::mt19937_64 random(20261209);
  std::uniform_real_distribution<double> denominator(1e-3, 1.0);
  const struct {
    const char* What;
    double Low, High;  // of the quotient
  } ranges[] = {
      {"tiny quotients", 1e-12, 1e-6},
      {"below one half", 0.0, 0.5},
      {"just above one half", 0.5, 0.5001},
      {"above one half", 0.5, 1.0},
  };
  for (const auto& range : ranges) {
    std::uniform_real_distribution<double> quotient(range.Low, range.High);
    double worst = 0.0;
    for (int i = 0; i < 200000; ++i) {
      const double x = denominator(random);
      const double y = std::min(quotient(random) * x, x);
      const long double exact = std::atan(static_cast<long double>(y) / x);
      worst = std::max(worst, UlpsFromExact(ArcTangentOfRatio(y, x), exact));
    }
    EXPECT_LE(worst, 2.0) << range.What;
  }
}

TEST(ArcTangentOfRatio, IsExactWhereTheValueIs) {
  const struct {
    double Y, X, Angle;
  } cases[] = {
      {0.0, 1.0, 0.0},
      {1e-300, 1.0, 1e-300},
      {5e-324, 0.25, 2e-323},
      {0.3, 0.3, std::numbers::pi / 4},
      {1.0, 1.0, std::numbers::pi / 4},
  };
  for (const auto& c : cases) EXPECT_EQ(ArcTangentOfRatio(c.Y, c.X), c.Angle) << c.Y << "/" << c.X;
}

}  // namespace
}  // namespace tessaly

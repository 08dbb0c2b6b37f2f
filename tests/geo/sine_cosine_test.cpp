// SPDX-License-Identifier: GPL-3.0-or-later
// The inline sine and cosine: within two ulps of the library's wherever a
// path's angles lie and beyond, exact where the values are, and the
// library's own where the quarter turns are too many to take off.
#include "geo/sine_cosine.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <random>

namespace tessaly {
namespace {

// Doubles apart, counted along the number line; the sign counts.
std::int64_t UlpsApart(double a, double b) {
  if (a == b) return 0;
  if (std::signbit(a) != std::signbit(b)) return std::numeric_limits<std::int64_t>::max();
  const auto x = std::bit_cast<std::int64_t>(a), y = std::bit_cast<std::int64_t>(b);
  return x > y ? x - y : y - x;
}

TEST(SinCos, StaysWithinTwoUlpsOfTheLibrary) {
  std::mt19937_64 random(20261209);
  for (const double range : {1e-6, 0.5, std::numbers::pi, 10.0, 1e5}) {
    std::uniform_real_distribution<double> angle(-range, range);
    std::int64_t worst = 0;
    for (int i = 0; i < 200000; ++i) {
      const double x = angle(random);
      const SineCosine ours = SinCos(x);
      worst = std::max({worst, UlpsApart(ours.Sin, std::sin(x)), UlpsApart(ours.Cos, std::cos(x))});
    }
    EXPECT_LE(worst, 2) << "angles up to " << range;
  }
}

TEST(SinCos, GivesTheExactValuesAndTheLibrarysBeyondItsRange) {
  struct Case {
    double Angle;
    double Sin, Cos;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
      {0.0, 0.0, 1.0},
      {-0.0, -0.0, 1.0},
      {1e-300, 1e-300, 1.0},
      {std::numbers::pi / 2, 1.0, std::cos(std::numbers::pi / 2)},
      {-std::numbers::pi, -std::sin(std::numbers::pi), -1.0},
      {1e7, std::sin(1e7), std::cos(1e7)},
      {1e300, std::sin(1e300), std::cos(1e300)},
  };
  for (const Case& c : cases) {
    const SineCosine ours = SinCos(c.Angle);
    EXPECT_LE(UlpsApart(ours.Sin, c.Sin), 1) << c.Angle;
    EXPECT_LE(UlpsApart(ours.Cos, c.Cos), 1) << c.Angle;
  }
  EXPECT_EQ(std::signbit(SinCos(-0.0).Sin), true);
  for (const double x : {nan, std::numeric_limits<double>::infinity()}) {
    EXPECT_TRUE(std::isnan(SinCos(x).Sin) && std::isnan(SinCos(x).Cos)) << x;
  }
}

}  // namespace
}  // namespace tessaly

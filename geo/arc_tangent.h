// SPDX-License-Identifier: GPL-3.0-or-later
// The arc tangent of a quotient of at most 1, the one the distance takes for
// every path: inline and without a branch. The library's atan saves and
// restores the floating-point control register on every call, and reading it
// waits for all arithmetic under way, which took a tenth off the distance.
#pragma once

namespace tessaly {

namespace arc_tangent_detail {

// (atan(u) - u) / u^3 as a polynomial in v = u^2, for |u| <= 1/2: a Chebyshev
// fit on v in [0, 1/4] in quadruple precision, turned into powers of v. The
// first term left out is below 7e-17.
inline constexpr double kTail[] = {
    -0.33333333333333326,  0.19999999999991946,  -0.14285714284161036,  0.11111110993533425,
    -0.090909044783075654, 0.076922004574550812, -0.066650761034805869, 0.058666698188609624,
    -0.051583442406897405, 0.042860393099062415, -0.02899485437704136,  0.011182897447526903,
};
// pi/4 in two parts whose sum is pi/4 to about 2^-107: the part of pi/4 a
// double leaves out would be an ulp of the smaller results.
inline constexpr double kQuarterPi = 0.78539816339744828;
inline constexpr double kQuarterPiTail = 3.061616997868383e-17;

inline double AtanNear(double u) {
  const double v = u * u, v2 = v * v, v4 = v2 * v2, v8 = v4 * v4;
  // In pairs (Estrin's scheme), as the sine and cosine.
  const double tail = ((kTail[0] + v * kTail[1]) + v2 * (kTail[2] + v * kTail[3])) +
                      v4 * ((kTail[4] + v * kTail[5]) + v2 * (kTail[6] + v * kTail[7])) +
                      v8 * ((kTail[8] + v * kTail[9]) + v2 * (kTail[10] + v * kTail[11]));
  return u + u * v * tail;
}

}  // namespace arc_tangent_detail

// atan(y / x) in radians, 0 to pi/4, for 0 <= y <= x, x > 0; within about two
// ulps of the exact value. Above 1/2 the quotient is taken as pi/4 plus the
// arc tangent of (y - x) / (y + x), which lies within -1/3 and 0, and y - x
// is exact there. Which of the two is picked by a factor of 0 or 1, exact in
// every product and sum, since the side of 1/2 follows the positions.
inline double ArcTangentOfRatio(double y, double x) {
  using namespace arc_tangent_detail;
  const double above_half = y > 0.5 * x ? 1.0 : 0.0;
  const double angle = AtanNear((y - above_half * x) / (x + above_half * y));
  return above_half * kQuarterPi + (angle + above_half * kQuarterPiTail);
}

}  // namespace tessaly

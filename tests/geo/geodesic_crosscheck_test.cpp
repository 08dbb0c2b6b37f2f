// SPDX-License-Identifier: GPL-3.0-or-later
// Andoyer's approximation against the exact WGS84 geodesic of GeographicLib.
#include <gtest/gtest.h>
#include <GeographicLib/Geodesic.hpp>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "geo/distance.h"

namespace tessaly {
namespace {

constexpr int kPairs = 4000;
constexpr double kFarthestKm = 15000.0;
constexpr double kMetresPerKm = 1000.0;
constexpr double kMaxDifferenceKm = 0.1;
constexpr double kMaxMedianDifferenceKm = 0.03;

// The distance is computed from radians; GeographicLib gets the degrees those
// very radians stand for (not the degrees they were made from with the
// window's factor), so both measure the same two points.
double TrueDegrees(double radians) {
  return radians * 180.0 / std::numbers::pi;
}

TEST(EllipsoidDistance, StaysCloseToTheExactGeodesicBelowFifteenThousandKilometres) {
  const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
  std::mt19937_64 random(4113);
  // Uniform over the sphere's area, not over latitude.
  std::uniform_real_distribution<double> sine_of_latitude(-1.0, 1.0);
  std::uniform_real_distribution<double> longitude_degrees(-180.0, 180.0);
  auto random_latitude = [&] {
    return std::asin(sine_of_latitude(random)) * 180.0 / std::numbers::pi * kRadiansPerDegree;
  };
  auto random_longitude = [&] { return longitude_degrees(random) * kRadiansPerDegree; };

  std::vector<double> differences;
  double largest = 0.0;
  std::string largest_pair;
  while (static_cast<int>(differences.size()) < kPairs) {
    const double lat1 = random_latitude(), lon1 = random_longitude();
    const double lat2 = random_latitude(), lon2 = random_longitude();
    double exact_metres = 0.0;
    wgs84.Inverse(TrueDegrees(lat1), TrueDegrees(lon1), TrueDegrees(lat2), TrueDegrees(lon2),
                  exact_metres);
    const double exact_km = exact_metres / kMetresPerKm;
    if (exact_km >= kFarthestKm) continue;
    const double difference = std::abs(EllipsoidDistance(lat1, lon1, lat2, lon2) - exact_km);
    differences.push_back(difference);
    if (difference > largest) {
      largest = difference;
      largest_pair = std::to_string(TrueDegrees(lat1)) + "," + std::to_string(TrueDegrees(lon1)) +
                     " to " + std::to_string(TrueDegrees(lat2)) + "," +
                     std::to_string(TrueDegrees(lon2)) + ", " + std::to_string(exact_km) + " km";
    }
  }
  std::nth_element(differences.begin(), differences.begin() + kPairs / 2, differences.end());
  const double median = differences[kPairs / 2];

  std::cout << "Andoyer against WGS84 over " << kPairs << " pairs: largest difference " << largest
            << " km (" << largest_pair << "), median " << median << " km\n";
  RecordProperty("largest_difference_km", std::to_string(largest));
  RecordProperty("median_difference_km", std::to_string(median));
  EXPECT_LT(largest, kMaxDifferenceKm);
  EXPECT_LT(median, kMaxMedianDifferenceKm);
}

}  // namespace
}  // namespace tessaly

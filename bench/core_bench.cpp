// SPDX-License-Identifier: GPL-3.0-or-later
// The locator encoder and decoder and the distance with both headings, each
// over many varied inputs, beside the same work done by Hamlib and
// GeographicLib in the same run.
#include <benchmark/benchmark.h>
#include <hamlib/rig.h>
#include <hamlib/rotator.h>
#include <GeographicLib/Geodesic.hpp>

#include <array>
#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "geo/distance.h"
#include "geo/location.h"
#include "geo/locator.h"

namespace tessaly {
namespace {

// Enough inputs that no branch predictor learns them; a power of two.
constexpr std::size_t kInputCount = 4096;
constexpr std::uint64_t kSeed = 20261208;

// One position: magnitudes as the fields hold them, item indexes, and the
// same position signed in degrees and in radians.
struct Place {
  DmsAngle lat, lon;
  std::int32_t lat_hemisphere, lon_hemisphere;
  double lat_degrees, lon_degrees;
  double lat_radians, lon_radians;
};

const std::vector<Place>& Places() {
  static const std::vector<Place> places = [] {
    std::mt19937_64 random(kSeed);
    auto in = [&random](int low, int high) {
      return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::vector<Place> all(kInputCount);
    for (Place& p : all) {
      p.lat = {in(0, 89), in(0, 59), in(0, 59)};
      p.lon = {in(0, 179), in(0, 59), in(0, 59)};
      p.lat_hemisphere = in(0, 1);
      p.lon_hemisphere = in(0, 1);
      p.lat_degrees = DmsToDegrees(p.lat) * (IsSouth(p.lat_hemisphere) ? -1 : 1);
      p.lon_degrees = DmsToDegrees(p.lon) * (IsWest(p.lon_hemisphere) ? -1 : 1);
      p.lat_radians = p.lat_degrees * kRadiansPerDegree;
      p.lon_radians = p.lon_degrees * kRadiansPerDegree;
    }
    return all;
  }();
  return places;
}

const std::vector<std::string>& Locators() {
  static const std::vector<std::string> locators = [] {
    std::vector<std::string> all;
    for (const Place& p : Places()) {
      all.push_back(LatLonToLocator(p.lat.Degrees, p.lat.Minutes, p.lat.Seconds, p.lat_hemisphere,
                                    p.lon.Degrees, p.lon.Minutes, p.lon.Seconds, p.lon_hemisphere));
    }
    return all;
  }();
  return locators;
}

// The next input, round and round.
std::size_t Next(std::size_t i) {
  return (i + 1) & (kInputCount - 1);
}

void Encode(benchmark::State& state) {
  const std::vector<Place>& places = Places();
  std::size_t i = 0;
  for (auto _ : state) {
    const Place& p = places[i];
    benchmark::DoNotOptimize(LatLonToLocator(p.lat.Degrees, p.lat.Minutes, p.lat.Seconds,
                                             p.lat_hemisphere, p.lon.Degrees, p.lon.Minutes,
                                             p.lon.Seconds, p.lon_hemisphere));
    i = Next(i);
  }
}
BENCHMARK(Encode);

void HamlibEncode(benchmark::State& state) {
  rig_set_debug(RIG_DEBUG_NONE);
  const std::vector<Place>& places = Places();
  constexpr int kPairs = 3;  // six characters
  std::array<char, 2 * kPairs + 1> locator{};
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        longlat2locator(places[i].lon_degrees, places[i].lat_degrees, locator.data(), kPairs));
    benchmark::DoNotOptimize(locator);
    i = Next(i);
  }
}
BENCHMARK(HamlibEncode);

void Decode(benchmark::State& state) {
  const std::vector<std::string>& locators = Locators();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(LocatorToLatLon(locators[i]));
    i = Next(i);
  }
}
BENCHMARK(Decode);

void HamlibDecode(benchmark::State& state) {
  rig_set_debug(RIG_DEBUG_NONE);
  std::vector<std::string> locators;
  // Hamlib takes the locator without the leading blank.
  for (const std::string& locator : Locators()) locators.push_back(locator.substr(1));
  std::size_t i = 0;
  double longitude = 0;
  double latitude = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(locator2longlat(&longitude, &latitude, locators[i].c_str()));
    benchmark::DoNotOptimize(longitude);
    benchmark::DoNotOptimize(latitude);
    i = Next(i);
  }
}
BENCHMARK(HamlibDecode);

void DistanceAndHeadings(benchmark::State& state) {
  const std::vector<Place>& places = Places();
  std::size_t i = 0;
  for (auto _ : state) {
    const Place& a = places[i];
    const Place& b = places[Next(i)];
    benchmark::DoNotOptimize(
        MeasurePath(a.lat_radians, a.lon_radians, b.lat_radians, b.lon_radians));
    i = Next(i);
  }
}
BENCHMARK(DistanceAndHeadings);

// Distance and the forward azimuth only.
void HamlibQrb(benchmark::State& state) {
  rig_set_debug(RIG_DEBUG_NONE);
  const std::vector<Place>& places = Places();
  std::size_t i = 0;
  double distance = 0;
  double azimuth = 0;
  for (auto _ : state) {
    const Place& a = places[i];
    const Place& b = places[Next(i)];
    benchmark::DoNotOptimize(
        qrb(a.lon_degrees, a.lat_degrees, b.lon_degrees, b.lat_degrees, &distance, &azimuth));
    benchmark::DoNotOptimize(distance);
    benchmark::DoNotOptimize(azimuth);
    i = Next(i);
  }
}
BENCHMARK(HamlibQrb);

// The exact geodesic: distance and both azimuths.
void GeographicLibInverse(benchmark::State& state) {
  const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
  const std::vector<Place>& places = Places();
  std::size_t i = 0;
  double metres = 0;
  double forward = 0;
  double reverse = 0;
  for (auto _ : state) {
    const Place& a = places[i];
    const Place& b = places[Next(i)];
    benchmark::DoNotOptimize(wgs84.Inverse(a.lat_degrees, a.lon_degrees, b.lat_degrees,
                                           b.lon_degrees, metres, forward, reverse));
    benchmark::DoNotOptimize(metres);
    benchmark::DoNotOptimize(forward);
    benchmark::DoNotOptimize(reverse);
    i = Next(i);
  }
}
BENCHMARK(GeographicLibInverse);

}  // namespace
}  // namespace tessaly

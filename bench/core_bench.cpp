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
#include <map>
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
  DmsAngle Lat, Lon;
  std::int32_t LatHemisphere, LonHemisphere;
  double LatDegrees, LonDegrees;
};

const std::vector<Place>& Places() {
  static const std::vector<Place> places = [] {
    std::mt19937_64 random(kSeed);
    auto in = [&random](int low, int high) {
      return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::vector<Place> all(kInputCount);
    for (Place& p : all) {
      p.Lat = {in(0, 89), in(0, 59), in(0, 59)};
      p.Lon = {in(0, 179), in(0, 59), in(0, 59)};
      p.LatHemisphere = in(0, 1);
      p.LonHemisphere = in(0, 1);
      p.LatDegrees = DmsToDegrees(p.Lat) * (IsSouth(p.LatHemisphere) ? -1 : 1);
      p.LonDegrees = DmsToDegrees(p.Lon) * (IsWest(p.LonHemisphere) ? -1 : 1);
    }
    return all;
  }();
  return places;
}

// The places' locators of `characters`, one set a length.
const std::vector<std::string>& Locators(int characters) {
  static std::map<int, std::vector<std::string>> by_length;
  std::vector<std::string>& all = by_length[characters];
  if (all.empty()) {
    for (const Place& p : Places()) {
      all.push_back(LatLonToLocator(p.Lat.Degrees, p.Lat.Minutes, p.Lat.Seconds, p.LatHemisphere,
                                    p.Lon.Degrees, p.Lon.Minutes, p.Lon.Seconds, p.LonHemisphere,
                                    characters));
    }
  }
  return all;
}

// The next input, round and round.
std::size_t Next(std::size_t i) {
  return (i + 1) & (kInputCount - 1);
}

// Each at every length the window writes, against Hamlib at the same length.
void LocatorLengths(benchmark::internal::Benchmark* benchmark) {
  for (int characters = kDefaultCharacters; characters <= kMostCharacters; characters += 2) {
    benchmark->Arg(characters);
  }
}

void Encode(benchmark::State& state) {
  const std::vector<Place>& places = Places();
  const auto characters = static_cast<int>(state.range(0));
  std::size_t i = 0;
  for (auto _ : state) {
    const Place& p = places[i];
    benchmark::DoNotOptimize(LatLonToLocator(p.Lat.Degrees, p.Lat.Minutes, p.Lat.Seconds,
                                             p.LatHemisphere, p.Lon.Degrees, p.Lon.Minutes,
                                             p.Lon.Seconds, p.LonHemisphere, characters));
    i = Next(i);
  }
}
BENCHMARK(Encode)->Apply(LocatorLengths);

void HamlibEncode(benchmark::State& state) {
  rig_set_debug(RIG_DEBUG_NONE);
  const std::vector<Place>& places = Places();
  const auto pairs = static_cast<int>(state.range(0) / 2);
  std::array<char, kMostCharacters + 1> locator{};
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        longlat2locator(places[i].LonDegrees, places[i].LatDegrees, locator.data(), pairs));
    benchmark::DoNotOptimize(locator);
    i = Next(i);
  }
}
BENCHMARK(HamlibEncode)->Apply(LocatorLengths);

void Decode(benchmark::State& state) {
  const auto characters = static_cast<int>(state.range(0));
  const std::vector<std::string>& locators = Locators(characters);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(LocatorToLatLon(locators[i], characters));
    i = Next(i);
  }
}
BENCHMARK(Decode)->Apply(LocatorLengths);

void HamlibDecode(benchmark::State& state) {
  rig_set_debug(RIG_DEBUG_NONE);
  std::vector<std::string> locators;
  // Hamlib takes the locator without the leading blank.
  for (const std::string& locator : Locators(static_cast<int>(state.range(0)))) {
    locators.push_back(locator.substr(1));
  }
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
BENCHMARK(HamlibDecode)->Apply(LocatorLengths);

void DistanceAndHeadings(benchmark::State& state) {
  const std::vector<Place>& places = Places();
  std::size_t i = 0;
  for (auto _ : state) {
    const Place& a = places[i];
    const Place& b = places[Next(i)];
    benchmark::DoNotOptimize(
        MeasurePath({a.LatDegrees, a.LonDegrees}, {b.LatDegrees, b.LonDegrees}));
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
        qrb(a.LonDegrees, a.LatDegrees, b.LonDegrees, b.LatDegrees, &distance, &azimuth));
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
    benchmark::DoNotOptimize(wgs84.Inverse(a.LatDegrees, a.LonDegrees, b.LatDegrees, b.LonDegrees,
                                           metres, forward, reverse));
    benchmark::DoNotOptimize(metres);
    benchmark::DoNotOptimize(forward);
    benchmark::DoNotOptimize(reverse);
    i = Next(i);
  }
}
BENCHMARK(GeographicLibInverse);

}  // namespace
}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
// Degrees, minutes and seconds with hemisphere choices to a Maidenhead locator.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "geo/location.h"
#include "geo/locator.h"
#include "tests/geo/locator_cells.h"

namespace tessaly {
namespace {

constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

struct Position {
  std::int32_t LatD, LatM, LatS, LatH, LonD, LonM, LonS, LonH;
};

std::string Encode(const Position& p) {
  return LatLonToLocator(p.LatD, p.LatM, p.LatS, p.LatH, p.LonD, p.LonM, p.LonS, p.LonH);
}

struct EncodeCase {
  const char* Name;
  Position Input;
  const char* Expected;
};

TEST(LatLonToLocator, EncodesKnownPlacesAndEdges) {
  const EncodeCase cases[] = {
      // Ordinary field inputs are checked cell by cell further down.
      {"Connecticut", {41, 42, 52, kNorth, 72, 43, 37, kWest}, " FN31pr"},
      {"no selection is north and east", {0, 0, 0, kNoSelection, 0, 0, 0, kNoSelection}, " JJ00aa"},
      {"sign of the degrees ignored", {-41, 42, 52, kNorth, -72, 43, 37, kWest}, " FN31pr"},
      {"other indexes are north and east", {0, 0, 0, 2, 0, 0, 0, kIntMin}, " JJ00aa"},
      {"the limits north east", {90, 0, 0, kNorth, 180, 0, 0, kEast}, " RR99xx"},
      {"the limits south west", {90, 0, 0, kSouth, 180, 0, 0, kWest}, " AA00aa"},
      {"negative limits, no selection",
       {-90, 0, 0, kNoSelection, -180, 0, 0, kNoSelection},
       " RR99xx"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(Encode(c.Input), c.Expected);
  }
}

struct EquivalentCase {
  const char* Name;
  Position Given;
  Position SameAs;
};

// 60 seconds, which the decimal split gives, and the plain limits are checked
// above and below.
TEST(LatLonToLocator, CarriesPartsOutOfRangeBeforeEncoding) {
  const EquivalentCase cases[] = {
      {"seconds only", {0, 0, 3600, kNorth, 0, 0, 7260, kEast}, {1, 0, 0, kNorth, 2, 1, 0, kEast}},
      {"minutes only", {0, 90, 0, kNorth, 0, 150, 0, kWest}, {1, 30, 0, kNorth, 2, 30, 0, kWest}},
      {"negative minutes count back",
       {5, -30, 0, kNorth, 5, -1, 0, kEast},
       {4, 30, 0, kNorth, 4, 59, 0, kEast}},
      {"negative seconds count back",
       {5, 0, -1, kSouth, 100, 0, -61, kWest},
       {4, 59, 59, kSouth, 99, 58, 59, kWest}},
      {"negative degrees add their minutes",
       {-5, 30, 0, kNorth, -170, 30, 0, kWest},
       {5, 30, 0, kNorth, 170, 30, 0, kWest}},
      {"beyond the 32-bit range on the way",
       {596600, -35791394, 0, kNorth, 0, 0, 0, kEast},
       {76, 46, 0, kNorth, 0, 0, 0, kEast}},
      {"exactly 90 south is the bottom row",
       {0, 5400, 0, kSouth, 0, 0, 0, kEast},
       {89, 59, 59, kSouth, 0, 0, 0, kEast}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string locator = Encode(c.Given);
    EXPECT_TRUE(IsValidLocatorText(locator)) << locator;
    EXPECT_EQ(locator, Encode(c.SameAs));
  }
}

TEST(LatLonToLocator, ReportsAnErrorBeyondTheLimitsOrBelowZero) {
  const EncodeCase cases[] = {
      {"one second past 90", {90, 0, 1, kNorth, 0, 0, 0, kEast}, " Error!"},
      {"91 south", {91, 0, 0, kSouth, 0, 0, 0, kEast}, " Error!"},
      {"one second past 180", {0, 0, 0, kNorth, 180, 0, 1, kWest}, " Error!"},
      {"181 east", {0, 0, 0, kNorth, 181, 0, 0, kEast}, " Error!"},
      {"negative latitude minutes", {0, -1, 0, kNorth, 0, 0, 0, kEast}, " Error!"},
      {"negative longitude seconds", {0, 0, 0, kNorth, 0, 0, -1, kEast}, " Error!"},
      {"smallest latitude degrees", {kIntMin, 0, 0, kNorth, 0, 0, 0, kEast}, " Error!"},
      {"largest latitude degrees", {kIntMax, 0, 0, kNorth, 0, 0, 0, kEast}, " Error!"},
      {"smallest latitude minutes", {0, kIntMin, 0, kSouth, 0, 0, 0, kEast}, " Error!"},
      {"largest latitude minutes", {0, kIntMax, 0, kSouth, 0, 0, 0, kEast}, " Error!"},
      {"smallest latitude seconds", {0, 0, kIntMin, kNorth, 0, 0, 0, kEast}, " Error!"},
      {"largest latitude seconds", {0, 0, kIntMax, kNorth, 0, 0, 0, kEast}, " Error!"},
      {"smallest longitude degrees", {0, 0, 0, kNorth, kIntMin, 0, 0, kWest}, " Error!"},
      {"largest longitude minutes", {0, 0, 0, kNorth, 0, kIntMax, 0, kWest}, " Error!"},
      {"smallest longitude seconds", {0, 0, 0, kNorth, 0, 0, kIntMin, kEast}, " Error!"},
      {"every part at its extreme",
       {kIntMin, kIntMin, kIntMin, kIntMin, kIntMin, kIntMax, kIntMax, kIntMax},
       " Error!"},
      {"extremes that cancel to below zero",
       {kIntMax, kIntMin, kIntMin, kNorth, 0, 0, 0, kEast},
       " Error!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(Encode(c.Input), c.Expected);
  }
}

// Every degree the fields accept, every minute and a spread of seconds
// (60 included, which the decimal split can produce), both hemispheres; the
// other coordinate varies along. Each result must be the cell that holds the
// point, worked out in whole seconds.
TEST(LatLonToLocator, PlacesEveryFieldInputInTheCellThatHoldsIt) {
  const std::int32_t seconds[] = {0, 1, 29, 30, 31, 59, 60};
  for (std::int32_t degrees = 0; degrees < 180; ++degrees) {
    for (std::int32_t minutes = 0; minutes < 60; ++minutes) {
      for (std::int32_t second : seconds) {
        for (std::int32_t hemisphere : {0, 1}) {
          const std::int64_t magnitude = degrees * 3600LL + minutes * 60 + second;
          const std::int64_t lon_seconds = std::min(magnitude, kLongitudeLimitSeconds - 1);
          // The latitude runs through its range 2.5 times faster, so
          // it meets many longitudes.
          const std::int64_t lat_seconds = magnitude * 5 / 2 % kLatitudeLimitSeconds;
          const auto lat = static_cast<std::int32_t>(lat_seconds);
          const std::int32_t lat_hemisphere = (degrees + minutes) % 2;
          const std::string locator =
              LatLonToLocator(0, 0, lat, lat_hemisphere, degrees, minutes, second, hemisphere);
          ASSERT_TRUE(IsValidLocatorText(locator)) << degrees << " " << minutes << " " << second;
          ASSERT_EQ(locator, ExpectedLocator(lat_seconds, lat_hemisphere == kSouth, lon_seconds,
                                             hemisphere == kWest))
              << "longitude " << degrees << " " << minutes << " " << second << " " << hemisphere;
          if (degrees >= 90) continue;
          const std::string by_latitude =
              LatLonToLocator(degrees, minutes, second, hemisphere, 0, 0, lat, lat_hemisphere);
          ASSERT_TRUE(IsValidLocatorText(by_latitude));
          ASSERT_EQ(by_latitude,
                    ExpectedLocator(std::min(magnitude, kLatitudeLimitSeconds - 1),
                                    hemisphere == kSouth, lat_seconds, lat_hemisphere == kWest))
              << "latitude " << degrees << " " << minutes << " " << second << " " << hemisphere;
        }
      }
    }
  }
}

}  // namespace
}  // namespace tessaly

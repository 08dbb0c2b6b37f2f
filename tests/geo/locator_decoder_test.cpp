// SPDX-License-Identifier: GPL-3.0-or-later
// A Maidenhead locator to the centre of its cell, and back again.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "geo/location.h"
#include "geo/locator.h"

namespace tessaly {
namespace {

// A decoded magnitude in whole degrees, minutes and seconds (below 8
// characters it lies on whole seconds).
DmsAngle Parts(ArcUnits magnitude) {
  const std::int64_t seconds = magnitude / kArcUnitsPerSecond;
  return {static_cast<std::int32_t>(seconds / 3600), static_cast<std::int32_t>(seconds / 60 % 60),
          static_cast<std::int32_t>(seconds % 60)};
}

struct DecodeCase {
  std::string Text;
  std::string Locator;
  DmsAngle Lat;
  std::int32_t LatHemisphere;
  DmsAngle Lon;
  std::int32_t LonHemisphere;
};

TEST(LocatorToLatLon, GivesTheCentreOfTheCell) {
  const DecodeCase cases[] = {
      {"FN31pr", " FN31pr", {41, 43, 45}, kNorth, {72, 42, 30}, kWest},
      {"fn31PR", " FN31pr", {41, 43, 45}, kNorth, {72, 42, 30}, kWest},
      {"FN31pr12", " FN31pr", {41, 43, 45}, kNorth, {72, 42, 30}, kWest},
      {"FN31pr   ", " FN31pr", {41, 43, 45}, kNorth, {72, 42, 30}, kWest},
      {" FN31pr12", " FN31pr", {41, 43, 45}, kNorth, {72, 42, 30}, kWest},
      {" fn31", " FN31", {41, 30, 0}, kNorth, {73, 0, 0}, kWest},
      {"QF56od", " QF56od", {33, 51, 15}, kSouth, {151, 12, 30}, kEast},
      {"QF56", " QF56", {33, 30, 0}, kSouth, {151, 0, 0}, kEast},
      {"JJ00aa", " JJ00aa", {0, 1, 15}, kNorth, {0, 2, 30}, kEast},
      {"II99xx", " II99xx", {0, 1, 15}, kSouth, {0, 2, 30}, kWest},
      {"JJ00", " JJ00", {0, 30, 0}, kNorth, {1, 0, 0}, kEast},
      {"II99", " II99", {0, 30, 0}, kSouth, {1, 0, 0}, kWest},
      {"AA00aa", " AA00aa", {89, 58, 45}, kSouth, {179, 57, 30}, kWest},
      {"RR99xx", " RR99xx", {89, 58, 45}, kNorth, {179, 57, 30}, kEast},
      {"JJ00mb", " JJ00mb", {0, 3, 45}, kNorth, {1, 2, 30}, kEast},
      {"II99lw", " II99lw", {0, 3, 45}, kSouth, {1, 2, 30}, kWest},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    const std::optional<DecodedLocator> decoded = LocatorToLatLon(c.Text);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(LocatorText(decoded->Cell), c.Locator);
    EXPECT_EQ(Parts(decoded->Lat), c.Lat);
    EXPECT_EQ(decoded->LatHemisphere, c.LatHemisphere);
    EXPECT_EQ(Parts(decoded->Lon), c.Lon);
    EXPECT_EQ(decoded->LonHemisphere, c.LonHemisphere);
  }
}

TEST(LocatorToLatLon, RejectsEverythingThatIsNotALocator) {
  const std::string cases[] = {
      "",
      " ",
      "  FN31pr",
      "FN31p",
      " FN31p",
      "FN31 ",
      "FN3",
      "FN",
      "SA00aa",
      "AS00aa",
      "FN31py",
      "FN31yr",
      "FN3A",
      "1N31pr",
      "F131pr",
      "FN31p ",
      "FN31 r",
      "F N31pr",
      "\tFN31pr",
      " Error!",
      "Error!",
      "\xC6N31pr",
      "FN31p\xE9",
      "fn31\xE0r",
      std::string("FN31\0r", 6),
      std::string("FN\0"
                  "1pr",
                  6),
      "FN31p1",
      "FN3132",
      "ZZ99zz",
      "@N31pr",
      "[N31pr",
      "FN31@r",
      "FN31{r",
  };
  for (const auto& text : cases) {
    EXPECT_FALSE(LocatorToLatLon(text).has_value()) << text;
  }
}

// A decoded position as signed whole seconds, north and east positive.
struct Seconds {
  std::int64_t Lat;
  std::int64_t Lon;
};

std::int64_t SignedSeconds(const DmsAngle& angle, bool negative) {
  const std::int64_t seconds =
      angle.Degrees * std::int64_t{3600} + angle.Minutes * 60 + angle.Seconds;
  return negative ? -seconds : seconds;
}

Seconds DecodedSeconds(const DecodedLocator& d) {
  return {SignedSeconds(Parts(d.Lat), d.LatHemisphere == kSouth),
          SignedSeconds(Parts(d.Lon), d.LonHemisphere == kWest)};
}

std::string Reencode(const DecodedLocator& d) {
  const DmsAngle lat = Parts(d.Lat), lon = Parts(d.Lon);
  return LatLonToLocator(lat.Degrees, lat.Minutes, lat.Seconds, d.LatHemisphere, lon.Degrees,
                         lon.Minutes, lon.Seconds, d.LonHemisphere);
}

// The round trip over the inputs the fields accept: every encoded locator
// decodes to a cell that holds the point (a point on an edge lies on the
// cell's border) and its centre encodes to the same locator.
TEST(LocatorRoundTrip, EncodedFieldInputsDecodeToTheirCellAndBack) {
  constexpr std::int64_t kHalfCellLatSeconds = 75;
  constexpr std::int64_t kHalfCellLonSeconds = 150;
  const std::int32_t seconds[] = {0, 1, 30, 59};
  for (std::int32_t lon_degrees = 0; lon_degrees < 180; ++lon_degrees) {
    for (std::int32_t minutes = 0; minutes < 60; ++minutes) {
      for (std::int32_t second : seconds) {
        for (std::int32_t lon_hemisphere : {kWest, kEast}) {
          const std::int32_t lat_degrees = (lon_degrees + minutes) % 90;
          const std::int32_t lat_minutes = (minutes * 7) % 60;
          const std::int32_t lat_hemisphere = (minutes + second) % 2;
          const std::string locator =
              LatLonToLocator(lat_degrees, lat_minutes, second, lat_hemisphere, lon_degrees,
                              minutes, second, lon_hemisphere);
          const std::optional<DecodedLocator> found = LocatorToLatLon(locator);
          ASSERT_TRUE(found.has_value()) << locator;
          const DecodedLocator& decoded = *found;
          ASSERT_EQ(LocatorText(decoded.Cell), locator);
          // A 2.5' row's centre lies 1' 15" from its edge, a 5' column's 2' 30".
          EXPECT_TRUE(Parts(decoded.Lat).Seconds == 15 || Parts(decoded.Lat).Seconds == 45)
              << locator;
          EXPECT_EQ(Parts(decoded.Lon).Seconds, 30) << locator;
          const Seconds centre = DecodedSeconds(decoded);
          const std::int64_t lat = lat_degrees * 3600LL + lat_minutes * 60 + second;
          const std::int64_t lon = lon_degrees * 3600LL + minutes * 60 + second;
          EXPECT_LE(std::abs((lat_hemisphere == kSouth ? -lat : lat) - centre.Lat),
                    kHalfCellLatSeconds)
              << locator;
          EXPECT_LE(std::abs((lon_hemisphere == kWest ? -lon : lon) - centre.Lon),
                    kHalfCellLonSeconds)
              << locator;
          ASSERT_EQ(Reencode(decoded), locator);
        }
      }
    }
  }
}

// Every square, as a four-character locator, decodes to a centre in that
// square: the sub-squares it re-encodes to belong to it.
TEST(LocatorRoundTrip, EverySquaresCentreEncodesToTheSameSquare) {
  for (char lon_field = 'A'; lon_field <= 'R'; ++lon_field) {
    for (char lat_field = 'A'; lat_field <= 'R'; ++lat_field) {
      for (char lon_square = '0'; lon_square <= '9'; ++lon_square) {
        for (char lat_square = '0'; lat_square <= '9'; ++lat_square) {
          const std::string square{lon_field, lat_field, lon_square, lat_square};
          const std::optional<DecodedLocator> decoded = LocatorToLatLon(square);
          ASSERT_TRUE(decoded.has_value()) << square;
          ASSERT_EQ(LocatorText(decoded->Cell), " " + square);
          ASSERT_EQ(Reencode(*decoded).substr(0, 5), " " + square);
        }
      }
    }
  }
}

}  // namespace
}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
// Locators of 8, 10 and 12 characters: decoded and encoded against values
// worked out elsewhere, the lengths read, and every locator of a point the
// prefix of its longer ones.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "geo/locator.h"

namespace tessaly {
namespace {

// Centres published by peers, to their six decimals: a Python ham radio
// library's tests (JN48qm84, EM69sf53) and a rotator tool's manual
// (AA55aa00aa00); the rest worked out by hand from the cell sizes.
TEST(LongLocators, DecodeToTheCentreOfTheirCell) {
  struct Case {
    const char* Text;
    int Characters;
    const char* Rewritten;
    double Lat, Lon;
  };
  const Case cases[] = {
      {"JN48qm84", 8, " JN48qm84", 48.518750, 9.404167},
      {"EM69sf53", 8, " EM69sf53", 39.222917, -86.454167},
      {"AA55aa00aa00", 12, " AA55aa00aa00", -84.999991, -169.999983},
      {"jo62QM45AB12", 12, " JO62qm45ab12", 52.521050, 13.366719},
      // Either side of the equator and the prime meridian: 7.5 s and 15 s
      // from the corner, then 0.3125 s and 0.625 s.
      {"JJ00aa00", 8, " JJ00aa00", 7.5 / 3600, 15.0 / 3600},
      {"II99xx99xx", 10, " II99xx99xx", -0.3125 / 3600, -0.625 / 3600},
      // The cells at the poles and beside the 180th meridian.
      {"RR99xx99xx99", 12, " RR99xx99xx99", 90 - 0.03125 / 3600, 180 - 0.0625 / 3600},
      {"AA00aa00aa00", 12, " AA00aa00aa00", -90 + 0.03125 / 3600, -180 + 0.0625 / 3600},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text);
    const std::optional<DecodedLocator> decoded = LocatorToLatLon(c.Text, c.Characters);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(LocatorText(decoded->Cell), c.Rewritten);
    EXPECT_NEAR(decoded->Centre().Lat, c.Lat, 5e-7);
    EXPECT_NEAR(decoded->Centre().Lon, c.Lon, 5e-7);
  }
}

// From 6 characters on, the first min(length, precision) characters, cut
// down to an even count; a text that is no locator at the length read is
// none.
TEST(LongLocators, AreReadToThePrecisionAndAnEvenLength) {
  const struct {
    const char* Text;
    int Characters;
    const char* Read;  // nullptr: no locator
  } cases[] = {
      {"JO62qm45", 6, " JO62qm"},
      {"JO62qm45", 8, " JO62qm45"},
      {"JO62qm4", 8, " JO62qm"},
      {"JO62qm45ab1", 12, " JO62qm45ab"},
      {" JO62qm45ab12x", 12, " JO62qm45ab12"},
      {"JO62", 12, " JO62"},
      {"JO62qm4x", 8, nullptr},
      {"JO62qm4x", 6, " JO62qm"},
      {"JO62qm45yb", 10, nullptr},
      {"JO62qm45a", 10, " JO62qm45"},
      {"JO62q", 12, nullptr},
      {"JO62qm45ab1x", 12, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Text) + " at " + std::to_string(c.Characters));
    const std::optional<DecodedLocator> decoded = LocatorToLatLon(c.Text, c.Characters);
    ASSERT_EQ(decoded.has_value(), c.Read != nullptr);
    if (decoded) {
      EXPECT_EQ(LocatorText(decoded->Cell), c.Read);
    }
  }
}

// Worked out with exact fractions apart from this program.
TEST(LongLocators, EncodePositionsAtEveryLength) {
  const struct {
    SignedPosition Position;
    const char* Twelve;
  } cases[] = {
      {{41.7144444, -72.7275}, " FN31pr21ql71"},
      {{-33.8688, 151.2093}, " QF56od51cl77"},
      {{51.477811, -0.001475}, " IO91xl94tq71"},
      {{0, 0}, " JJ00aa00aa00"},
      {{-0.0000001, -0.0000001}, " II99xx99xx99"},
      {{90, 180}, " RR99xx99xx99"},
      {{-90, -180}, " AA00aa00aa00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Twelve);
    for (int characters = kSquareCharacters; characters <= kMostCharacters; characters += 2) {
      const std::optional<LocatorCell> cell = CellOfPosition(c.Position, characters);
      ASSERT_TRUE(cell.has_value());
      EXPECT_EQ(LocatorText(*cell), std::string(c.Twelve).substr(0, characters + 1));
    }
  }
  EXPECT_FALSE(CellOfPosition({90.0000001, 0}, 12).has_value());
  EXPECT_FALSE(CellOfPosition({0, -180.0000001}, 8).has_value());
}

// Truncation at every pair: a point's shorter locators are the prefixes of
// its longer ones, in both hemispheres and on the cells' very edges.
TEST(LongLocators, AShorterLocatorIsThePrefixOfALongerOne) {
  std::mt19937_64 random(19);
  std::uniform_int_distribution<std::int32_t> degrees(0, 89), minutes(0, 59), seconds(0, 59);
  std::uniform_int_distribution<std::int32_t> hemisphere(-1, 1);
  for (int i = 0; i < 50000; ++i) {
    const std::int32_t d1 = degrees(random), m1 = minutes(random), s1 = seconds(random);
    const std::int32_t d2 = degrees(random) * 2, m2 = minutes(random), s2 = seconds(random);
    const std::int32_t h1 = hemisphere(random), h2 = hemisphere(random);
    const std::string twelve = LatLonToLocator(d1, m1, s1, h1, d2, m2, s2, h2, 12);
    for (int characters : {4, 6, 8, 10}) {
      ASSERT_EQ(LatLonToLocator(d1, m1, s1, h1, d2, m2, s2, h2, characters),
                twelve.substr(0, characters + 1));
    }
  }
  // Every edge of a 12-character cell along a degree of latitude, south.
  for (ArcUnits lat = 0; lat <= kArcUnitsPerDegree; lat += kArcUnitsPerSecond / 16) {
    const std::string twelve = LocatorText(*CellOf(lat, true, lat, true, 12));
    for (int characters : {4, 6, 8, 10}) {
      ASSERT_EQ(LocatorText(*CellOf(lat, true, lat, true, characters)),
                twelve.substr(0, characters + 1));
    }
  }
}

}  // namespace
}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the coastline file: whole files only, never past their end.
#include "geo/coastline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace tessaly {
namespace {

std::string Word(std::uint32_t value) {
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>(value >> shift & 0xFF);
  return bytes;
}

std::string Point(std::int32_t lon, std::int32_t lat) {
  return Word(static_cast<std::uint32_t>(lon)) + Word(static_cast<std::uint32_t>(lat));
}

// One triangle: 90 W on the equator, the north pole, 45 E at 30 S.
const std::string kTriangle = "TLND" + Word(1) + Word(1) + Word(3) + Point(-90'000'000, 0) +
                              Point(0, 90'000'000) + Point(45'000'000, -30'000'000);

TEST(ReadCoastline, ReadsRingsOfMicrodegreesOnTheUnitSphere) {
  const std::optional<Coastline> coastline = ReadCoastline(kTriangle);
  ASSERT_TRUE(coastline);
  ASSERT_EQ(coastline->Rings.size(), 1u);
  const std::vector<UnitVector>& ring = coastline->Rings.front();
  ASSERT_EQ(ring.size(), 3u);
  EXPECT_NEAR(ring[0].Y, -1.0, 1e-12);  // 90 W, a negative longitude
  EXPECT_NEAR(ring[1].Z, 1.0, 1e-12);
  EXPECT_NEAR(ring[2].Z, -0.5, 1e-12);  // sin(-30 degrees)
  EXPECT_NEAR(ring[2].X, ring[2].Y, 1e-12);
}

TEST(ReadCoastline, RefusesAnythingButAWholeFile) {
  const std::string cases[] = {
      "",
      "TLNE" + kTriangle.substr(4),                            // another magic
      kTriangle.substr(0, 4) + Word(2) + kTriangle.substr(8),  // another version
      kTriangle.substr(0, kTriangle.size() - 1),               // cut short inside a point
      kTriangle.substr(0, 16),                                 // cut short after a point count
      kTriangle + "x",                                         // something after the last ring
      "TLND" + Word(1) + Word(1) + Word(2) + Point(0, 0) + Point(1, 1),  // a ring of two points
      "TLND" + Word(1) + Word(1) + Word(0xFFFFFFFF) + Point(0, 0),       // a count past the end
  };
  for (const std::string& bytes : cases) {
    EXPECT_FALSE(ReadCoastline(bytes)) << testing::PrintToString(bytes);
  }
}

TEST(ReadLines, ReadsOpenLinesOfTwoPointsOrMore) {
  const std::string line = "TLIN" + Word(1) + Word(1) + Word(2) + Point(0, 0) + Point(1'000'000, 0);
  const auto lines = ReadLines(line);
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 1u);
  EXPECT_NEAR((*lines)[0][1].Y, std::sin(1.0 / 180 * 3.14159265358979), 1e-12);
  EXPECT_FALSE(ReadLines(kTriangle));  // land is no lines file
  EXPECT_FALSE(ReadLines("TLIN" + Word(1) + Word(1) + Word(1) + Point(0, 0)));
}

// Every point of a ring lies in its cap, and a view that meets no point of
// it is told so.
TEST(CapAround, HoldsEveryPointAndTellsViewsApart) {
  const std::optional<Coastline> coastline = ReadCoastline(kTriangle);
  ASSERT_TRUE(coastline);
  ASSERT_EQ(coastline->Caps.size(), 1u);
  const SphereCap& cap = coastline->Caps.front();
  for (const UnitVector& point : coastline->Rings.front()) {
    EXPECT_TRUE(CapMayMeet(cap, point, 0.0));
  }
  const SphereCap small = CapAround({{1, 0, 0}, {0.9998, 0.02, 0}, {0.9998, 0, 0.02}});
  EXPECT_TRUE(CapMayMeet(small, {0, 1, 0}, 1.6));           // a view 92 degrees round reaches it
  EXPECT_FALSE(CapMayMeet(small, {0, 1, 0}, 1.4));          // 80 degrees does not
  EXPECT_TRUE(CapMayMeet(CapAround({}), {0, 0, -1}, 0.0));  // no points: anywhere
}

}  // namespace
}  // namespace tessaly

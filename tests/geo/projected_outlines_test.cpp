// SPDX-License-Identifier: GPL-3.0-or-later
// What a zoomed view keeps of the projected land and lines, and which
// outlines must be filled together.
#include "geo/projected_outlines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tessaly {
namespace {

PlanePolyline Square(double left, double bottom, double size) {
  return {
      {left, bottom}, {left + size, bottom}, {left + size, bottom + size}, {left, bottom + size}};
}

// Twice the area the outline encloses, by the shoelace formula.
double Area(const PlanePolyline& outline) {
  double twice = 0.0;
  for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
    twice += outline[j].X * outline[i].Y - outline[i].X * outline[j].Y;
  }
  return std::abs(twice) / 2;
}

TEST(ClipOutlines, KeepsWhatLiesInsideTheSquare) {
  struct Case {
    const char* Name;
    PlanePolyline Outline;
    double Area;  // of what is kept, in the square of half-width 0.1
  };
  const Case cases[] = {
      {"inside: as it is", Square(-0.05, -0.05, 0.05), 0.0025},
      {"across an edge: the part inside", Square(0.05, -0.05, 0.1), 0.005},
      {"round the whole square: the square", Square(-0.5, -0.5, 1.0), 0.04},
      {"outside: nothing", Square(0.2, 0.2, 0.1), 0.0},
  };
  for (const Case& c : cases) {
    const std::vector<PlanePolyline> kept = ClipOutlines({c.Outline}, 0.1);
    double area = 0.0;
    for (const PlanePolyline& piece : kept) area += Area(piece);
    EXPECT_NEAR(area, c.Area, 1e-12) << c.Name;
  }
}

TEST(ClipLines, SplitsWhereALineLeavesTheSquareAndComesBack) {
  // In, out beyond the right edge, and back in.
  const PlanePolyline line{{0.0, 0.0},  {0.05, 0.0}, {0.3, 0.0},
                           {0.4, 0.05}, {0.3, 0.1},  {0.0, 0.05}};
  const std::vector<PlanePolyline> runs = ClipLines({line}, 0.1);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].size(), 3u);  // to the first point beyond
  EXPECT_EQ(runs[1].size(), 2u);  // from the last point beyond
  EXPECT_TRUE(ClipLines({{{0.2, 0.2}, {0.3, 0.5}}}, 0.1).empty());
}

// A lake in an island whose box pokes out of a continent's box, the island
// and the lake both within reach: the three must be filled together.
TEST(NestingGroups, PutsEveryOutlineThatMayEncloseAnotherWithIt) {
  const std::vector<PlanePolyline> outlines = {
      Square(0.0, 0.0, 0.5),       // 0: a continent
      Square(0.4, 0.1, 0.3),       // 1: an island, its box partly in the continent's
      Square(0.42, 0.12, 0.05),    // 2: a lake in the island, inside both boxes
      Square(-0.9, -0.9, 0.1),     // 3: an island far away
      Square(-0.88, -0.88, 0.02),  // 4: its lake
  };
  std::vector<std::vector<std::size_t>> groups = NestingGroups(outlines);
  for (std::vector<std::size_t>& group : groups) std::sort(group.begin(), group.end());
  std::sort(groups.begin(), groups.end());
  EXPECT_EQ(groups, (std::vector<std::vector<std::size_t>>{{0, 1, 2}, {3, 4}}));
}

}  // namespace
}  // namespace tessaly

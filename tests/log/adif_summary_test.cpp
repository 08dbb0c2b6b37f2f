// SPDX-License-Identifier: GPL-3.0-or-later
// A small log summed up, its figures counted by hand.
#include "log/adif_summary.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tessaly {
namespace {

TEST(LogSummary, CountsQsosSquaresPerBandAndTheLongest) {
  const std::string log =
      "<CALL:5>DL1AB <GRIDSQUARE:6>JO62qm <MY_GRIDSQUARE:6>FN31pr <BAND:3>20m <EOR>\n"
      // On the corner of four squares, without a locator of its own station.
      "<CALL:4>W1AW <GRIDSQUARE:4>FN31 <VUCC_GRIDS:19>FN31,FN32,fn41,FN42 <BAND:2>2M <EOR>\n"
      "<CALL:5>VK2XY <GRIDSQUARE:6>QF56od <MY_GRIDSQUARE:6>FN31pr <BAND:3>20m <EOR>\n"
      "<CALL:4>K1XX <BAND:3>40m <EOR>\n"
      "<CALL:6>JA1ABC <GRIDSQUARE:6>PM95vr <MY_GRIDSQUARE:6>FN31pr <BAND:3>20M <EOR>\n";
  MemorySource source(log);
  AdifReader reader(source);
  AdifPiece piece;
  LogSummary summary;
  while (reader.Next(piece)) {
    if (piece.Kind == AdifPieceKind::Record) summary.Add(piece, MeasureQso(piece, std::nullopt));
  }

  EXPECT_EQ(summary.Qsos(), 5u);
  EXPECT_EQ(summary.WithDistance(), 3u);
  EXPECT_EQ(summary.Skipped(QsoSkip::NoHome), 1u);
  EXPECT_EQ(summary.Skipped(QsoSkip::NoGridsquare), 1u);
  EXPECT_EQ(summary.Overall().Grids,
            (std::set<std::string>{"FN31", "FN32", "FN41", "FN42", "JO62", "PM95", "QF56"}));
  // Sydney is farther from FN31pr than Tokyo and Berlin.
  ASSERT_TRUE(summary.Overall().Longest.has_value());
  EXPECT_EQ(summary.Overall().Longest->Call, "VK2XY");
  EXPECT_EQ(summary.Overall().Longest->Record, 3u);

  ASSERT_EQ(summary.Bands().size(), 3u);  // "20m" and "20M" are one band
  const BandSummary& twenty = summary.Bands().at("20m");
  EXPECT_EQ(twenty.Qsos, 3u);
  EXPECT_EQ(twenty.Grids, (std::set<std::string>{"JO62", "PM95", "QF56"}));
  EXPECT_EQ(twenty.Longest->Grid, "QF56od");
  EXPECT_EQ(summary.Bands().at("2m").Grids.size(), 4u);
  EXPECT_FALSE(summary.Bands().at("2m").Longest.has_value());
  EXPECT_EQ(summary.Bands().at("40m").Grids.size(), 0u);
}

}  // namespace
}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
// A record given its distance and heading: where they go, what is kept,
// and that the enriched log is the input with the new fields and nothing
// else, whatever the log looks like.
#include "log/adif_enrich.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <string>

#include "log/qso_path.h"

namespace tessaly {
namespace {

// The log's records enriched, every other piece copied.
std::string Enriched(const std::string& log, const std::optional<DecodedLocator>& home,
                     bool overwrite) {
  MemorySource source(log);
  AdifReader reader(source);
  AdifPiece piece;
  std::string out;
  while (reader.Next(piece)) {
    if (piece.Kind == AdifPieceKind::Record) {
      AppendEnriched(piece, MeasureQso(piece, home), overwrite, out);
    } else {
      out += piece.Bytes;
    }
  }
  return out;
}

TEST(AppendEnriched, AddsOrReplacesOnlyTheTwoFields) {
  const std::optional<DecodedLocator> home = LocatorToLatLon("FN42", kMostCharacters);
  struct Case {
    const char* Name;
    std::string Record;
    bool Overwrite;
    std::string Expected;
  };
  const Case cases[] = {
      {"from MY_GRIDSQUARE: both added before <EOR>",
       "<CALL:5>DL1AB <GRIDSQUARE:6>JO62qm <MY_GRIDSQUARE:6>FN31pr <EOR>\n", false,
       "<CALL:5>DL1AB <GRIDSQUARE:6>JO62qm <MY_GRIDSQUARE:6>FN31pr "
       "<DISTANCE:6>6243.9 <APP_TESSALY_HEADING:4>47.1 <EOR>\n"},
      {"small letters, the long path from the home locator",
       "<call:4>W1AW<gridsquare:4:S>FN31<ant_path:1>L<eor>", false,
       "<call:4>W1AW<gridsquare:4:S>FN31<ant_path:1>L<distance:7>39834.1 "
       "<app_tessaly_heading:4>56.7 <eor>"},
      {"a DISTANCE there is kept, the heading added",
       "<GRIDSQUARE:6>JO62qm <DISTANCE:3>123 <MY_GRIDSQUARE:6>FN31pr <EOR>", false,
       "<GRIDSQUARE:6>JO62qm <DISTANCE:3>123 <MY_GRIDSQUARE:6>FN31pr "
       "<APP_TESSALY_HEADING:4>47.1 <EOR>"},
      {"overwritten in place, name and type as written",
       "<GRIDSQUARE:6>JO62qm <distance:3:N>123 <MY_GRIDSQUARE:6>FN31pr "
       "<APP_TESSALY_HEADING:1>9<EOR>",
       true,
       "<GRIDSQUARE:6>JO62qm <distance:6:N>6243.9 <MY_GRIDSQUARE:6>FN31pr "
       "<APP_TESSALY_HEADING:4>47.1<EOR>"},
      {"no GRIDSQUARE: as it was", "<CALL:4>K1XX <BAND:3>40m <EOR>", false,
       "<CALL:4>K1XX <BAND:3>40m <EOR>"},
      {"a two-letter field is too coarse: as it was", "<GRIDSQUARE:2>FN <EOR>", false,
       "<GRIDSQUARE:2>FN <EOR>"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Enriched(c.Record, home, c.Overwrite), c.Expected) << c.Name;
  }
}

TEST(MeasureQso, ReadsTheLocatorsWithTheirExtensionsAndSaysWhyNot) {
  struct Case {
    std::string Record;
    QsoSkip Skip;
  };
  const Case cases[] = {
      {"<GRIDSQUARE:8>JO62qm45<GRIDSQUARE_EXT:4>ab12<EOR>", QsoSkip::NoHome},
      {"<GRIDSQUARE:6>FN31pr<EOR>", QsoSkip::NoHome},
      {"<GRIDSQUARE:6>ZZ99zz<MY_GRIDSQUARE:4>FN42<EOR>", QsoSkip::BadGridsquare},
      {"<GRIDSQUARE:6>FN31pr<MY_GRIDSQUARE:5>FN42a<EOR>", QsoSkip::BadMyGridsquare},
      {"<GRIDSQUARE:1> <EOR>", QsoSkip::NoGridsquare},
  };
  for (const Case& c : cases) {
    MemorySource source(c.Record);
    AdifReader reader(source);
    AdifPiece piece;
    ASSERT_TRUE(reader.Next(piece));
    EXPECT_EQ(MeasureQso(piece, std::nullopt).Skip, c.Skip) << c.Record;
  }
  // The extension refines the 8 characters: a different centre, a
  // different distance.
  const std::optional<DecodedLocator> home = LocatorToLatLon("FN31pr", kMostCharacters);
  std::string a = "<GRIDSQUARE:8>JO62qm45<EOR>",
              b = "<GRIDSQUARE:8>JO62qm45<GRIDSQUARE_EXT:4>xx99<EOR>";
  MemorySource sa(a), sb(b);
  AdifReader ra(sa), rb(sb);
  AdifPiece pa, pb;
  ASSERT_TRUE(ra.Next(pa) && rb.Next(pb));
  EXPECT_NE(MeasureQso(pa, home).Path->Kilometres, MeasureQso(pb, home).Path->Kilometres);
}

// One measurer through a log whose station moves: every QSO is measured as
// if it stood alone, the station's locator never taken from a record before.
TEST(QsoMeasurer, MeasuresEachQsoFromItsOwnStation) {
  const std::string log =
      "<GRIDSQUARE:4>JO62<MY_GRIDSQUARE:6>FN31pr<EOR>"
      "<GRIDSQUARE:4>JO62<MY_GRIDSQUARE:6>FN31pr<EOR>"
      "<GRIDSQUARE:4>JO62<MY_GRIDSQUARE:8>FN31pr45<EOR>"
      "<GRIDSQUARE:4>JO62<MY_GRIDSQUARE:8>FN31pr45<MY_GRIDSQUARE_EXT:4>ab12<EOR>"
      "<GRIDSQUARE:4>JO62<MY_GRIDSQUARE:8>FN31pr45<EOR>"
      "<GRIDSQUARE:4>JO62<MY_GRIDSQUARE:5>FN31p<EOR>"
      "<GRIDSQUARE:4>JO62<EOR>"
      "<GRIDSQUARE:4>JO62<MY_GRIDSQUARE:4>EM69<EOR>";
  const std::optional<DecodedLocator> home = LocatorToLatLon("KP20", kMostCharacters);
  QsoMeasurer measurer(home);
  MemorySource source(log);
  AdifReader reader(source);
  AdifPiece piece;
  std::vector<std::optional<double>> kilometres;
  while (reader.Next(piece)) {
    const QsoMeasure alone = MeasureQso(piece, home), in_turn = measurer.Measure(QsoFields(piece));
    EXPECT_EQ(in_turn.Skip, alone.Skip) << "record " << piece.Number;
    EXPECT_EQ(in_turn.Path.has_value(), alone.Path.has_value()) << "record " << piece.Number;
    if (in_turn.Path && alone.Path) {
      EXPECT_EQ(in_turn.Path->Kilometres, alone.Path->Kilometres) << "record " << piece.Number;
    }
    kilometres.push_back(in_turn.Path ? std::optional(in_turn.Path->Kilometres) : std::nullopt);
  }
  ASSERT_EQ(kilometres.size(), 8u);
  // The stations differ where the texts do.
  EXPECT_EQ(kilometres[0], kilometres[1]);
  EXPECT_NE(kilometres[1], kilometres[2]);
  EXPECT_NE(kilometres[2], kilometres[3]);
  EXPECT_EQ(kilometres[2], kilometres[4]);
  EXPECT_EQ(kilometres[5], std::nullopt);
  EXPECT_NE(kilometres[6], kilometres[7]);
}

// Logs of every shape, made at random from a fixed seed: taking the added
// fields out of the enriched log gives back the input byte for byte.
TEST(AppendEnriched, ChangesNothingButTheFieldsItAdds) {
  std::mt19937 random(20261209);
  const auto pick = [&random](std::initializer_list<const char*> choices) {
    return std::string(choices.begin()[random() % choices.size()]);
  };
  const std::regex added("(<(DISTANCE|APP_TESSALY_HEADING):[0-9]+>[0-9.]+ )+(?=<EOR>)",
                         std::regex::icase);
  for (int log = 0; log < 40; ++log) {
    std::string input = random() % 2 ? "Made by hand " + pick({"\n", "\r\n"}) + "<EOH>\n" : "";
    for (int record = 0; record < 20; ++record) {
      std::string fields[] = {
          "<CALL:4>" + pick({"W1AW", "K1XX", "DL1A"}),
          random() % 4 ? "<GRIDSQUARE:" + pick({"4>JO62", "6>JO62qm", "6>qf56OD", "2>FN"}) : "",
          random() % 3 ? "<MY_GRIDSQUARE:6>FN31pr" : "",
          random() % 5 == 0 ? "<DISTANCE:3>n/a" : "",  // unlike any figure added
          random() % 5 == 0 ? "<ANT_PATH:1>L" : "",
          "<APP_OTHER_X:3:S>a<b",
      };
      std::shuffle(std::begin(fields), std::end(fields), random);
      for (const std::string& field : fields) {
        if (!field.empty()) input += field + pick({" ", "", "\r\n", " a note "});
      }
      input += pick({"<EOR>", "<eor>", "<Eor>"}) + pick({"\n", "\r\n", ""});
    }
    const std::string enriched = Enriched(input, std::nullopt, false);
    EXPECT_EQ(std::regex_replace(enriched, added, ""), input);
    EXPECT_GT(enriched.size(), input.size());
  }
}

}  // namespace
}  // namespace tessaly

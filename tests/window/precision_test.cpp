// SPDX-License-Identifier: GPL-3.0-or-later
// The window at 8, 10 and 12 characters: the texts a finer locator's centre
// shows, and the round trip of typed locators in both formats.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "geo/readings.h"
#include "tests/support/screen_fixture.h"

namespace tessaly {
namespace {

class PrecisionTest : public ScreenFixture {
 protected:
  void Precision(int characters) {
    tessaly_.OnMenu(characters == 8    ? MenuItem::Precision8
                    : characters == 10 ? MenuItem::Precision10
                    : characters == 12 ? MenuItem::Precision12
                                       : MenuItem::Precision6);
  }
  // The Home position its fields show, in signed decimal degrees.
  SignedPosition HomeShown(bool decimal) const {
    auto number = [this](Control field) { return ReadDecimal(screen_.GetText(field)); };
    const double lat = decimal ? number(Control::Edit1)
                               : number(Control::Edit1) + number(Control::Edit2) / 60 +
                                     number(Control::Edit3) / 3600;
    const double lon = decimal ? number(Control::Edit4)
                               : number(Control::Edit4) + number(Control::Edit5) / 60 +
                                     number(Control::Edit6) / 3600;
    return SignedByHemispheres(lat, lon, screen_.GetItemIndex(Control::RadioGroup1),
                               screen_.GetItemIndex(Control::RadioGroup2));
  }
};

// The seconds show as many decimals as keep a centre inside its cell,
// rounded half up (centres worked out by hand from the cell sizes); at 6
// characters every text is as it always was.
TEST_F(PrecisionTest, AFinerCentreShowsItsSecondsToThePrecisionsStep) {
  const struct {
    int Characters;
    const char* Typed;
    CoordinateTexts Fields;
    const char* Rewritten;
  } cases[] = {
      {6, "jo62qm45ab12", {" 52", " 31", " 15", " 13", " 22", " 30"}, " JO62qm"},
      {8, "jo62qm45ab12", {" 52", " 31", " 23", " 13", " 22", " 15"}, " JO62qm45"},
      {10, "jo62qm45ab12", {" 52", " 31", " 15.9", " 13", " 22", " 00.6"}, " JO62qm45ab"},
      {12, "jo62qm45ab12", {" 52", " 31", " 15.78", " 13", " 22", " 00.19"}, " JO62qm45ab12"},
      {12, "QF56od51cl77", {" 33", " 52", " 07.66", " 151", " 12", " 33.44"}, " QF56od51cl77"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Rewritten);
    Precision(c.Characters);
    screen_.SetText(Control::Edit7, c.Typed);
    tessaly_.OnClick(Control::Button2);
    EXPECT_EQ(Shown(Side::Home), c.Fields);
    EXPECT_EQ(screen_.GetText(Control::Edit7), c.Rewritten);
  }
}

// A typed locator through Calc. Lat/Lon and Calc. Grid comes back as typed,
// and the position shown lies inside its cell, in both formats.
TEST_F(PrecisionTest, ATypedLocatorComesBackAndItsCentreLiesInItsCell) {
  std::mt19937 random(2026);
  auto pick = [&random](int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(random);
  };
  for (const int characters : {8, 10, 12}) {
    Precision(characters);
    for (const bool decimal : {false, true}) {
      ShowFormat(Side::Home, decimal);
      for (int i = 0; i < 300; ++i) {
        std::string typed;
        for (int pair = 0; pair < characters / 2; ++pair) {
          const int count = pair == 0 ? 18 : (pair % 2 == 0 ? 24 : 10);
          const char first = pair == 0 ? 'A' : (pair % 2 == 0 ? 'a' : '0');
          typed += static_cast<char>(first + (i < 4 ? (i % 2) * (count - 1) : pick(count)));
          typed += static_cast<char>(first + (i < 4 ? (i / 2) * (count - 1) : pick(count)));
        }
        SCOPED_TRACE(typed + (decimal ? " in decimal degrees" : ""));
        screen_.SetText(Control::Edit7, typed);
        tessaly_.OnClick(Control::Button2);
        const CellBounds cell = BoundsOf(LocatorToLatLon(typed, characters)->Cell);
        const SignedPosition shown = HomeShown(decimal);
        EXPECT_GT(shown.Lat, cell.SouthWest.Lat);
        EXPECT_LT(shown.Lat, cell.NorthEast.Lat);
        EXPECT_GT(shown.Lon, cell.SouthWest.Lon);
        EXPECT_LT(shown.Lon, cell.NorthEast.Lon);
        tessaly_.OnClick(Control::Button1);
        ASSERT_EQ(screen_.GetText(Control::Edit7), " " + typed);
      }
    }
  }
}

}  // namespace
}  // namespace tessaly

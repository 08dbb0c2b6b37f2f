// SPDX-License-Identifier: GPL-3.0-or-later
// "Calc. Grid": how it reads field texts that are not plain numbers. Typed
// positions and their locators are the scenarios'.
#include <string>

#include "tests/support/screen_fixture.h"

namespace tessaly {
namespace {

using CalcGridTest = ScreenFixture;

TEST_F(CalcGridTest, ReadsLeadingBlanksAndCountsOtherTextsAsZero) {
  struct Case {
    CoordinateTexts Typed;
    std::string Locator;
  };
  const Case cases[] = {
      // 41 42 52 N, 72 0 0 W: the trailing blank and the decimal are no
      // whole numbers.
      {{" 41", "42", " 52", "72", "43 ", "37.5"}, " FN31xr"},
      {{"", " ", "", "", "", ""}, " IJ90xa"},
  };
  for (const Case& c : cases) {
    Enter(Side::Home, c.Typed);
    SelectHemispheres(Side::Home, kNorth, kWest);
    tessaly_.OnClick(Control::Button1);
    EXPECT_EQ(screen_.GetText(Control::Edit7), c.Locator);
  }
}

// In decimal degrees only the two degree fields are read; one that is no
// number, or a value beyond the whole-number range, stops the command and
// leaves the grid field as it was.
TEST_F(CalcGridTest, DecimalDegreesThatAreNoNumberLeaveTheLocator) {
  struct Case {
    std::string LatText, LonText, Message;
  };
  const Case cases[] = {
      {"abc", "72.5", "'abc' is not a valid floating point value"},
      {"", "72.5", "'' is not a valid floating point value"},
      {"41.5", "7.2.5", "'7.2.5' is not a valid floating point value"},
      {"41.5", "1e300", "Invalid floating point operation"},
  };
  ShowFormat(Side::Destination, true);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Message);
    screen_.SetText(Control::Edit8, c.LatText);
    screen_.SetText(Control::Edit11, c.LonText);
    screen_.SetText(Control::Edit14, " JJ00aa");
    EXPECT_EQ(ErrorMessageOf([&] { tessaly_.OnClick(Control::Button3); }), c.Message);
    EXPECT_EQ(screen_.GetText(Control::Edit14), " JJ00aa");
  }
}

}  // namespace
}  // namespace tessaly

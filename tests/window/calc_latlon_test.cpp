// SPDX-License-Identifier: GPL-3.0-or-later
// "Calc. Lat/Lon": the order of its writes and its texts in decimal degrees.
// A typed locator's centre in degrees, minutes and seconds is the
// scenarios'.
#include <string>
#include <vector>

#include "tests/support/screen_fixture.h"

namespace tessaly {
namespace {

using CalcLatLonTest = ScreenFixture;

// The Home longitude minutes change only after the longitude degrees, so the
// check their change runs finds the new degrees and empties nothing.
TEST_F(CalcLatLonTest, FieldsAreWrittenDegreesThenMinutesThenSeconds) {
  Enter(Side::Home, {"1", "2", "3", "4", "5", "6"});
  screen_.SetText(Control::Edit4, "200");  // typed, the field never left
  screen_.SetText(Control::Edit7, "fn31pr");
  const std::size_t changes_before = screen_.TextChanges().size();
  tessaly_.OnClick(Control::Button2);
  const std::vector<TextChange> expected{{Control::Edit1, " 41"},    {Control::Edit4, " 72"},
                                         {Control::Edit2, " 43"},    {Control::Edit5, " 42"},
                                         {Control::Edit3, " 45"},    {Control::Edit6, " 30"},
                                         {Control::Edit7, " FN31pr"}};
  EXPECT_EQ(ChangesSince(screen_, changes_before), expected);
}

TEST_F(CalcLatLonTest, DecimalFormatShowsTheCellCentreInDecimalDegrees) {
  struct Case {
    Side Where;
    std::string Grid;
    std::string LatText, LonText;
    int LatIndex, LonIndex;
  };
  const Case cases[] = {
      {Side::Home, "FN31pr", " 41.7291667", " 72.7083333", kNorth, kWest},
      {Side::Destination, "QF56od", " 33.8541667", " 151.2083333", kSouth, kEast},
      // No locator: the emptied fields stay empty in decimal degrees too.
      {Side::Destination, "FN3", "", "", kNorth, kWest},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Grid);
    const LocationControls& fields = ControlsOf(c.Where);
    ShowFormat(c.Where, true);
    screen_.SetText(fields.Grid, c.Grid);
    tessaly_.OnClick(fields.CalcLatLonButton);
    EXPECT_EQ(screen_.GetText(fields.LatDegrees), c.LatText);
    EXPECT_EQ(screen_.GetText(fields.LonDegrees), c.LonText);
    EXPECT_TRUE(ShowsFormatLayout(screen_, c.Where, true));
    EXPECT_EQ(screen_.GetItemIndex(fields.LatGroup), c.LatIndex);
    EXPECT_EQ(screen_.GetItemIndex(fields.LonGroup), c.LonIndex);
  }
}

}  // namespace
}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and recalling the Home location through a real home file, and the
// recall at first show.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "geo/distance.h"
#include "tests/support/scratch_directory.h"
#include "tests/support/screen_fixture.h"
#include "window/error_display.h"

namespace tessaly {
namespace {

namespace fs = std::filesystem;

// One run of the program: a window whose home file lives in `directory`.
struct Window {
  explicit Window(const std::string& directory) : tessaly(screen, directory) {
    screen.Attach(tessaly);
    tessaly.FormCreate();
  }
  MemoryScreen screen;
  TTessaly1 tessaly;
};

// Each test has its own directory, never the user's own configuration.
class HomeCommandsTest : public ::testing::Test {
 protected:
  void WriteHomeFile(std::string_view bytes) const {
    fs::create_directories(directory);
    WriteBytes(file, bytes);
  }

  ScratchDirectory scratch;
  const std::string directory = (scratch.Path() / "config" / "Tessaly").string();
  const std::string file = directory + "/tessaly2.ini";
};

TEST_F(HomeCommandsTest, SaveThenRestartRecallsHomeFormatAndUnit) {
  struct Case {
    const char* name;
    bool home_decimal, destination_decimal;
    double factor;
    CoordinateTexts home;
    int latitude_index, longitude_index;
    std::string_view file;
    CoordinateTexts recalled;
    int recalled_latitude_index, recalled_longitude_index;
    const char* caption;
  };
  const std::array<Case, 3> kCases{{
      {"dms, miles",
       false,
       false,
       kMilesPerKilometre,
       {"41", "007", "45", "72", "42", "30"},
       1,
       1,
       "41\r\n7\r\n45\r\n1\r\n72\r\n42\r\n30\r\n1\r\n0\r\n1",
       {" 41", " 7", " 45", " 72", " 42", " 30"},
       1,
       1,
       "Distance (miles)"},
      {"decimal, km",
       true,
       true,
       kKilometresPerKilometre,
       {" 38.1234567", "1", "2", " 78.5000000", "3", "4"},
       1,
       0,
       "38\r\n7\r\n24\r\n1\r\n78\r\n30\r\n0\r\n0\r\n1\r\n0",
       {" 38.1233333", " ", "", " 78.5000000", "", ""},
       1,
       0,
       "Distance (km)"},
      {"only Home decimal",
       true,
       false,
       kMilesPerKilometre,
       {" 38.1234567", "1", "2", " 78.5000000", "3", "4"},
       0,
       0,
       "38\r\n7\r\n24\r\n0\r\n78\r\n30\r\n0\r\n0\r\n0\r\n1",
       {" 38", " 7", " 24", " 78", " 30", " 0"},
       0,
       0,
       "Distance (miles)"},
  }};
  for (const Case& c : kCases) {
    {
      Window before(directory);
      before.tessaly.Home.DecimalFormat = c.home_decimal;
      before.tessaly.Destination.DecimalFormat = c.destination_decimal;
      EnterTexts(before.screen, Side::Home, c.home);
      before.screen.SetItemIndex(Control::RadioGroup1, c.latitude_index);
      before.screen.SetItemIndex(Control::RadioGroup2, c.longitude_index);
      before.tessaly.DistanceFactor = c.factor;
      before.tessaly.SaveHome1Click();
    }
    EXPECT_EQ(ReadBytes(file), c.file) << c.name;

    Window after(directory);
    after.tessaly.RecallHome1Click();
    const bool decimal = c.home_decimal && c.destination_decimal;
    EXPECT_EQ(ShownTexts(after.screen, Side::Home), c.recalled) << c.name;
    EXPECT_EQ(after.screen.GetItemIndex(Control::RadioGroup1), c.recalled_latitude_index) << c.name;
    EXPECT_EQ(after.screen.GetItemIndex(Control::RadioGroup2), c.recalled_longitude_index)
        << c.name;
    EXPECT_EQ(after.tessaly.Home.DecimalFormat, decimal) << c.name;
    EXPECT_TRUE(ShowsFormatLayout(after.screen, Side::Home, decimal)) << c.name;
    EXPECT_EQ(after.tessaly.DistanceFactor, c.factor) << c.name;
    EXPECT_EQ(after.screen.GetText(Control::Label24), c.caption) << c.name;
  }
}

TEST_F(HomeCommandsTest, SaveTakesMissingValuesFromTheLocatorElseFromTheDefaults) {
  struct Case {
    bool decimal;
    CoordinateTexts home;
    const char* locator;
    std::string_view file;
  };
  const std::array<Case, 3> kCases{{
      {false, {"1", "2", "", "4", "5", "6"}, "", "1\r\n2\r\n54\r\n0\r\n4\r\n5\r\n6\r\n1\r\n0\r\n1"},
      {false,
       {"12.5", " ", "3", "1.", "", "99999999999"},
       "",
       "38\r\n0\r\n3\r\n0\r\n78\r\n38\r\n15\r\n1\r\n0\r\n1"},
      // A hidden minute or second field counts too.
      {true,
       {" 10.0000000", "2", "", " 20.0000000", "5", "6"},
       "FN31pr",
       "41\r\n43\r\n45\r\n0\r\n72\r\n42\r\n30\r\n0\r\n1\r\n1"},
  }};
  for (const Case& c : kCases) {
    Window w(directory);
    w.tessaly.Home.DecimalFormat = w.tessaly.Destination.DecimalFormat = c.decimal;
    EnterTexts(w.screen, Side::Home, c.home);
    w.screen.SetText(Control::Edit7, c.locator);
    w.tessaly.SaveHome1Click();
    EXPECT_EQ(ReadBytes(file), c.file) << c.home[0] << " " << c.locator;
  }
}

// Decimal degrees from lines that are no numbers.
TEST_F(HomeCommandsTest, DamagedFileAtStartShowsTheErrorAndSkipsTheRestOfTheShow) {
  struct Case {
    std::string_view bytes;
    const char* error;
    double factor;
  };
  const std::array<Case, 2> kCases{{
      {"38\n\n54\n0\n78\n38\n15\n0\n1\n1", "' ' is not a valid integer value.", kMilesPerKilometre},
      // Seconds are read before minutes and degrees.
      {"d\nm\ns\n0\n78\n38\n15\n0\n1\n0", "' s' is not a valid integer value.",
       kKilometresPerKilometre},
  }};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.error);
    WriteHomeFile(c.bytes);
    Window w(directory);
    w.screen.SetText(Control::Edit15, " 50.5  :  288.2");

    EXPECT_FALSE(RunGuarded(w.screen, [&w] { w.tessaly.FormShow(); }));

    EXPECT_EQ(w.screen.Errors(), std::vector<std::string>{c.error});
    EXPECT_EQ(ShownTexts(w.screen, Side::Home), (CoordinateTexts{"", " ", "", "", "", ""}));
    EXPECT_EQ(w.screen.GetItemIndex(Control::RadioGroup1), 0);
    EXPECT_EQ(w.screen.GetItemIndex(Control::RadioGroup2), 0);
    EXPECT_TRUE(w.tessaly.Home.DecimalFormat);
    EXPECT_EQ(w.tessaly.DistanceFactor, c.factor);
    // Neither the layout, nor the results, nor the focus, nor the locator.
    EXPECT_TRUE(ShowsFormatLayout(w.screen, Side::Home, false));
    EXPECT_EQ(w.screen.GetText(Control::Edit15), " 50.5  :  288.2");
    EXPECT_NE(w.screen.FocusedControl(), Control::Edit14);
    EXPECT_EQ(w.screen.GetText(Control::Edit7), "");
  }
}

TEST_F(HomeCommandsTest, ShortFileAndOddHemispheresAreRecalled) {
  WriteHomeFile("38\r\n0\r\n54\r\n7\r\n78\r\n38\r\n15\r\n-5\r\n0\r\n");
  Window w(directory);
  w.tessaly.RecallHome1Click();
  EXPECT_EQ(ShownTexts(w.screen, Side::Home),
            (CoordinateTexts{" 38", " 0", " 54", " 78", " 38", " 15"}));
  EXPECT_EQ(w.screen.GetItemIndex(Control::RadioGroup1), 1);
  EXPECT_EQ(w.screen.GetItemIndex(Control::RadioGroup2), -1);
  EXPECT_EQ(w.tessaly.DistanceFactor, kKilometresPerKilometre);
  EXPECT_EQ(w.screen.GetText(Control::Label24), "Distance (km)");
}

// Where the Destination already shows the recalled format it is left alone;
// otherwise it is converted.
TEST_F(HomeCommandsTest, DestinationIsConvertedOnlyFromTheOtherFormat) {
  struct Case {
    const char* name;
    bool destination_decimal;
    CoordinateTexts destination;
    bool file_decimal;
    CoordinateTexts expected;
  };
  const CoordinateTexts kDecimal{" 12.5000000", "7", "7", " 45.2500000", "7", "7"};
  const CoordinateTexts kDms{"12", "30", "0", "45", "15", "0"};
  const CoordinateTexts kEmpty{};
  const std::array<Case, 8> kCases{{
      {"decimal stays", true, kDecimal, true, kDecimal},
      {"decimal without degrees is switched",
       true,
       {"", "7", "7", " 45.2500000", "7", "7"},
       true,
       {" 0.1186111", "7", "7", " 0.1186111", "7", "7"}},
      {"dms without degrees",
       false,
       {"", "30", "0", "45", "15", "0"},
       false,
       {"", "30", "0", "45", "15", "0"}},
      {"dms stays", false, kDms, false, kDms},
      {"dms to decimal", false, kDms, true, {" 12.5000000", "30", "0", " 45.2500000", "15", "0"}},
      {"decimal to dms", true, kDecimal, false, {" 12", " 30", " 0", " 45", " 15", " 0"}},
      {"start, decimal", false, kEmpty, true, {" 0.0000000", "", "", " 0.0000000", "", ""}},
      {"start, dms", false, kEmpty, false, kEmpty},
  }};
  for (const Case& c : kCases) {
    WriteHomeFile(c.file_decimal ? "38\n0\n54\n0\n78\n38\n15\n0\n1\n1"
                                 : "38\n0\n54\n0\n78\n38\n15\n0\n0\n1");
    Window w(directory);
    if (c.destination_decimal) w.tessaly.OnDoubleClick(Control::Panel2);
    EnterTexts(w.screen, Side::Destination, c.destination);

    w.tessaly.RecallHome1Click();

    EXPECT_EQ(w.tessaly.Destination.DecimalFormat, c.file_decimal) << c.name;
    EXPECT_EQ(ShownTexts(w.screen, Side::Destination), c.expected) << c.name;
    EXPECT_TRUE(ShowsFormatLayout(w.screen, Side::Destination, c.file_decimal)) << c.name;
  }
}

// Without a file, flags, fields and layouts all return to
// degrees/minutes/seconds.
TEST_F(HomeCommandsTest, RecallWithoutFileBringsBothLocationsIntoDms) {
  Window w(directory);
  w.tessaly.FormDblClick();
  EnterTexts(w.screen, Side::Destination, {" 12.5000000", "", "", " 45.2500000", "", ""});

  w.tessaly.RecallHome1Click();

  EXPECT_FALSE(w.tessaly.Home.DecimalFormat);
  EXPECT_FALSE(w.tessaly.Destination.DecimalFormat);
  EXPECT_EQ(ShownTexts(w.screen, Side::Home),
            (CoordinateTexts{" 38", " 00", " 54", " 78", " 38", " 15"}));
  EXPECT_TRUE(ShowsFormatLayout(w.screen, Side::Home, false));
  EXPECT_EQ(ShownTexts(w.screen, Side::Destination),
            (CoordinateTexts{" 12", " 30", " 0", " 45", " 15", " 0"}));
  EXPECT_TRUE(ShowsFormatLayout(w.screen, Side::Destination, false));
}

// Nothing a recall without a file meets is reported, and the old results go
// in every case.
TEST_F(HomeCommandsTest, RecallWithoutFileIsSilentWhateverTheDestinationHolds) {
  Window w(directory);
  w.tessaly.OnDoubleClick(Control::Panel2);
  const CoordinateTexts unreadable{" 52.5208333..", "", "", " 13.375", "", ""};
  EnterTexts(w.screen, Side::Destination, unreadable);
  w.screen.SetText(Control::Edit15, " 47.1  :  296.1");
  w.screen.SetText(Control::Edit16, " 3879.8");

  EXPECT_TRUE(RunGuarded(w.screen, [&w] { w.tessaly.RecallHome1Click(); }));

  EXPECT_EQ(w.screen.Errors(), std::vector<std::string>{});
  EXPECT_FALSE(w.tessaly.Destination.DecimalFormat);
  EXPECT_EQ(ShownTexts(w.screen, Side::Destination), unreadable);
  EXPECT_TRUE(ShowsFormatLayout(w.screen, Side::Destination, false));
  EXPECT_EQ(w.screen.GetText(Control::Edit15), "");
  EXPECT_EQ(w.screen.GetText(Control::Edit16), "");
  EXPECT_FALSE(fs::exists(directory)) << "a recall creates nothing";
}

}  // namespace
}  // namespace tessaly

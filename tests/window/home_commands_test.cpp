// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and recalling the Home location through a real home file, and the
// recall at first show.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "geo/distance.h"
#include "geo/error.h"
#include "tests/support/memory_screen.h"
#include "window/error_display.h"
#include "window/tessaly.h"

namespace tessaly {
namespace {

namespace fs = std::filesystem;

using Texts6 = std::array<std::string, 6>;

constexpr std::array<Control, 6> kHomeFields{Control::Edit1, Control::Edit2, Control::Edit3,
                                             Control::Edit4, Control::Edit5, Control::Edit6};
constexpr std::array<Control, 6> kDestinationFields{Control::Edit8,  Control::Edit9,
                                                    Control::Edit10, Control::Edit11,
                                                    Control::Edit12, Control::Edit13};
const Texts6 kDefaultTexts{" 38", " 00", " 54", " 78", " 38", " 15"};
constexpr std::string_view kStandardFile = "38\r\n0\r\n54\r\n0\r\n78\r\n38\r\n15\r\n0\r\n0\r\n1";

// What the decimal layout hides.
std::array<Control, 8> MinutesAndSeconds(const LocationControls& c) {
  return {c.LatMinutesLabel, c.LatSecondsLabel, c.LonMinutesLabel, c.LonSecondsLabel,
          c.LatMinutes,      c.LatSeconds,      c.LonMinutes,      c.LonSeconds};
}

// One run of the program: a window whose home file lives in `directory`.
struct Window {
  explicit Window(const std::string& directory) : tessaly(screen, directory) {
    screen.Attach(tessaly);
    tessaly.FormCreate();
  }
  void Set(const std::array<Control, 6>& fields, const Texts6& texts) {
    for (std::size_t i = 0; i < fields.size(); ++i) screen.SetText(fields[i], texts[i]);
  }
  Texts6 Get(const std::array<Control, 6>& fields) const {
    Texts6 texts;
    for (std::size_t i = 0; i < fields.size(); ++i) texts[i] = screen.GetText(fields[i]);
    return texts;
  }
  // Widths and visibility of the location's layout, as the format switch
  // leaves them.
  void ShowLayout(Side side, bool decimal) {
    const LocationControls& c = ControlsOf(side);
    screen.SetWidth(c.LatDegrees, decimal ? kDecimalDegreesWidth : kDmsLatitudeDegreesWidth);
    screen.SetWidth(c.LonDegrees, decimal ? kDecimalDegreesWidth : kDmsLongitudeDegreesWidth);
    for (Control hidden : MinutesAndSeconds(c)) screen.SetVisible(hidden, !decimal);
  }
  bool ShowsLayout(Side side, bool decimal) const {
    const LocationControls& c = ControlsOf(side);
    bool shown = true;
    shown &=
        screen.Width(c.LatDegrees) == (decimal ? kDecimalDegreesWidth : kDmsLatitudeDegreesWidth);
    shown &=
        screen.Width(c.LonDegrees) == (decimal ? kDecimalDegreesWidth : kDmsLongitudeDegreesWidth);
    for (Control hidden : MinutesAndSeconds(c)) shown &= screen.IsVisible(hidden) == !decimal;
    return shown;
  }

  MemoryScreen screen;
  TTessaly1 tessaly;
};

// Each test has its own directory, never the user's own configuration.
class HomeCommandsTest : public ::testing::Test {
 protected:
  HomeCommandsTest() {
    std::string pattern = ::testing::TempDir() + "tessaly-home-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    scratch_ = pattern;
    directory = (scratch_ / "config" / "Tessaly").string();
    file = directory + "/tessaly2.ini";
  }
  ~HomeCommandsTest() override {
    std::error_code ignored;
    fs::remove_all(scratch_, ignored);
  }

  void WriteHomeFile(std::string_view bytes) const {
    fs::create_directories(directory);
    std::ofstream(file, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  std::string ReadHomeFile() const {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  std::string directory;
  std::string file;

 private:
  fs::path scratch_;
};

TEST_F(HomeCommandsTest, FirstStartWithoutFileShowsTheDefaultHomeAndItsLocator) {
  Window w(directory);
  EXPECT_EQ(w.tessaly.HomeFilePath, file);
  w.screen.SetText(Control::Edit15, " 50.5  :  288.2");

  EXPECT_TRUE(RunGuarded(w.screen, [&w] { w.tessaly.FormShow(); }));

  EXPECT_EQ(w.Get(kHomeFields), kDefaultTexts);
  EXPECT_EQ(w.screen.GetItemIndex(Control::RadioGroup1), 0);
  EXPECT_EQ(w.screen.GetItemIndex(Control::RadioGroup2), 0);
  EXPECT_FALSE(w.tessaly.Home.DecimalFormat);
  EXPECT_EQ(w.tessaly.DistanceFactor, kMilesPerKilometre);
  EXPECT_EQ(w.screen.GetText(Control::Label24), "Distance (miles)");
  EXPECT_EQ(w.screen.GetText(Control::Edit15), "");
  EXPECT_EQ(w.screen.FocusedControl(), Control::Edit14);
  EXPECT_EQ(w.screen.GetText(Control::Edit7), " FM08qa");
  EXPECT_FALSE(fs::exists(directory)) << "a recall creates nothing";
}

TEST_F(HomeCommandsTest, SaveThenRestartRecallsHomeFormatAndUnit) {
  struct Case {
    const char* name;
    bool home_decimal, destination_decimal;
    double factor;
    Texts6 home;
    int latitude_index, longitude_index;
    std::string_view file;
    Texts6 recalled;
    int recalled_latitude_index, recalled_longitude_index;
    const char* caption;
  };
  const std::array<Case, 5> kCases{{
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
      // No hemisphere counts as north and east, and is recalled so.
      {"dms, km, no hemisphere",
       false,
       false,
       kKilometresPerKilometre,
       {"41", "43", "45", "72", "42", "30"},
       -1,
       -1,
       "41\r\n43\r\n45\r\n0\r\n72\r\n42\r\n30\r\n1\r\n0\r\n0",
       {" 41", " 43", " 45", " 72", " 42", " 30"},
       0,
       1,
       "Distance (km)"},
      {"decimal, miles",
       true,
       true,
       kMilesPerKilometre,
       {" 38.1234567", "1", "2", " 78.5000000", "3", "4"},
       0,
       0,
       "38\r\n7\r\n24\r\n0\r\n78\r\n30\r\n0\r\n0\r\n1\r\n1",
       {" 38.1233333", " ", "", " 78.5000000", "", ""},
       0,
       0,
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
      before.Set(kHomeFields, c.home);
      before.screen.SetItemIndex(Control::RadioGroup1, c.latitude_index);
      before.screen.SetItemIndex(Control::RadioGroup2, c.longitude_index);
      before.tessaly.DistanceFactor = c.factor;
      before.tessaly.SaveHome1Click();
    }
    EXPECT_EQ(ReadHomeFile(), c.file) << c.name;

    Window after(directory);
    after.tessaly.RecallHome1Click();
    const bool decimal = c.home_decimal && c.destination_decimal;
    EXPECT_EQ(after.Get(kHomeFields), c.recalled) << c.name;
    EXPECT_EQ(after.screen.GetItemIndex(Control::RadioGroup1), c.recalled_latitude_index) << c.name;
    EXPECT_EQ(after.screen.GetItemIndex(Control::RadioGroup2), c.recalled_longitude_index)
        << c.name;
    EXPECT_EQ(after.tessaly.Home.DecimalFormat, decimal) << c.name;
    EXPECT_TRUE(after.ShowsLayout(Side::Home, decimal)) << c.name;
    EXPECT_EQ(after.tessaly.DistanceFactor, c.factor) << c.name;
    EXPECT_EQ(after.screen.GetText(Control::Label24), c.caption) << c.name;
  }
}

TEST_F(HomeCommandsTest, SaveTakesMissingValuesFromTheLocatorElseFromTheDefaults) {
  struct Case {
    bool decimal;
    Texts6 home;
    const char* locator;
    std::string_view file;
  };
  const std::array<Case, 4> kCases{{
      {false, {"1", "2", "", "4", "5", "6"}, "", "1\r\n2\r\n54\r\n0\r\n4\r\n5\r\n6\r\n1\r\n0\r\n1"},
      {false,
       {"12.5", " ", "3", "1.", "", "99999999999"},
       "",
       "38\r\n0\r\n3\r\n0\r\n78\r\n38\r\n15\r\n1\r\n0\r\n1"},
      {false,
       {"1", "2", "", "4", "5", "6"},
       "FN31pr",
       "41\r\n43\r\n45\r\n0\r\n72\r\n42\r\n30\r\n0\r\n0\r\n1"},
      // A hidden minute or second field counts too.
      {true,
       {" 10.0000000", "2", "", " 20.0000000", "5", "6"},
       "FN31pr",
       "41\r\n43\r\n45\r\n0\r\n72\r\n42\r\n30\r\n0\r\n1\r\n1"},
  }};
  for (const Case& c : kCases) {
    Window w(directory);
    w.tessaly.Home.DecimalFormat = w.tessaly.Destination.DecimalFormat = c.decimal;
    w.Set(kHomeFields, c.home);
    w.screen.SetText(Control::Edit7, c.locator);
    w.tessaly.SaveHome1Click();
    EXPECT_EQ(ReadHomeFile(), c.file) << c.home[0] << " " << c.locator;
  }
}

TEST_F(HomeCommandsTest, FailedSaveIsShownWithPathAndReasonAndChangesNothing) {
  fs::create_directories(fs::path(directory).parent_path());
  std::ofstream(directory) << "a file where the directory belongs";
  Window w(directory);
  w.Set(kHomeFields, {"41", "43", "45", "72", "42", "30"});
  const std::size_t changes = w.screen.TextChanges().size();

  EXPECT_FALSE(RunGuarded(w.screen, [&w] { w.tessaly.SaveHome1Click(); }));

  EXPECT_EQ(w.screen.Errors(),
            std::vector<std::string>{"Cannot save the home file " + file + ": Not a directory."});
  EXPECT_EQ(w.screen.TextChanges().size(), changes);
}

TEST_F(HomeCommandsTest, DecimalDegreesThatAreNoNumberStopTheSaveBeforeTheFile) {
  WriteHomeFile(kStandardFile);
  Window w(directory);
  w.tessaly.Home.DecimalFormat = true;
  w.Set(kHomeFields, {" 38.5", "1", "2", " 78.5", "3", "4"});
  w.screen.SetText(Control::Edit4, "1..2");
  try {
    w.tessaly.SaveHome1Click();
    ADD_FAILURE() << "saved from a longitude that is no number";
  } catch (const TessalyError& error) {
    EXPECT_STREQ(error.what(), "'1..2' is not a valid floating point value");
  }
  EXPECT_EQ(ReadHomeFile(), kStandardFile);
}

TEST_F(HomeCommandsTest, DamagedFileAtStartShowsTheErrorAndSkipsTheRestOfTheShow) {
  struct Case {
    const char* name;
    std::string_view bytes;
    const char* error;
    Texts6 home;
    bool decimal;
    double factor;
  };
  const std::array<Case, 4> kCases{{
      {"empty file",
       "",
       "' ' is not a valid floating point value.",
       {" ", " ", " ", " ", " ", ""},
       false,
       kKilometresPerKilometre},
      {"first line too long",
       "1234\r\n0\r\n54\r\n0\r\n78\r\n38\r\n15\r\n0\r\n0\r\n1",
       "' ' is not a valid floating point value.",
       {" 123", " ", " ", " ", " ", ""},
       false,
       kKilometresPerKilometre},
      {"empty minutes in decimal degrees",
       "38\n\n54\n0\n78\n38\n15\n0\n1\n1",
       "' ' is not a valid integer value.",
       {"", " ", "", "", "", ""},
       true,
       kMilesPerKilometre},
      // Seconds are read before minutes and degrees.
      {"no numbers in decimal degrees",
       "d\nm\ns\n0\n78\n38\n15\n0\n1\n0",
       "' s' is not a valid integer value.",
       {"", " ", "", "", "", ""},
       true,
       kKilometresPerKilometre},
  }};
  for (const Case& c : kCases) {
    WriteHomeFile(c.bytes);
    Window w(directory);
    w.screen.SetText(Control::Edit15, " 50.5  :  288.2");

    EXPECT_FALSE(RunGuarded(w.screen, [&w] { w.tessaly.FormShow(); })) << c.name;

    EXPECT_EQ(w.screen.Errors(), std::vector<std::string>{c.error}) << c.name;
    EXPECT_EQ(w.Get(kHomeFields), c.home) << c.name;
    EXPECT_EQ(w.screen.GetItemIndex(Control::RadioGroup1), 0) << c.name;
    EXPECT_EQ(w.screen.GetItemIndex(Control::RadioGroup2), 0) << c.name;
    EXPECT_EQ(w.tessaly.Home.DecimalFormat, c.decimal) << c.name;
    EXPECT_EQ(w.tessaly.DistanceFactor, c.factor) << c.name;
    // Neither the layout, nor the results, nor the focus, nor the locator.
    EXPECT_TRUE(w.ShowsLayout(Side::Home, false)) << c.name;
    EXPECT_EQ(w.screen.GetText(Control::Edit15), " 50.5  :  288.2") << c.name;
    EXPECT_NE(w.screen.FocusedControl(), Control::Edit14) << c.name;
    EXPECT_EQ(w.screen.GetText(Control::Edit7), "") << c.name;
  }
}

TEST_F(HomeCommandsTest, ShortFileAndOddHemispheresAreRecalled) {
  WriteHomeFile("38\r\n0\r\n54\r\n7\r\n78\r\n38\r\n15\r\n-5\r\n0\r\n");
  Window w(directory);
  w.tessaly.RecallHome1Click();
  EXPECT_EQ(w.Get(kHomeFields), (Texts6{" 38", " 0", " 54", " 78", " 38", " 15"}));
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
    Texts6 destination;
    bool file_decimal;
    Texts6 expected;
  };
  const Texts6 kDecimal{" 12.5000000", "7", "7", " 45.2500000", "7", "7"};
  const Texts6 kDms{"12", "30", "0", "45", "15", "0"};
  const Texts6 kEmpty{};
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
    w.tessaly.Destination.DecimalFormat = c.destination_decimal;
    w.ShowLayout(Side::Destination, c.destination_decimal);
    w.Set(kDestinationFields, c.destination);

    w.tessaly.RecallHome1Click();

    EXPECT_EQ(w.tessaly.Destination.DecimalFormat, c.file_decimal) << c.name;
    EXPECT_EQ(w.Get(kDestinationFields), c.expected) << c.name;
    EXPECT_TRUE(w.ShowsLayout(Side::Destination, c.file_decimal)) << c.name;
  }
}

// Without a file, flags, fields and layouts all return to
// degrees/minutes/seconds.
TEST_F(HomeCommandsTest, RecallWithoutFileBringsBothLocationsIntoDms) {
  Window w(directory);
  w.tessaly.Home.DecimalFormat = w.tessaly.Destination.DecimalFormat = true;
  w.ShowLayout(Side::Home, true);
  w.ShowLayout(Side::Destination, true);
  w.Set(kDestinationFields, {" 12.5000000", "", "", " 45.2500000", "", ""});

  w.tessaly.RecallHome1Click();

  EXPECT_FALSE(w.tessaly.Home.DecimalFormat);
  EXPECT_FALSE(w.tessaly.Destination.DecimalFormat);
  EXPECT_EQ(w.Get(kHomeFields), kDefaultTexts);
  EXPECT_TRUE(w.ShowsLayout(Side::Home, false));
  EXPECT_EQ(w.Get(kDestinationFields), (Texts6{" 12", " 30", " 0", " 45", " 15", " 0"}));
  EXPECT_TRUE(w.ShowsLayout(Side::Destination, false));
}

// Nothing a recall without a file meets is reported, and the old results go
// in every case.
TEST_F(HomeCommandsTest, RecallWithoutFileIsSilentWhateverTheDestinationHolds) {
  Window w(directory);
  w.tessaly.Destination.DecimalFormat = true;
  w.ShowLayout(Side::Destination, true);
  const Texts6 unreadable{" 52.5208333..", "", "", " 13.375", "", ""};
  w.Set(kDestinationFields, unreadable);
  w.screen.SetText(Control::Edit15, " 47.1  :  296.1");
  w.screen.SetText(Control::Edit16, " 3879.8");

  EXPECT_TRUE(RunGuarded(w.screen, [&w] { w.tessaly.RecallHome1Click(); }));

  EXPECT_EQ(w.screen.Errors(), std::vector<std::string>{});
  EXPECT_FALSE(w.tessaly.Destination.DecimalFormat);
  EXPECT_EQ(w.Get(kDestinationFields), unreadable);
  EXPECT_TRUE(w.ShowsLayout(Side::Destination, false));
  EXPECT_EQ(w.screen.GetText(Control::Edit15), "");
  EXPECT_EQ(w.screen.GetText(Control::Edit16), "");
}

}  // namespace
}  // namespace tessaly

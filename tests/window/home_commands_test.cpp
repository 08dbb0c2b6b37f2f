// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and recalling the Home location through a real home file, and the
// recall at first show: what the scenarios leave to the command logic.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/screen_fixture.h"
#include "window/error_display.h"

namespace tessaly {
namespace {

namespace fs = std::filesystem;

class HomeCommandsTest : public ScreenFixture {
 protected:
  void WriteHomeFile(std::string_view bytes) const {
    ASSERT_EQ(home_.WriteHomeFile(std::string(bytes)), "");
  }
  std::string SavedFile() const { return home_.ReadHomeFile().value_or("none"); }
  void SetFormats(MemoryWindow& window, bool decimal) {
    for (MenuItem item : {MenuItem::HomeDecimal, MenuItem::DestinationDecimal}) {
      if (window.Tessaly.IsChecked(item) != decimal) window.Tessaly.OnMenu(item);
    }
  }
};

// Leading zeros, both second items and either unit; the hidden fields of a
// decimal Home keep what they held.
TEST_F(HomeCommandsTest, SaveThenRestartRecallsHomeFormatAndUnit) {
  struct Case {
    const char* Name;
    bool Decimal;
    bool Kilometres;
    CoordinateTexts Home;
    int LatitudeIndex, LongitudeIndex;
    std::string_view File;
    CoordinateTexts Recalled;
  };
  const std::array<Case, 2> kCases{{
      {"dms, miles",
       false,
       false,
       {"41", "007", "45", "72", "42", "30"},
       1,
       1,
       "41\r\n7\r\n45\r\n1\r\n72\r\n42\r\n30\r\n1\r\n0\r\n1",
       {" 41", " 7", " 45", " 72", " 42", " 30"}},
      {"decimal, km",
       true,
       true,
       {" 38.1234567", "1", "2", " 78.5000000", "3", "4"},
       1,
       0,
       "38\r\n7\r\n24\r\n1\r\n78\r\n30\r\n0\r\n0\r\n1\r\n0",
       {" 38.1233333", " ", "", " 78.5000000", "", ""}},
  }};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.Name);
    {
      MemoryWindow before(home_.Path());
      SetFormats(before, c.Decimal);
      EnterTexts(before.Screen, Side::Home, c.Home);
      before.Screen.SetItemIndex(Control::RadioGroup1, c.LatitudeIndex);
      before.Screen.SetItemIndex(Control::RadioGroup2, c.LongitudeIndex);
      if (c.Kilometres) before.Tessaly.OnClick(Control::Label24);
      before.Tessaly.OnMenu(MenuItem::SaveHome);
    }
    EXPECT_EQ(SavedFile(), c.File);

    MemoryWindow after(home_.Path());
    after.Tessaly.OnMenu(MenuItem::RecallHome);
    EXPECT_EQ(ShownTexts(after.Screen, Side::Home), c.Recalled);
    EXPECT_EQ(after.Screen.GetItemIndex(Control::RadioGroup1), c.LatitudeIndex);
    EXPECT_EQ(after.Screen.GetItemIndex(Control::RadioGroup2), c.LongitudeIndex);
    EXPECT_EQ(after.Tessaly.IsChecked(MenuItem::HomeDecimal), c.Decimal);
    EXPECT_TRUE(ShowsFormatLayout(after.Screen, Side::Home, c.Decimal));
    EXPECT_EQ(after.Tessaly.IsChecked(MenuItem::Kilometres), c.Kilometres);
  }
}

TEST_F(HomeCommandsTest, SaveTakesMissingValuesFromTheLocatorElseFromTheDefaults) {
  struct Case {
    bool Decimal;
    CoordinateTexts Home;
    const char* Locator;
    std::string_view File;
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
    MemoryWindow w(home_.Path());
    SetFormats(w, c.Decimal);
    EnterTexts(w.Screen, Side::Home, c.Home);
    w.Screen.SetText(Control::Edit7, c.Locator);
    w.Tessaly.OnMenu(MenuItem::SaveHome);
    EXPECT_EQ(SavedFile(), c.File) << c.Home[0] << " " << c.Locator;
  }
}

// Decimal degrees from lines that are no numbers.
TEST_F(HomeCommandsTest, DamagedFileAtStartShowsTheErrorAndSkipsTheRestOfTheShow) {
  struct Case {
    std::string_view Bytes;
    const char* Error;
    bool Kilometres;
  };
  const std::array<Case, 2> kCases{{
      {"38\n\n54\n0\n78\n38\n15\n0\n1\n1", "' ' is not a valid integer value.", false},
      // Seconds are read before minutes and degrees.
      {"d\nm\ns\n0\n78\n38\n15\n0\n1\n0", "' s' is not a valid integer value.", true},
  }};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.Error);
    WriteHomeFile(c.Bytes);
    MemoryWindow w(home_.Path());
    w.Screen.SetText(Control::Edit15, " 50.5  :  288.2");

    EXPECT_FALSE(RunGuarded(w.Screen, [&w] { w.Tessaly.OnFirstShow(); }));

    EXPECT_EQ(w.Screen.Errors(), std::vector<std::string>{c.Error});
    EXPECT_EQ(ShownTexts(w.Screen, Side::Home), (CoordinateTexts{"", " ", "", "", "", ""}));
    EXPECT_EQ(w.Screen.GetItemIndex(Control::RadioGroup1), 0);
    EXPECT_EQ(w.Screen.GetItemIndex(Control::RadioGroup2), 0);
    EXPECT_TRUE(w.Tessaly.IsChecked(MenuItem::HomeDecimal));
    EXPECT_EQ(w.Tessaly.IsChecked(MenuItem::Kilometres), c.Kilometres);
    // Neither the layout, nor the results, nor the focus, nor the locator.
    EXPECT_TRUE(ShowsFormatLayout(w.Screen, Side::Home, false));
    EXPECT_EQ(w.Screen.GetText(Control::Edit15), " 50.5  :  288.2");
    EXPECT_NE(w.Screen.FocusedControl(), Control::Edit14);
    EXPECT_EQ(w.Screen.GetText(Control::Edit7), "");
  }
}

TEST_F(HomeCommandsTest, ShortFileAndOddHemispheresAreRecalled) {
  WriteHomeFile("38\r\n0\r\n54\r\n7\r\n78\r\n38\r\n15\r\n-5\r\n0\r\n");
  tessaly_.OnMenu(MenuItem::RecallHome);
  EXPECT_EQ(Shown(Side::Home), (CoordinateTexts{" 38", " 0", " 54", " 78", " 38", " 15"}));
  EXPECT_EQ(screen_.GetItemIndex(Control::RadioGroup1), 1);
  EXPECT_EQ(screen_.GetItemIndex(Control::RadioGroup2), -1);
  EXPECT_EQ(screen_.GetText(Control::Label24), "Distance (km)");
}

// Where the Destination already shows the recalled format it is left alone;
// otherwise it is converted.
TEST_F(HomeCommandsTest, DestinationIsConvertedOnlyFromTheOtherFormat) {
  struct Case {
    const char* Name;
    bool DestinationDecimal;
    CoordinateTexts Destination;
    bool FileDecimal;
    CoordinateTexts Expected;
  };
  const CoordinateTexts kDecimal{" 12.5000000", "7", "7", " 45.2500000", "7", "7"};
  const CoordinateTexts kDms{"12", "30", "0", "45", "15", "0"};
  const CoordinateTexts kEmpty{};
  const std::array<Case, 8> kCases{{
      {"decimal stays", true, kDecimal, true, kDecimal},
      {"decimal without degrees stays",
       true,
       {"", "7", "7", " 45.2500000", "7", "7"},
       true,
       {"", "7", "7", " 45.2500000", "7", "7"}},
      {"dms without degrees",
       false,
       {"", "30", "0", "45", "15", "0"},
       false,
       {"", "30", "0", "45", "15", "0"}},
      {"dms stays", false, kDms, false, kDms},
      {"dms to decimal", false, kDms, true, {" 12.5000000", "30", "0", " 45.2500000", "15", "0"}},
      {"decimal to dms", true, kDecimal, false, {" 12", " 30", " 0", " 45", " 15", " 0"}},
      {"start, decimal", false, kEmpty, true, kEmpty},
      {"start, dms", false, kEmpty, false, kEmpty},
  }};
  for (const Case& c : kCases) {
    WriteHomeFile(c.FileDecimal ? "38\n0\n54\n0\n78\n38\n15\n0\n1\n1"
                                : "38\n0\n54\n0\n78\n38\n15\n0\n0\n1");
    MemoryWindow w(home_.Path());
    if (c.DestinationDecimal) w.Tessaly.OnDoubleClick(Control::Panel2);
    EnterTexts(w.Screen, Side::Destination, c.Destination);

    w.Tessaly.OnMenu(MenuItem::RecallHome);

    EXPECT_EQ(w.Tessaly.IsChecked(MenuItem::DestinationDecimal), c.FileDecimal) << c.Name;
    EXPECT_EQ(ShownTexts(w.Screen, Side::Destination), c.Expected) << c.Name;
    EXPECT_TRUE(ShowsFormatLayout(w.Screen, Side::Destination, c.FileDecimal)) << c.Name;
  }
}

// Without a file, flags, fields and layouts all return to
// degrees/minutes/seconds.
TEST_F(HomeCommandsTest, RecallWithoutFileBringsBothLocationsIntoDms) {
  tessaly_.OnDoubleClick(Control::Window);
  Enter(Side::Destination, {" 12.5000000", "", "", " 45.2500000", "", ""});

  tessaly_.OnMenu(MenuItem::RecallHome);

  EXPECT_FALSE(tessaly_.IsChecked(MenuItem::HomeDecimal));
  EXPECT_FALSE(tessaly_.IsChecked(MenuItem::DestinationDecimal));
  EXPECT_EQ(Shown(Side::Home), (CoordinateTexts{" 38", " 00", " 54", " 78", " 38", " 15"}));
  EXPECT_TRUE(ShowsFormatLayout(screen_, Side::Home, false));
  EXPECT_EQ(Shown(Side::Destination), (CoordinateTexts{" 12", " 30", " 0", " 45", " 15", " 0"}));
  EXPECT_TRUE(ShowsFormatLayout(screen_, Side::Destination, false));
}

// Nothing a recall without a file meets is reported, and the old results go
// in every case.
TEST_F(HomeCommandsTest, RecallWithoutFileIsSilentWhateverTheDestinationHolds) {
  tessaly_.OnDoubleClick(Control::Panel2);
  const CoordinateTexts unreadable{" 52.5208333..", "", "", " 13.375", "", ""};
  Enter(Side::Destination, unreadable);
  screen_.SetText(Control::Edit15, " 47.1  :  296.1");
  screen_.SetText(Control::Edit16, " 3879.8");

  EXPECT_TRUE(RunGuarded(screen_, [this] { tessaly_.OnMenu(MenuItem::RecallHome); }));

  EXPECT_EQ(screen_.Errors(), std::vector<std::string>{});
  EXPECT_FALSE(tessaly_.IsChecked(MenuItem::DestinationDecimal));
  EXPECT_EQ(Shown(Side::Destination), unreadable);
  EXPECT_TRUE(ShowsFormatLayout(screen_, Side::Destination, false));
  EXPECT_EQ(screen_.GetText(Control::Edit15), "");
  EXPECT_EQ(screen_.GetText(Control::Edit16), "");
  EXPECT_TRUE(fs::is_empty(home_.Path())) << "a recall creates nothing";
}

}  // namespace
}  // namespace tessaly

namespace tessaly {
namespace {

// A recall through the menu shows the locator of the Home it recalled, as
// the first show does, not the one the Home grid held before.
TEST_F(HomeCommandsTest, RecallHomeComputesTheLocatorOfTheRecalledHome) {
  const std::optional<std::string> files[] = {
      std::nullopt,
      "41\r\n42\r\n52\r\n0\r\n72\r\n43\r\n37\r\n0\r\n0\r\n1",
      "38\r\n7\r\n24\r\n1\r\n78\r\n30\r\n0\r\n1\r\n1\r\n0",
  };
  for (const std::optional<std::string>& file : files) {
    SCOPED_TRACE(file.value_or("no file"));
    ASSERT_EQ(file ? home_.WriteHomeFile(*file) : home_.RemoveHomeFile(), "");
    MemoryWindow started(home_.Path());
    started.Tessaly.OnFirstShow();
    screen_.SetText(Control::Edit7, "JO62qm");
    tessaly_.OnClick(Control::Button2);
    tessaly_.OnMenu(MenuItem::RecallHome);
    EXPECT_EQ(screen_.GetText(Control::Edit7), started.Screen.GetText(Control::Edit7));
  }
}

// Only what a line of the file keeps is saved: a value of more characters
// would come back cut, and the file is left as it was.
TEST_F(HomeCommandsTest, SaveRefusesAValueTheRecallWouldNotReadBack) {
  struct Case {
    bool decimal;
    Control field;
    std::string text;
    const char* message_end;  // empty: saved
  };
  const Case cases[] = {
      {false, Control::Edit1, "1234", ": Home latitude degrees 1234 has more than 3 characters"},
      {false, Control::Edit6, "5000", ": Home longitude seconds 5000 has more than 3 characters"},
      {true, Control::Edit4, "1000.25", ": Home longitude degrees 1000 has more than 3 characters"},
      {false, Control::Edit3, "999", ""},
      // 60 seconds from a conversion come back as saved.
      {true, Control::Edit1, " 10.9999000", ""},
  };
  const std::string old_file = "38\r\n0\r\n54\r\n0\r\n78\r\n38\r\n15\r\n0\r\n0\r\n1";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    WriteHomeFile(old_file);
    MemoryWindow w(home_.Path());
    w.Tessaly.OnFirstShow();
    SetFormats(w, c.decimal);
    w.Screen.SetText(c.field, c.text);
    if (*c.message_end == '\0') {
      w.Tessaly.OnMenu(MenuItem::SaveHome);
      EXPECT_NE(SavedFile(), old_file);
    } else {
      EXPECT_EQ(ErrorMessageOf([&] { w.Tessaly.OnMenu(MenuItem::SaveHome); }),
                "Cannot save the home file " + home_.FilePath() + c.message_end);
      EXPECT_EQ(SavedFile(), old_file);
    }
  }
}

}  // namespace
}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
// A test screen with the window's handlers attached, as the handler tests
// need them: text-changed events reach the handlers as on the real window.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "geo/error.h"
#include "geo/location.h"
#include "tests/support/memory_screen.h"
#include "window/location_controls.h"
#include "window/tessaly.h"

namespace tessaly {

// Latitude degrees, minutes, seconds, then longitude degrees, minutes, seconds.
using CoordinateTexts = std::array<std::string, 6>;
using TextChange = std::pair<Control, std::string>;

inline constexpr std::array<Control, 12> kCoordinateFields{
    Control::Edit1,  Control::Edit2,  Control::Edit3,  Control::Edit4,
    Control::Edit5,  Control::Edit6,  Control::Edit8,  Control::Edit9,
    Control::Edit10, Control::Edit11, Control::Edit12, Control::Edit13};

// The message of the TessalyError `action` throws; a test failure when it
// throws none.
template <typename Action>
std::string ErrorMessageOf(Action&& action) {
  try {
    action();
  } catch (const TessalyError& error) {
    return error.Message();
  }
  ADD_FAILURE() << "no TessalyError thrown";
  return {};
}

// Writes the six coordinate fields of a location in reading order.
inline void EnterTexts(MemoryScreen& screen, Side side, const CoordinateTexts& texts) {
  const auto fields = CoordinateFields(ControlsOf(side));
  for (std::size_t i = 0; i < fields.size(); ++i) screen.SetText(fields[i], texts[i]);
}

inline CoordinateTexts ShownTexts(const MemoryScreen& screen, Side side) {
  const auto fields = CoordinateFields(ControlsOf(side));
  CoordinateTexts texts;
  for (std::size_t i = 0; i < fields.size(); ++i) texts[i] = screen.GetText(fields[i]);
  return texts;
}

// The text changes since the `start`th, in order.
inline std::vector<TextChange> ChangesSince(const MemoryScreen& screen, std::size_t start) {
  return {screen.TextChanges().begin() + static_cast<std::ptrdiff_t>(start),
          screen.TextChanges().end()};
}

// Degree field widths, and the minute and second fields and labels shown,
// as the format switch leaves them.
inline ::testing::AssertionResult ShowsFormatLayout(const MemoryScreen& screen, Side side,
                                                    bool decimal) {
  const LocationControls& c = ControlsOf(side);
  const int lat_width = screen.Width(c.LatDegrees), lon_width = screen.Width(c.LonDegrees);
  if (lat_width != (decimal ? kDecimalDegreesWidth : kDmsLatitudeDegreesWidth) ||
      lon_width != (decimal ? kDecimalDegreesWidth : kDmsLongitudeDegreesWidth)) {
    return ::testing::AssertionFailure()
           << "degree fields " << lat_width << " and " << lon_width << " pixels wide";
  }
  for (Control control : {c.LatMinutes, c.LatSeconds, c.LonMinutes, c.LonSeconds, c.LatMinutesLabel,
                          c.LatSecondsLabel, c.LonMinutesLabel, c.LonSecondsLabel}) {
    if (screen.IsVisible(control) == decimal) {
      return ::testing::AssertionFailure()
             << ControlName(control) << (decimal ? " shows" : " is hidden");
    }
  }
  return ::testing::AssertionSuccess();
}

class ScreenFixture : public ::testing::Test {
 protected:
  ScreenFixture() { screen.Attach(tessaly); }

  void Enter(Side side, const CoordinateTexts& texts) { EnterTexts(screen, side, texts); }
  CoordinateTexts Shown(Side side) const { return ShownTexts(screen, side); }
  Location& Record(Side side) { return side == Side::Home ? tessaly.Home : tessaly.Destination; }

  void SelectHemispheres(Side side, int latitude_index, int longitude_index) {
    screen.SetItemIndex(ControlsOf(side).LatGroup, latitude_index);
    screen.SetItemIndex(ControlsOf(side).LonGroup, longitude_index);
  }

  MemoryScreen screen;
  TTessaly1 tessaly{screen, "/nonexistent-home-directory"};
};

}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
// The window in memory, as the command tests run it: a screen with the
// handlers attached, so that text-changed events reach them as on the real
// window, and a home directory of its own.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "geo/error.h"
#include "tests/support/home_directory.h"
#include "tests/support/memory_screen.h"
#include "window/location_panel.h"
#include "window/tessaly.h"

namespace tessaly {

using TextChange = std::pair<Control, std::string>;

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
  void Enter(Side side, const CoordinateTexts& texts) { EnterTexts(screen_, side, texts); }
  CoordinateTexts Shown(Side side) const { return ShownTexts(screen_, side); }

  void SelectHemispheres(Side side, int latitude_index, int longitude_index) {
    screen_.SetItemIndex(ControlsOf(side).LatGroup, latitude_index);
    screen_.SetItemIndex(ControlsOf(side).LonGroup, longitude_index);
  }
  // The location in the format, by the View item as a user would switch it.
  void ShowFormat(Side side, bool decimal) {
    const MenuItem item = side == Side::Home ? MenuItem::HomeDecimal : MenuItem::DestinationDecimal;
    if (tessaly_.IsChecked(item) != decimal) tessaly_.OnMenu(item);
  }
  bool InKilometres() const { return tessaly_.IsChecked(MenuItem::Kilometres); }

  HomeDirectory home_;
  MemoryWindow window_{home_.Path()};
  MemoryScreen& screen_ = window_.Screen;
  TTessaly1& tessaly_ = window_.Tessaly;
};

}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
// A test screen with the window's handlers attached, as the handler tests
// need them: text-changed events reach the handlers as on the real window.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>

#include "geo/error.h"
#include "geo/location.h"
#include "tests/support/memory_screen.h"
#include "window/location_controls.h"
#include "window/tessaly.h"

namespace tessaly {

// Latitude degrees, minutes, seconds, then longitude degrees, minutes, seconds.
using CoordinateTexts = std::array<std::string, 6>;

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

class ScreenFixture : public ::testing::Test {
 protected:
  ScreenFixture() { screen.Attach(tessaly); }

  // Writes the six coordinate fields of a location in reading order.
  void Enter(Side side, const CoordinateTexts& texts) {
    const auto fields = CoordinateFields(ControlsOf(side));
    for (std::size_t i = 0; i < fields.size(); ++i) screen.SetText(fields[i], texts[i]);
  }

  CoordinateTexts Shown(Side side) const {
    const auto fields = CoordinateFields(ControlsOf(side));
    CoordinateTexts texts;
    for (std::size_t i = 0; i < fields.size(); ++i) texts[i] = screen.GetText(fields[i]);
    return texts;
  }

  void SelectHemispheres(Side side, int latitude_index, int longitude_index) {
    screen.SetItemIndex(ControlsOf(side).LatGroup, latitude_index);
    screen.SetItemIndex(ControlsOf(side).LonGroup, longitude_index);
  }

  MemoryScreen screen;
  TTessaly1 tessaly{screen, "/nonexistent-home-directory"};
};

}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
// What the error box shows for a message that escaped a handler.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "geo/error.h"
#include "tests/support/memory_screen.h"
#include "window/error_display.h"

namespace tessaly {
namespace {

TEST(ErrorBoxText, AddsAFullStopOnlyAfterACharacterThatSortsAfterIt) {
  const struct {
    const char* Message;
    const char* Shown;
  } cases[] = {
      {"'x' is not a valid integer value", "'x' is not a valid integer value."},
      {"Invalid floating point operation", "Invalid floating point operation."},
      {"ends in a digit 7", "ends in a digit 7."},
      {"ends in a slash /", "ends in a slash /."},
      {"ends in a full stop.", "ends in a full stop."},
      {"ends in a quote '", "ends in a quote '"},  // "'" sorts before "."
      {"ends in a blank ", "ends in a blank "},
      {"ends in Latin-1 \xe9", "ends in Latin-1 \xe9."},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorBoxText(c.Message), c.Shown) << c.Message;
}

TEST(RunGuarded, ShowsTheEscapedErrorAndReportsTheHandlerUnfinished) {
  MemoryScreen screen;
  int steps = 0;
  EXPECT_FALSE(RunGuarded(screen, [&] {
    ++steps;
    throw TessalyError("' ' is not a valid floating point value");
  }));
  EXPECT_TRUE(RunGuarded(screen, [&] { ++steps; }));
  EXPECT_EQ(steps, 2);
  // A field text with a NUL byte is shown whole.
  const std::string nul_text = std::string("'") + '\0' + " 5' is not a valid integer value";
  RunGuarded(screen, [&] { throw TessalyError(nul_text); });
  EXPECT_EQ(screen.Errors(),
            (std::vector<std::string>{"' ' is not a valid floating point value.", nul_text + "."}));
}

}  // namespace
}  // namespace tessaly

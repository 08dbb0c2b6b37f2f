// SPDX-License-Identifier: GPL-3.0-or-later
// What must hold after every step of the random-event test, whatever the
// steps were: sound number texts, headings and a distance that can be, a
// complete home file, errors only of the kinds the program raises, and no
// result shown from a location the user never gave.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tests/support/home_directory.h"
#include "tests/support/window_driver.h"
#include "window/distance_unit.h"

namespace tessaly::monkey {

// The fields, hemispheres, unit and focus, for a failure report.
std::string WindowState(WindowDriver& driver);

class WindowChecks {
 public:
  // Takes the errors shown since the last step, as the user dismisses them;
  // returns what is wrong, or nothing.
  std::vector<std::string> AfterStep(WindowDriver& driver, const HomeDirectory& home);
  // How much the run exercised: steps with new results, errors shown.
  long ResultsSeen() const { return results_seen_; }
  long ErrorsSeen() const { return errors_seen_; }

 private:
  void CheckNumberTexts(WindowDriver& driver);
  void CheckHeadings(const std::string& text);
  void CheckDistance(WindowDriver& driver, const std::string& text);
  void CheckResultSource(WindowDriver& driver);
  void CheckHomeFile(const HomeDirectory& home);
  void CheckErrors(WindowDriver& driver);

  std::vector<std::string> faults_;
  std::string headings_;
  std::string distance_;
  bool results_changed_ = false;
  long results_seen_ = 0;
  long errors_seen_ = 0;
  // The factor the shown distance was computed with: a unit switch that the
  // distance command's gate stops leaves the number in the old unit.
  std::optional<DistanceUnit> unit_;  // of the distance last shown
};

}  // namespace tessaly::monkey

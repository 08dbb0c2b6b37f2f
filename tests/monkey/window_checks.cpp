// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/monkey/window_checks.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <optional>
#include <string_view>

#include "home/home_file.h"
#include "tests/support/shown_number_checks.h"
#include "window/controls.h"
#include "window/distance_unit.h"
#include "window/location_controls.h"
#include "window/results.h"

namespace tessaly::monkey {

namespace {

using C = Control;

constexpr double kFullCircleDegrees = 360.0;
constexpr double kHalfShownStep = 0.05;  // Edit16 shows one decimal

// Every edit field, Edit1 to Edit16.
std::vector<Control> Edits() {
  std::vector<Control> edits;
  for (const Control control : AllControls()) {
    if (IsEdit(control)) edits.push_back(control);
  }
  return edits;
}

bool IsDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

// " 3542.8": one blank, digits, one decimal.
std::optional<double> OneDecimalValue(std::string_view text) {
  const std::size_t point = text.find('.');
  if (text.size() < 4 || text[0] != ' ' || point == std::string_view::npos ||
      !IsDigits(text.substr(1, point - 1)) || !IsDigits(text.substr(point + 1)) ||
      point + 2 != text.size()) {
    return std::nullopt;
  }
  double value = 0.0;
  std::from_chars(text.data() + 1, text.data() + text.size(), value);
  return value;
}

}  // namespace

std::string WindowState(WindowDriver& driver) {
  std::string state;
  try {
    for (const Control edit : Edits()) {
      state += ControlName(edit) + " " + Quote(driver.Text(edit)) +
               (driver.Visible(edit) ? "" : " (hidden)") + "\n";
    }
    for (const Control group : {C::RadioGroup1, C::RadioGroup2, C::RadioGroup3, C::RadioGroup4}) {
      state += ControlName(group) + " " + std::to_string(driver.ItemIndex(group)) + "\n";
    }
    state += "Label24 " + Quote(driver.Text(C::Label24)) + "\nfocus " + driver.FocusedControl();
  } catch (const DriverFailure& failure) {
    state += std::string("(no more to read: ") + failure.what() + ")";
  }
  return state + "\n";
}

std::vector<std::string> WindowChecks::AfterStep(WindowDriver& driver, const HomeDirectory& home) {
  faults_.clear();
  CheckErrors(driver);
  if (driver.Closed()) {
    faults_.push_back("the window closed");
    return faults_;
  }
  const std::string headings = driver.Text(C::Edit15);
  const std::string distance = driver.Text(C::Edit16);
  // Clearing the results is no result.
  results_changed_ =
      (headings != headings_ && !headings.empty()) || (distance != distance_ && !distance.empty());
  if (results_changed_) ++results_seen_;
  if (distance != distance_ || !unit_) {
    unit_ =
        driver.Text(C::Label24) == "Distance (km)" ? DistanceUnit::Kilometres : DistanceUnit::Miles;
  }
  headings_ = headings;
  distance_ = distance;

  CheckNumberTexts(driver);
  if (!headings.empty()) CheckHeadings(headings);
  if (!distance.empty()) CheckDistance(driver, distance);
  CheckResultSource(driver);
  CheckHomeFile(home);
  return faults_;
}

void WindowChecks::CheckNumberTexts(WindowDriver& driver) {
  for (const Control edit : Edits()) {
    const std::string text = driver.Text(edit);
    if (IsUnfitNumberText(text)) {
      faults_.push_back(ControlName(edit) + " shows " + Quote(text));
    }
  }
}

void WindowChecks::CheckHeadings(const std::string& text) {
  const std::size_t separator = text.find(kHeadingSeparator);
  const std::string_view all(text);
  const auto forward = OneDecimalValue(all.substr(0, separator));
  const auto reverse = separator == std::string::npos
                           ? std::nullopt
                           : OneDecimalValue(all.substr(separator + kHeadingSeparator.size()));
  if (!forward || !reverse) {
    faults_.push_back("Edit15 holds no pair of headings: " + Quote(text));
  } else if (*forward > kFullCircleDegrees || *reverse > kFullCircleDegrees) {
    faults_.push_back("Edit15 holds a heading beyond 360: " + Quote(text));
  }
}

void WindowChecks::CheckDistance(WindowDriver& driver, const std::string& text) {
  const auto distance = OneDecimalValue(text);
  const std::string caption = driver.Text(C::Label24);
  if (caption != "Distance (km)" && caption != "Distance (miles)") {
    faults_.push_back("Label24 names no unit: " + Quote(caption));
  }
  const double farthest =
      (kLongestShownPathKm + kAndoyerErrorKm) * DistanceFactor(*unit_) + kHalfShownStep;
  if (!distance) {
    faults_.push_back("Edit16 holds no distance: " + Quote(text));
  } else if (*distance > farthest) {
    faults_.push_back("Edit16 holds more than half a meridian: " + Quote(text) + " " +
                      std::string(UnitName(*unit_)));
  }
}

// New results come from two complete locations: a run that decoded no
// locator has no position to measure from, and must not show one. (A grid
// field may still read " Error!": the encoder gives it for coordinates out of
// range, and the distance uses those as they stand.)
void WindowChecks::CheckResultSource(WindowDriver& driver) {
  if (!results_changed_) return;
  for (const Side side : kSides) {
    for (const Control field : CoordinateFields(ControlsOf(side))) {
      if (driver.Visible(field) && driver.Text(field).empty()) {
        faults_.push_back("new results while " + ControlName(field) + " is empty");
      }
    }
  }
}

void WindowChecks::CheckHomeFile(const HomeDirectory& home) {
  const std::optional<std::string> contents = home.ReadHomeFile();
  if (!contents) return;
  std::size_t lines = 0;
  std::size_t start = 0;
  bool complete = true;
  while (complete) {
    const std::size_t end = contents->find("\r\n", start);
    std::string_view line = std::string_view(*contents).substr(start, end - start);
    if (!line.empty() && line.front() == '-') line.remove_prefix(1);
    complete = IsDigits(line);
    ++lines;
    if (end == std::string::npos) break;
    start = end + 2;
  }
  if (!complete || lines != kHomeFileLineCount) {
    faults_.push_back("the home file is not ten integer lines: " + Quote(*contents));
  }
}

// Errors a user may meet: a field that is not a number, arithmetic without a
// valid result, a value too long for the home file refused. Anything else, a
// failed save in a writable directory included, is a fault.
void WindowChecks::CheckErrors(WindowDriver& driver) {
  for (const std::string& error : driver.TakeErrors()) {
    ++errors_seen_;
    const bool not_a_number =
        error.starts_with('\'') && (error.ends_with("' is not a valid floating point value.") ||
                                    error.ends_with("' is not a valid integer value."));
    const bool refused_save =
        error.starts_with("Cannot save the home file ") && error.ends_with(" characters.");
    if (!not_a_number && !refused_save && error != "Invalid floating point operation.") {
      faults_.push_back("unexpected error: " + Quote(error));
    }
  }
}

}  // namespace tessaly::monkey

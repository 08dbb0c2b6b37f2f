// SPDX-License-Identifier: GPL-3.0-or-later
// The results frame: the headings and distance fields and the caption that
// names the unit, and what they last showed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "geo/distance.h"
#include "geo/location.h"
#include "window/distance_unit.h"
#include "window/window_operations.h"

namespace tessaly {

// Between the forward and the reverse heading in the headings field.
inline constexpr std::string_view kHeadingSeparator = "  : ";

// One run of the distance command as its results show it.
struct Measurement {
  SignedPosition Home;         // decimal degrees, north and east positive
  SignedPosition Destination;  // likewise
  std::string DestinationLocator;
  Path ShortPath;
  DistanceUnit Unit = DistanceUnit::Miles;  // of the distance shown
  std::string HeadingsText;                 // " 50.5  :  288.2"
  std::string DistanceText;                 // " 3542.8"
};

class Results {
 public:
  explicit Results(WindowOperations& window) : window_(window) {}

  DistanceUnit Unit() const { return unit_; }
  // The unit and the caption that names it; the distance shown stays as it is.
  void SetUnit(DistanceUnit unit);

  // Writes the headings and the distance, in the unit, of the path measured
  // between the two positions. Both texts are made before either field is
  // written, so a value that cannot be shown (TessalyError) leaves both.
  void Show(const SignedPosition& home, const SignedPosition& destination,
            std::string destination_locator, const Path& path);
  // Empties both fields: the old results no longer apply.
  void Clear();

  // The last measurement shown, while both fields still show it.
  std::optional<Measurement> Shown() const;

 private:
  WindowOperations& window_;
  DistanceUnit unit_ = DistanceUnit::Miles;
  std::optional<Measurement> last_;
};

}  // namespace tessaly

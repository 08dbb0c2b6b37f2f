// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/results.h"

#include <string_view>
#include <utility>

#include "geo/number_text.h"
#include "window/controls.h"

namespace tessaly {
namespace {

constexpr Control kHeadingsField = Control::Edit15;
constexpr Control kDistanceField = Control::Edit16;
constexpr Control kUnitCaption = Control::Label24;

constexpr std::string_view kMilesCaption = "Distance (miles)";
constexpr std::string_view kKilometresCaption = "Distance (km)";

}  // namespace

void Results::SetUnit(DistanceUnit unit) {
  unit_ = unit;
  window_.SetText(kUnitCaption, std::string(unit == DistanceUnit::Kilometres ? kKilometresCaption
                                                                             : kMilesCaption));
}

void Results::Show(const SignedPosition& home, const SignedPosition& destination,
                   std::string destination_locator, const Path& path) {
  Measurement shown{home,
                    destination,
                    std::move(destination_locator),
                    path,
                    unit_,
                    OneDecimalText(path.Directions.Forward) + std::string(kHeadingSeparator) +
                        OneDecimalText(path.Directions.Reverse),
                    OneDecimalText(path.Kilometres * DistanceFactor(unit_))};
  window_.SetText(kHeadingsField, shown.HeadingsText);
  window_.SetText(kDistanceField, shown.DistanceText);
  last_ = std::move(shown);
}

void Results::Clear() {
  window_.SetText(kHeadingsField, "");
  window_.SetText(kDistanceField, "");
}

std::optional<Measurement> Results::Shown() const {
  if (last_ && window_.GetText(kHeadingsField) == last_->HeadingsText &&
      window_.GetText(kDistanceField) == last_->DistanceText) {
    return last_;
  }
  return std::nullopt;
}

}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
// The user's preferences that the home file does not keep (it keeps exactly
// its ten lines, as every version reads them): the locator precision and the
// map's layers, in a settings file of their own beside it.
#pragma once

#include <QSettings>
#include <string>
#include <string_view>

namespace tessaly {

inline constexpr std::string_view kPreferencesFileName = "Tessaly.conf";

class Preferences {
 public:
  // The settings file in `home_directory`, the home file's; read now,
  // written when a preference changes.
  explicit Preferences(const std::string& home_directory);

  // 6, 8, 10 or 12; 6 when none, or no valid one, was saved.
  int LocatorPrecision() const;
  void SetLocatorPrecision(int characters);

  // A map layer shown or not, `shown` until the user chose.
  bool MapLayerShown(std::string_view layer, bool shown) const;
  void SetMapLayerShown(std::string_view layer, bool shown);

 private:
  QSettings settings_;
};

}  // namespace tessaly

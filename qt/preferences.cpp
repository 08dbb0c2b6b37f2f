// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/preferences.h"

#include "geo/locator.h"
#include "qt/latin1.h"

namespace tessaly {
namespace {

const QString kPrecisionKey = QStringLiteral("Locator/Precision");
const QString kMapGroup = QStringLiteral("Map/");

}  // namespace

Preferences::Preferences(const std::string& home_directory)
    : settings_(QString::fromLocal8Bit(home_directory.c_str()) + QLatin1Char('/') +
                    FromLatin1(kPreferencesFileName),
                QSettings::IniFormat) {}

int Preferences::LocatorPrecision() const {
  bool number = false;
  const int characters = settings_.value(kPrecisionKey).toInt(&number);
  return number && IsLocatorLength(characters) && characters >= kDefaultCharacters
             ? characters
             : kDefaultCharacters;
}

void Preferences::SetLocatorPrecision(int characters) {
  settings_.setValue(kPrecisionKey, characters);
  settings_.sync();
}

bool Preferences::MapLayerShown(std::string_view layer, bool shown) const {
  return settings_.value(kMapGroup + FromLatin1(layer), shown).toBool();
}

void Preferences::SetMapLayerShown(std::string_view layer, bool shown) {
  settings_.setValue(kMapGroup + FromLatin1(layer), shown);
  settings_.sync();
}

}  // namespace tessaly

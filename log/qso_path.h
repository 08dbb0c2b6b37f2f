// SPDX-License-Identifier: GPL-3.0-or-later
// The path of one QSO from its record: from the station's locator
// (MY_GRIDSQUARE and MY_GRIDSQUARE_EXT, or a home locator given instead) to
// the worked station's (GRIDSQUARE and GRIDSQUARE_EXT), cell centre to cell
// centre, along the way the signal went (ANT_PATH "L": the long path).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "geo/distance.h"
#include "geo/locator.h"
#include "log/adif_reader.h"

namespace tessaly {

// The fields of a record that a QSO's path, its enrichment and the summary
// read, found in one pass: the first of each name, in any case; null where
// there is none.
struct QsoFields {
  explicit QsoFields(const AdifPiece& record);
  const AdifField* Call = nullptr;
  const AdifField* Band = nullptr;
  const AdifField* Grid = nullptr;       // GRIDSQUARE
  const AdifField* GridExt = nullptr;    // GRIDSQUARE_EXT
  const AdifField* MyGrid = nullptr;     // MY_GRIDSQUARE
  const AdifField* MyGridExt = nullptr;  // MY_GRIDSQUARE_EXT
  const AdifField* AntPath = nullptr;    // ANT_PATH
  const AdifField* VuccGrids = nullptr;  // VUCC_GRIDS
  const AdifField* Distance = nullptr;   // DISTANCE
  const AdifField* Heading = nullptr;    // APP_TESSALY_HEADING
};

// Why a QSO has no path.
enum class QsoSkip {
  None,
  NoGridsquare,     // no GRIDSQUARE field, or an empty one
  BadGridsquare,    // GRIDSQUARE (with its extension) is no locator of 4 to 12 characters
  NoHome,           // no MY_GRIDSQUARE, and no home locator given
  BadMyGridsquare,  // MY_GRIDSQUARE (with its extension) is no locator
};
inline constexpr int kQsoSkipKinds = 5;
// "GRIDSQUARE is no locator of 4 to 12 characters", and so on.
std::string_view QsoSkipText(QsoSkip skip);

struct QsoPath {
  double Kilometres = 0.0;
  double Heading = 0.0;  // degrees, from the station
  bool LongPath = false;
  // The texts the log gets: "6893.1", and "43.6" as the main window shows a
  // short path's heading, or the long path's from "0.0" to "359.9".
  std::string DistanceText() const;
  std::string HeadingText() const;
};

struct QsoMeasure {
  std::optional<QsoPath> Path;
  QsoSkip Skip = QsoSkip::None;
};

// Field data without the blanks and line ends round it.
std::string_view Trimmed(std::string_view text);

// The locator of a field and its extension ("JO62qm45" and "ab12"): the
// extension counts only after 8 characters. Blanks round either are
// dropped; nothing when the text is no locator of 4 to 12 characters.
std::optional<DecodedLocator> DecodeGridFields(const AdifField* grid, const AdifField* extension);

// Measures a log's QSOs one after the other. Its records mostly share the
// station's locator, which is decoded again only where it changes.
class QsoMeasurer {
 public:
  // `home`: the locator to measure from where a record has no MY_GRIDSQUARE.
  explicit QsoMeasurer(const std::optional<DecodedLocator>& home) : home_(home) {}
  QsoMeasure Measure(const QsoFields& fields);

 private:
  // The station's locator of the records before, as they give it.
  std::optional<DecodedLocator> Station(const QsoFields& fields);

  std::optional<DecodedLocator> home_;
  std::string station_grid_, station_extension_;  // MY_GRIDSQUARE and its extension
  std::optional<DecodedLocator> station_;         // decoded from them
};

inline QsoMeasure MeasureQso(const AdifPiece& record, const std::optional<DecodedLocator>& home) {
  return QsoMeasurer(home).Measure(QsoFields(record));
}

}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
// A record with its QSO's distance (DISTANCE, km) and heading
// (APP_TESSALY_HEADING, degrees) written in: every other byte as it was.
#pragma once

#include <string>
#include <string_view>

#include "log/adif_reader.h"
#include "log/qso_path.h"

namespace tessaly {

inline constexpr std::string_view kDistanceField = "DISTANCE";
inline constexpr std::string_view kHeadingField = "APP_TESSALY_HEADING";

enum class EnrichOutcome {
  Added,     // at least one of the two written in
  Replaced,  // one or both replaced, none added
  Kept,      // both there already and kept, or the QSO has no path
};

// Appends the record to `out`: a field that is missing goes in just before
// the <EOR> tag, followed by a blank, its name in the case of that tag;
// one that is there stays, unless `overwrite`, when its data is replaced in
// place (its name, type indicator and position kept). A record whose QSO
// has no path is appended as it is.
EnrichOutcome AppendEnriched(const AdifPiece& record, const QsoFields& fields,
                             const QsoMeasure& measure, bool overwrite, std::string& out);
inline EnrichOutcome AppendEnriched(const AdifPiece& record, const QsoMeasure& measure,
                                    bool overwrite, std::string& out) {
  return AppendEnriched(record, QsoFields(record), measure, overwrite, out);
}

}  // namespace tessaly

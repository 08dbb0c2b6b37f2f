// SPDX-License-Identifier: GPL-3.0-or-later
// What a log holds, as award chasers count it: the QSOs with and without a
// distance (and why not), the distinct grid squares worked overall and per
// band, and the longest QSO overall and per band.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "log/adif_reader.h"
#include "log/qso_path.h"

namespace tessaly {

struct LongestQso {
  std::string Call;  // as logged
  std::string Grid;  // GRIDSQUARE as logged
  double Kilometres = 0.0;
  std::uint64_t Record = 0;
};

struct BandSummary {
  std::uint64_t Qsos = 0;
  std::set<std::string> Grids;  // 4 characters, "FN31"
  std::optional<LongestQso> Longest;
};

class LogSummary {
 public:
  // One record and its QSO's measure. Its grids: each of VUCC_GRIDS (a QSO
  // on a grid line or corner), else the first 4 characters of GRIDSQUARE;
  // its band: BAND in small letters ("20m"), "" when there is none.
  void Add(const AdifPiece& record, const QsoFields& fields, const QsoMeasure& measure);
  void Add(const AdifPiece& record, const QsoMeasure& measure) {
    Add(record, QsoFields(record), measure);
  }

  std::uint64_t Qsos() const { return qsos_; }
  std::uint64_t WithDistance() const { return with_distance_; }
  std::uint64_t Skipped(QsoSkip skip) const { return skipped_[static_cast<int>(skip)]; }
  const BandSummary& Overall() const { return overall_; }
  const std::map<std::string, BandSummary>& Bands() const { return bands_; }

 private:
  std::uint64_t qsos_ = 0;
  std::uint64_t with_distance_ = 0;
  std::array<std::uint64_t, kQsoSkipKinds> skipped_{};
  BandSummary overall_;
  std::map<std::string, BandSummary> bands_;
};

// "FN31" of any locator text of 4 characters or more that begins with a
// square, in capitals; nothing for any other text.
std::optional<std::string> SquareOf(std::string_view text);

}  // namespace tessaly

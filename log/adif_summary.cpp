// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/adif_summary.h"

#include <vector>

#include "log/ascii_case.h"

namespace tessaly {
namespace {

std::vector<std::string> GridsOf(const QsoFields& fields) {
  std::vector<std::string> grids;
  if (const AdifField* vucc = fields.VuccGrids) {
    std::string_view list = vucc->Data;
    while (!list.empty()) {
      const std::size_t comma = list.find(',');
      if (auto square = SquareOf(Trimmed(list.substr(0, comma)))) grids.push_back(*square);
      if (comma == std::string_view::npos) break;
      list.remove_prefix(comma + 1);
    }
    if (!grids.empty()) return grids;
  }
  if (const AdifField* grid = fields.Grid) {
    if (auto square = SquareOf(Trimmed(grid->Data))) grids.push_back(*square);
  }
  return grids;
}

void Count(BandSummary& band, const std::vector<std::string>& grids,
           const std::optional<LongestQso>& qso) {
  ++band.Qsos;
  band.Grids.insert(grids.begin(), grids.end());
  if (qso && (!band.Longest || qso->Kilometres > band.Longest->Kilometres)) band.Longest = qso;
}

}  // namespace

std::optional<std::string> SquareOf(std::string_view text) {
  if (text.size() < 4) return std::nullopt;
  std::string square = UpperText(text.substr(0, 4));
  const bool field = square[0] >= 'A' && square[0] <= 'R' && square[1] >= 'A' && square[1] <= 'R';
  const bool digits = square[2] >= '0' && square[2] <= '9' && square[3] >= '0' && square[3] <= '9';
  if (!field || !digits) return std::nullopt;
  return square;
}

void LogSummary::Add(const AdifPiece& record, const QsoFields& fields, const QsoMeasure& measure) {
  ++qsos_;
  std::optional<LongestQso> qso;
  if (measure.Path) {
    ++with_distance_;
    const AdifField* call = fields.Call;
    const AdifField* grid = fields.Grid;
    qso = LongestQso{call ? std::string(Trimmed(call->Data)) : "",
                     grid ? std::string(Trimmed(grid->Data)) : "", measure.Path->Kilometres,
                     record.Number};
  } else {
    ++skipped_[static_cast<int>(measure.Skip)];
  }
  const std::vector<std::string> grids = GridsOf(fields);
  const AdifField* band = fields.Band;
  Count(overall_, grids, qso);
  Count(bands_[band ? LowerText(Trimmed(band->Data)) : ""], grids, qso);
}

}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/qso_path.h"

#include "geo/long_path.h"
#include "geo/number_text.h"
#include "log/ascii_case.h"

namespace tessaly {
namespace {

constexpr std::size_t kBaseCharacters = 8;  // a GRIDSQUARE's most: its extension follows

bool IsEmpty(const AdifField* field) {
  return field == nullptr || Trimmed(field->Data).empty();
}

bool Named(const AdifField& field, std::string_view upper) {
  return EqualsUpper(field.Name, upper);
}

// The first field of a name only.
void Keep(const AdifField*& slot, const AdifField& field) {
  if (slot == nullptr) slot = &field;
}

}  // namespace

QsoFields::QsoFields(const AdifPiece& record) {
  for (const AdifField& field : record.Fields) {
    // By length first: one comparison for most fields of a record.
    switch (field.Name.size()) {
      case 4:
        if (Named(field, "CALL")) Keep(Call, field);
        if (Named(field, "BAND")) Keep(Band, field);
        break;
      case 8:
        if (Named(field, "ANT_PATH")) Keep(AntPath, field);
        if (Named(field, "DISTANCE")) Keep(Distance, field);
        break;
      case 10:
        if (Named(field, "GRIDSQUARE")) Keep(Grid, field);
        if (Named(field, "VUCC_GRIDS")) Keep(VuccGrids, field);
        break;
      case 13:
        if (Named(field, "MY_GRIDSQUARE")) Keep(MyGrid, field);
        break;
      case 14:
        if (Named(field, "GRIDSQUARE_EXT")) Keep(GridExt, field);
        break;
      case 17:
        if (Named(field, "MY_GRIDSQUARE_EXT")) Keep(MyGridExt, field);
        break;
      case 19:
        if (Named(field, "APP_TESSALY_HEADING")) Keep(Heading, field);
        break;
      default: break;
    }
  }
}

std::string_view Trimmed(std::string_view text) {
  // A byte at a time: the standard searches try every blank in turn, and
  // this runs on several fields of every record.
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view QsoSkipText(QsoSkip skip) {
  switch (skip) {
    case QsoSkip::None: return "";
    case QsoSkip::NoGridsquare: return "no GRIDSQUARE";
    case QsoSkip::BadGridsquare: return "GRIDSQUARE is no locator of 4 to 12 characters";
    case QsoSkip::NoHome: return "no MY_GRIDSQUARE and no --home";
    case QsoSkip::BadMyGridsquare: return "MY_GRIDSQUARE is no locator of 4 to 12 characters";
  }
  return "";
}

std::string QsoPath::DistanceText() const {
  std::string text;
  AppendOneDecimal(text, Kilometres);
  return text;
}

std::string QsoPath::HeadingText() const {
  if (LongPath) return CompassHeadingText(Heading);
  std::string text;
  AppendOneDecimal(text, Heading);
  return text;
}

std::optional<DecodedLocator> DecodeGridFields(const AdifField* grid, const AdifField* extension) {
  if (grid == nullptr) return std::nullopt;
  const std::string_view base = Trimmed(grid->Data);
  // Joined only where there is something to join: most logs give 4 or 6.
  std::string joined;
  const bool extended = base.size() == kBaseCharacters && extension != nullptr;
  if (extended) joined.append(base).append(Trimmed(extension->Data));
  const std::string_view text = extended ? std::string_view(joined) : base;
  if (!IsLocatorLength(static_cast<int>(text.size()))) return std::nullopt;
  return LocatorToLatLon(text, kMostCharacters);
}

std::optional<DecodedLocator> QsoMeasurer::Station(const QsoFields& fields) {
  const std::string_view grid = fields.MyGrid->Data;
  const std::string_view extension =
      fields.MyGridExt == nullptr ? std::string_view() : fields.MyGridExt->Data;
  if (station_grid_.empty() || grid != station_grid_ || extension != station_extension_) {
    station_grid_ = grid;
    station_extension_ = extension;
    station_ = DecodeGridFields(fields.MyGrid, fields.MyGridExt);
  }
  return station_;
}

QsoMeasure QsoMeasurer::Measure(const QsoFields& fields) {
  if (IsEmpty(fields.Grid)) return {std::nullopt, QsoSkip::NoGridsquare};
  const std::optional<DecodedLocator> worked = DecodeGridFields(fields.Grid, fields.GridExt);
  if (!worked) return {std::nullopt, QsoSkip::BadGridsquare};

  std::optional<DecodedLocator> station = home_;
  if (!IsEmpty(fields.MyGrid)) {
    station = Station(fields);
    if (!station) return {std::nullopt, QsoSkip::BadMyGridsquare};
  }
  if (!station) return {std::nullopt, QsoSkip::NoHome};

  const SignedPosition from = station->Centre(), to = worked->Centre();
  const Path short_path = MeasurePath(from, to);
  const AdifField* ant_path = fields.AntPath;
  const bool long_path = ant_path != nullptr && Trimmed(ant_path->Data).size() == 1 &&
                         (Trimmed(ant_path->Data)[0] == 'L' || Trimmed(ant_path->Data)[0] == 'l');
  if (!long_path) {
    return {QsoPath{short_path.Kilometres, short_path.Directions.Forward, false}, QsoSkip::None};
  }
  const Path long_way = MeasureLongPath(from, to, short_path);
  return {QsoPath{long_way.Kilometres, long_way.Directions.Forward, true}, QsoSkip::None};
}

}  // namespace tessaly

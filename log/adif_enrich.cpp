// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/adif_enrich.h"

#include <array>
#include <charconv>

namespace tessaly {
namespace {

void AppendNumber(std::string& out, std::size_t value) {
  std::array<char, 24> digits{};
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
  out.append(digits.data(), end);
}

// "<NAME:6>6893.1", with the type indicator where given.
void AppendField(std::string& out, std::string_view name, std::string_view type,
                 std::string_view data) {
  out += '<';
  out.append(name);
  out += ':';
  AppendNumber(out, data.size());
  if (!type.empty()) {
    out += ':';
    out.append(type);
  }
  out += '>';
  out.append(data);
}

// The two fields' names as an added field writes them: in small letters
// where the record ends in "<eor>".
constexpr std::string_view kUpperNames[] = {kDistanceField, kHeadingField};
constexpr std::string_view kLowerNames[] = {"distance", "app_tessaly_heading"};

std::string_view AddedName(int which, std::string_view end_tag) {
  return end_tag.size() > 1 && end_tag[1] == 'e' ? kLowerNames[which] : kUpperNames[which];
}

}  // namespace

EnrichOutcome AppendEnriched(const AdifPiece& record, const QsoFields& fields,
                             const QsoMeasure& measure, bool overwrite, std::string& out) {
  if (!measure.Path) {
    out.append(record.Bytes);
    return EnrichOutcome::Kept;
  }
  const std::string values[] = {measure.Path->DistanceText(), measure.Path->HeadingText()};
  const AdifField* present[] = {fields.Distance, fields.Heading};
  std::size_t copied = 0;  // of the record's bytes, to `out`
  if (overwrite) {
    // In the order they stand.
    const int first =
        present[0] != nullptr && present[1] != nullptr && present[1]->Start < present[0]->Start ? 1
                                                                                                : 0;
    for (const int which : {first, 1 - first}) {
      const AdifField* field = present[which];
      if (field == nullptr) continue;
      out.append(record.Bytes.substr(copied, field->Start - copied));
      AppendField(out, field->Name, field->Type, values[which]);
      copied = field->End;
    }
  }
  out.append(record.Bytes.substr(copied, record.EndTag - copied));
  const std::string_view end_tag = record.Bytes.substr(record.EndTag);
  bool added = false;
  for (int which = 0; which < 2; ++which) {
    if (present[which] != nullptr) continue;
    AppendField(out, AddedName(which, end_tag), "", values[which]);
    out += ' ';
    added = true;
  }
  out.append(end_tag);
  if (added) return EnrichOutcome::Added;
  return overwrite ? EnrichOutcome::Replaced : EnrichOutcome::Kept;
}

}  // namespace tessaly

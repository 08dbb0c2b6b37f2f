// SPDX-License-Identifier: GPL-3.0-or-later
// The ADIF reader on any bytes: it reads the same pieces, or refuses with
// the same error, however the input is cut into chunks; what it reads
// gives back every byte; and an enriched log reads back as as many records.
// The first byte chooses the chunk size, the rest is the log.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "log/adif_enrich.h"
#include "log/adif_reader.h"

namespace {

using tessaly::fuzz::Require;

struct Reading {
  std::vector<std::string> Pieces;  // kind, then the bytes
  std::string Error;                // message, record and offset
  std::string Enriched;
  std::size_t Records = 0;
};

Reading Read(std::string_view log, std::size_t chunk) {
  static const auto home = tessaly::LocatorToLatLon("FN31pr", tessaly::kMostCharacters);
  tessaly::MemorySource source(log, chunk);
  tessaly::AdifReader reader(source);
  tessaly::AdifPiece piece;
  Reading reading;
  try {
    while (reader.Next(piece)) {
      reading.Pieces.push_back(std::to_string(static_cast<int>(piece.Kind)) +
                               std::string(piece.Bytes));
      for (const tessaly::AdifField& field : piece.Fields) {
        Require(
            field.End <= piece.Bytes.size() && piece.Bytes[field.Start] == '<' &&
                piece.Bytes.substr(field.End - field.Data.size(), field.Data.size()) == field.Data,
            "a field lies inside its piece");
      }
      if (piece.Kind == tessaly::AdifPieceKind::Record) {
        ++reading.Records;
        tessaly::AppendEnriched(piece, tessaly::MeasureQso(piece, home), false, reading.Enriched);
      } else {
        reading.Enriched += piece.Bytes;
      }
    }
  } catch (const tessaly::AdifError& error) {
    reading.Error = std::string(error.what()) + " " + std::to_string(error.Record()) + " " +
                    std::to_string(error.Offset());
    Require(error.Offset() <= log.size(), "an error's offset lies in the input");
  }
  return reading;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t chunk = data[0] % 16 + 1;
  const std::string_view log(reinterpret_cast<const char*>(data) + 1, size - 1);
  const Reading whole = Read(log, log.size() + 1);
  const Reading chunked = Read(log, chunk);
  Require(whole.Pieces == chunked.Pieces && whole.Error == chunked.Error,
          "the same pieces in any chunks");
  if (!whole.Error.empty()) return 0;
  std::string joined;
  for (const std::string& piece : whole.Pieces) joined += piece.substr(1);
  Require(joined == log, "the pieces give back every byte");
  const Reading again = Read(whole.Enriched, whole.Enriched.size() + 1);
  Require(again.Error.empty() && again.Records == whole.Records,
          "an enriched log reads back as as many records");
  return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The ADIF reader: an .adi log read a chunk at a time into its pieces, the
// header, the records and what follows the last record, each piece's bytes
// exactly as they stand, so that writing the pieces out again gives back
// the input byte for byte. Field names are read in any case, with or
// without a type indicator (<GRIDSQUARE:6:S>FN31pr).
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "log/byte_stream.h"

namespace tessaly {

struct AdifField {
  std::string_view Name;  // as written, in any case
  std::string_view Type;  // the type indicator, often empty
  std::string_view Data;
  std::size_t Start = 0;  // of its '<', within its piece's bytes
  std::size_t End = 0;    // one past its data
};

enum class AdifPieceKind { Header, Record, Trailer };

// A header, a record or the trailer: its bytes run from the end of the
// piece before it (comments and line ends included) to the end of its
// <EOH> or <EOR> tag, or to the end of the input for the trailer.
struct AdifPiece {
  AdifPieceKind Kind = AdifPieceKind::Record;
  std::uint64_t Number = 0;  // of a record, from 1
  std::uint64_t Offset = 0;  // of Bytes' first byte in the input
  std::string_view Bytes;
  std::size_t EndTag = 0;  // where "<EOR>" or "<EOH>" starts within Bytes
  std::vector<AdifField> Fields;

  // The first field named `upper_name` (in capitals), in any case; null when
  // there is none.
  const AdifField* Find(std::string_view upper_name) const;
};

// Input that is no ADIF log, where and why: "record 12 at byte 3456: ...".
class AdifError : public std::runtime_error {
 public:
  // `record` 0: before the first record.
  AdifError(const std::string& what, std::uint64_t record, std::uint64_t offset);
  std::uint64_t Record() const { return record_; }
  std::uint64_t Offset() const { return offset_; }  // of the byte at fault, from 0

 private:
  std::uint64_t record_;
  std::uint64_t offset_;
};

class AdifReader {
 public:
  // Bytes asked of the source at a time.
  static constexpr std::size_t kChunkBytes = std::size_t{1} << 16;
  // The most a piece may hold: far beyond any log's record, and the bound
  // on the reader's memory.
  static constexpr std::size_t kMostPieceBytes = std::size_t{16} << 20;

  explicit AdifReader(ByteSource& source);

  // The next piece, valid until the next call; false after the last. Throws
  // AdifError for input that is no ADIF, StreamError where reading fails.
  bool Next(AdifPiece& piece);

 private:
  enum class Scan { Complete, NeedMore };
  Scan ScanPiece(AdifPiece& piece);
  // Keeps the piece begun and reads more after it; false at the end.
  bool ReadMore();
  [[noreturn]] void Fail(const std::string& what, std::size_t at) const;

  ByteSource& source_;
  std::vector<char> buffer_;
  std::size_t start_ = 0;       // of the piece being read, in buffer_
  std::size_t filled_ = 0;      // bytes of buffer_ read
  std::uint64_t consumed_ = 0;  // of the input before buffer_[start_]
  std::uint64_t records_ = 0;
  bool at_end_ = false;
  bool finished_ = false;
  // An ADIF file that does not start with '<' has a header, ended by <EOH>.
  bool header_possible_ = true;
};

}  // namespace tessaly

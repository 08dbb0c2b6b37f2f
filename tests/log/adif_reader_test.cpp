// SPDX-License-Identifier: GPL-3.0-or-later
// The ADIF reader: the pieces of valid and odd but legal logs, byte for
// byte, however the input is cut into chunks, and where and why broken
// logs are refused.
#include "log/adif_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaly {
namespace {

// Each piece as "H", "R" or "T", then NAME=data for each field.
std::vector<std::string> Pieces(const std::string& input, std::size_t chunk, std::string& bytes) {
  MemorySource source(input, chunk);
  AdifReader reader(source);
  AdifPiece piece;
  std::vector<std::string> pieces;
  bytes.clear();
  while (reader.Next(piece)) {
    std::string text(1, "HRT"[static_cast<int>(piece.Kind)]);
    for (const AdifField& field : piece.Fields) {
      text += " " + std::string(field.Name) + "=" + std::string(field.Data);
    }
    pieces.push_back(text);
    bytes += piece.Bytes;
  }
  return pieces;
}

TEST(AdifReader, ReadsEveryPieceAndKeepsEveryByteInAnyChunks) {
  struct Case {
    const char* Name;
    std::string Input;
    std::vector<std::string> Pieces;
  };
  const Case cases[] = {
      {"no header: the first byte is '<'", "<CALL:4>W1AW<EOR>", {"R CALL=W1AW"}},
      {"a header, records and what follows them",
       "Exported\r\n<ADIF_VER:5>3.1.4 <EOH>\r\n<CALL:4>W1AW <BAND:3>20m <EOR>\r\n"
       "<CALL:5>DL1AB<EOR>\r\n",
       {"H ADIF_VER=3.1.4", "R CALL=W1AW BAND=20m", "R CALL=DL1AB", "T"}},
      {"small letters, type indicators, an empty field",
       "<call:4:s>W1AW <qsl_rcvd:0> <eor>",
       {"R call=W1AW qsl_rcvd="}},
      {"a '<' in data, comments between fields",
       "<COMMENT:7>a<3 b>c  a note <CALL:4>W1AW<EOR>",
       {"R COMMENT=a<3 b>c CALL=W1AW"}},
      {"free text with angle brackets in the header",
       "Made by <N1MM Logger+> on <today>\n<EOH>\n<CALL:4>W1AW<EOR>",
       {"H", "R CALL=W1AW"}},
      {"text first but no header: a record after all",
       "\n<CALL:4>W1AW<EOR>\n",
       {"R CALL=W1AW", "T"}},
      {"bytes beyond ASCII in data, counted as bytes",
       "<NAME:5>J\xC3\xBCrg<EOR>",
       {"R NAME=J\xC3\xBCrg"}},
  };
  for (const Case& c : cases) {
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{5}, c.Input.size()}) {
      std::string bytes;
      EXPECT_EQ(Pieces(c.Input, chunk, bytes), c.Pieces) << c.Name << ", chunks of " << chunk;
      EXPECT_EQ(bytes, c.Input) << c.Name;
    }
  }
}

TEST(AdifReader, SaysWhereAndWhyALogIsBroken) {
  struct Case {
    std::string Input;
    std::string Message;
    std::uint64_t Record, Offset;
  };
  const Case cases[] = {
      {"<CALL:4>W1A", "the field 'CALL' of 4 bytes runs past the end of the input", 1, 0},
      {"<CALL:4>W1AW <BAND:3>20m", "ends without <EOR>: the last record is cut short", 1, 0},
      {"<CALL:4>W1AW<EOR>\n<CALL:x>K1X<EOR>", "the tag '<CALL:x>' is no field", 2, 18},
      {"<CALL:4>W1AW<EOR><CALL:10>K1X <BAND:3>20m<EOR>",
       "the data of 'CALL' runs into the tag at byte 30: is its length 10 right?", 2, 17},
      {"<CALL:4>W1AW<EOR><EOH>", "an <EOH> after the first record", 2, 17},
      {"<C\xC3\x84LL:4>W1AW<EOR>", "the tag '<C\\xC3\\x84LL:4>' is no field", 1, 0},
      {"<CALL:99999999999>", "the field 'CALL' is longer than 16 MiB", 1, 0},
  };
  for (const Case& c : cases) {
    std::string bytes;
    try {
      Pieces(c.Input, 3, bytes);
      ADD_FAILURE() << "read without an error: " << c.Input;
    } catch (const AdifError& error) {
      EXPECT_EQ(error.what(), c.Message) << c.Input;
      EXPECT_EQ(error.Record(), c.Record) << c.Input;
      EXPECT_EQ(error.Offset(), c.Offset) << c.Input;
    }
  }
}

// A record longer than the reader's bound is refused, not read into
// unbounded memory.
TEST(AdifReader, RefusesARecordBeyondItsBound) {
  const std::string huge = "<CALL:4>W1AW" + std::string(AdifReader::kMostPieceBytes, ' ');
  MemorySource source(huge);
  AdifReader reader(source);
  AdifPiece piece;
  EXPECT_THROW(reader.Next(piece), AdifError);
}

}  // namespace
}  // namespace tessaly

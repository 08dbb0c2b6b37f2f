// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/adif_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>

#include "log/ascii_case.h"

namespace tessaly {
namespace {

// A tag longer than this is no tag but text with a '<' in it.
constexpr std::size_t kLongestTag = 256;

// What each byte may be in a tag, one table look-up a byte: tags are read
// a byte at a time, and most of a log is tags.
enum ByteClass : std::uint8_t {
  kNameByte = 1,  // printable, but none of , : < > { }
  kDigit = 2,
  kLetter = 4,
  kSpecial = 8,  // '>', ':' or '<'
};

constexpr std::array<std::uint8_t, 256> kByteClasses = [] {
  std::array<std::uint8_t, 256> classes{};
  for (int c = '!'; c < 0x7F; ++c) {
    if (c != ',' && c != ':' && c != '<' && c != '>' && c != '{' && c != '}')
      classes[c] |= kNameByte;
  }
  for (int c = '0'; c <= '9'; ++c) classes[c] |= kDigit;
  for (int c = 'A'; c <= 'Z'; ++c) classes[c] |= kLetter;
  for (int c = 'a'; c <= 'z'; ++c) classes[c] |= kLetter;
  classes['>'] |= kSpecial;
  classes[':'] |= kSpecial;
  classes['<'] |= kSpecial;
  return classes;
}();

std::uint8_t ClassOf(char c) {
  return kByteClasses[static_cast<unsigned char>(c)];
}

std::string Quoted(std::string_view text) {
  std::string quoted = "'";
  for (const char c : text) {
    if (c >= ' ' && c < 0x7F) {
      quoted += c;
    } else {
      static constexpr char kHex[] = "0123456789ABCDEF";
      const auto byte = static_cast<unsigned char>(c);
      quoted += "\\x";
      quoted += kHex[byte >> 4];
      quoted += kHex[byte & 0xF];
    }
  }
  return quoted + "'";
}

// The tag that a '<' at `open` starts: NAME, NAME:LENGTH or
// NAME:LENGTH:TYPE before its '>', read in one pass, a byte at a time (tags
// are a few bytes long). No tag where a '<' comes first or no '>' within
// kLongestTag; cut short where the bytes end before either.
struct Tag {
  enum class Shape { NoTag, CutShort, Tag };
  Shape Found = Shape::NoTag;
  std::size_t Close = 0;  // its '>'
  std::string_view Name, Length, Type;
  bool HasLength = false;
  bool Valid = false;  // a name of name bytes, a length of digits, a type of letters
};

// Scans one part of a tag from `at` to the first special byte (':', '>'
// or '<'), and gives the classes all its bytes share.
std::uint8_t ScanPart(const char* data, std::size_t& at, std::size_t last) {
  std::uint8_t shared = 0xFF;
  for (; at < last; ++at) {
    const std::uint8_t byte_class = ClassOf(data[at]);
    if ((byte_class & kSpecial) != 0) break;
    shared &= byte_class;
  }
  return shared;
}

Tag ReadTag(std::string_view bytes, std::size_t open) {
  const char* const data = bytes.data();
  const std::size_t last = std::min(bytes.size(), open + kLongestTag + 1);
  Tag tag;
  std::size_t at = open + 1;
  std::size_t start = at;
  std::uint8_t shared[3] = {0xFF, 0xFF, 0xFF};
  std::string_view* texts[3] = {&tag.Name, &tag.Length, &tag.Type};
  int part = 0;
  for (;;) {
    shared[part] &= ScanPart(data, at, last);
    if (at == last) {
      if (last == bytes.size()) tag.Found = Tag::Shape::CutShort;
      return tag;
    }
    const char c = data[at];
    if (c == '<') return tag;  // no tag: text before a tag
    if (c == ':' && part == 2) {
      shared[2] = 0;  // a stray ':' in the type
      ++at;
      continue;
    }
    *texts[part] = std::string_view(data + start, at - start);
    if (c == '>') break;
    ++part;  // a ':' ends the name or the length
    start = ++at;
  }
  tag.Found = Tag::Shape::Tag;
  tag.Close = at;
  tag.HasLength = part >= 1;
  tag.Valid = (shared[0] & kNameByte) != 0 && !tag.Name.empty() &&
              (part < 1 || ((shared[1] & kDigit) != 0 && !tag.Length.empty())) &&
              (part < 2 || (shared[2] & kLetter) != 0);
  return tag;
}

// Where a well-formed tag with a length starts within the `length` bytes
// at `data` (the tag may end beyond them), if one does: the sign of a field
// length that swallowed the field after it. Unknown while such a tag could
// still end beyond what has been read.
struct TagSearch {
  std::size_t At = std::string_view::npos;
  bool Unknown = false;
};

TagSearch TagInside(std::string_view bytes, std::size_t data, std::size_t length, bool at_end) {
  const std::string_view value = bytes.substr(data, length);
  for (std::size_t at = value.find('<'); at != std::string_view::npos;
       at = value.find('<', at + 1)) {
    const Tag tag = ReadTag(bytes, data + at);
    if (tag.Found == Tag::Shape::CutShort && !at_end) return {std::string_view::npos, true};
    if (tag.Found == Tag::Shape::Tag && tag.Valid && tag.HasLength) return {at, false};
  }
  return {};
}

}  // namespace

const AdifField* AdifPiece::Find(std::string_view upper_name) const {
  for (const AdifField& field : Fields) {
    if (EqualsUpper(field.Name, upper_name)) return &field;
  }
  return nullptr;
}

AdifError::AdifError(const std::string& what, std::uint64_t record, std::uint64_t offset)
    : std::runtime_error(what), record_(record), offset_(offset) {}

AdifReader::AdifReader(ByteSource& source) : source_(source), buffer_(kChunkBytes) {}

void AdifReader::Fail(const std::string& what, std::size_t at) const {
  throw AdifError(what, records_ + 1, consumed_ + (at - start_));
}

bool AdifReader::ReadMore() {
  if (at_end_) return false;
  if (start_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + start_, filled_ - start_);
    filled_ -= start_;
    start_ = 0;
  }
  if (filled_ == buffer_.size()) {
    if (buffer_.size() >= kMostPieceBytes) {
      Fail("longer than 16 MiB without its <EOR>", start_);
    }
    buffer_.resize(std::min(buffer_.size() * 2, kMostPieceBytes));
  }
  const std::size_t read = source_.Read(buffer_.data() + filled_, buffer_.size() - filled_);
  if (read == 0) {
    at_end_ = true;
    return false;
  }
  if (consumed_ == 0 && filled_ == 0 && buffer_[0] == '<') header_possible_ = false;
  filled_ += read;
  return true;
}

bool AdifReader::Next(AdifPiece& piece) {
  if (finished_) return false;
  if (filled_ == 0 && !at_end_) ReadMore();
  while (ScanPiece(piece) == Scan::NeedMore) ReadMore();
  const std::size_t length = piece.Bytes.size();
  if (piece.Kind == AdifPieceKind::Trailer) {
    finished_ = true;
    if (length == 0) return false;
  }
  if (piece.Kind == AdifPieceKind::Record) piece.Number = ++records_;
  piece.Offset = consumed_;
  start_ += length;
  consumed_ += length;
  return true;
}

AdifReader::Scan AdifReader::ScanPiece(AdifPiece& piece) {
  piece.Fields.clear();
  const char* const base = buffer_.data() + start_;
  const std::size_t size = filled_ - start_;
  const std::string_view bytes(base, size);
  const bool in_header = header_possible_ && records_ == 0 && consumed_ == 0;
  std::size_t at = 0;
  for (;;) {
    const void* found = std::memchr(base + at, '<', size - at);
    if (found == nullptr) break;
    const std::size_t open = static_cast<std::size_t>(static_cast<const char*>(found) - base);
    const Tag tag = ReadTag(bytes, open);
    if (tag.Found == Tag::Shape::CutShort && !at_end_) return Scan::NeedMore;
    if (tag.Found != Tag::Shape::Tag) {
      at = open + 1;  // a '<' in text
      continue;
    }
    const std::size_t close = tag.Close;
    if (!tag.HasLength) {
      const bool end_of_record = EqualsUpper(tag.Name, "EOR");
      const bool end_of_header = EqualsUpper(tag.Name, "EOH");
      if (end_of_header && !in_header) {
        Fail("an <EOH> after the first record", start_ + open);
      }
      if (end_of_record || end_of_header) {
        piece.Kind = end_of_record ? AdifPieceKind::Record : AdifPieceKind::Header;
        piece.Bytes = bytes.substr(0, close + 1);
        piece.EndTag = open;
        if (end_of_header) header_possible_ = false;
        return Scan::Complete;
      }
      at = open + 1;  // a word in angle brackets: text
      continue;
    }
    if (!tag.Valid) {
      // Free text in a header may hold anything; in a record it is a field
      // that cannot be read.
      if (in_header) {
        at = open + 1;
        continue;
      }
      Fail("the tag " + Quoted(bytes.substr(open, close - open + 1)) + " is no field",
           start_ + open);
    }
    if (tag.Length.size() > 9)
      Fail("the field " + Quoted(tag.Name) + " is longer than 16 MiB", start_ + open);
    std::size_t length = 0;
    for (const char digit : tag.Length)
      length = length * 10 + static_cast<std::size_t>(digit - '0');
    if (length > kMostPieceBytes) {
      Fail("the field " + Quoted(tag.Name) + " is longer than 16 MiB", start_ + open);
    }
    const std::size_t data = close + 1;
    if (size - data < length) {
      if (!at_end_) return Scan::NeedMore;
      Fail("the field " + Quoted(tag.Name) + " of " + std::to_string(length) +
               " bytes runs past the end of the input",
           start_ + open);
    }
    const std::string_view value = bytes.substr(data, length);
    const TagSearch inside = TagInside(bytes, data, length, at_end_);
    if (inside.Unknown) return Scan::NeedMore;
    if (inside.At != std::string_view::npos) {
      Fail("the data of " + Quoted(tag.Name) + " runs into the tag at byte " +
               std::to_string(consumed_ + data + inside.At) + ": is its length " +
               std::string(tag.Length) + " right?",
           start_ + open);
    }
    piece.Fields.push_back({tag.Name, tag.Type, value, open, data + length});
    at = data + length;
  }
  if (!at_end_) return Scan::NeedMore;
  if (!piece.Fields.empty()) {
    Fail("ends without <EOR>: the last record is cut short", start_ + piece.Fields.front().Start);
  }
  piece.Kind = AdifPieceKind::Trailer;
  piece.Bytes = bytes;
  piece.EndTag = size;
  return Scan::Complete;
}

}  // namespace tessaly

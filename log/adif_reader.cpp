// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/adif_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>

#include "log/ascii_case.h"

namespace tessaly {
namespace {

// A tag longer than this is no tag but text with a '<' in it.
constexpr std::size_t kLongestTag = 256;

// The byte kept after the bytes read: no name byte, digit or letter, so
// that it ends any run of them.
constexpr char kAfterBytes = '\0';
// Bytes kept readable after the bytes read, for a search a word at a time:
// kAfterBytes and a word's more.
constexpr std::size_t kPadding = 1 + sizeof(std::uint64_t);

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
// NAME:LENGTH:TYPE before its '>'. No tag where a '<' comes first or no '>'
// within kLongestTag; cut short where the bytes end before either.
struct Tag {
  enum class Shape { NoTag, CutShort, Tag };
  Shape Found = Shape::NoTag;
  std::size_t Close = 0;  // its '>'
  std::string_view Name, Length, Type;
  bool HasLength = false;
  bool Valid = false;  // a name of name bytes, a length of digits, a type of letters
};

bool Is(char c, ByteClass byte_class) {
  return (ClassOf(c) & byte_class) != 0;
}

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

// Any tag, odd or cut short, read in one pass a byte at a time. Kept out
// of line: it is seldom needed, and ReadTag small enough to inline.
[[gnu::noinline]] Tag ReadAnyTag(std::string_view bytes, std::size_t open) {
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

// The tag at `open`, read the quick way where it is well formed and whole,
// as nearly every tag of a log is: one look-up a byte and no bound checks,
// since the byte after `bytes` is none of a name's, a length's or a type's
// (the reader keeps it so). Everything else ReadAnyTag reads.
[[gnu::always_inline]] inline Tag ReadTag(std::string_view bytes, std::size_t open) {
  const char* const data = bytes.data();
  const char* const name = data + open + 1;
  const char* end = name;
  while (Is(*end, kNameByte)) ++end;
  Tag tag;
  tag.Name = std::string_view(name, static_cast<std::size_t>(end - name));
  if (*end == ':') {
    const char* const length = ++end;
    while (Is(*end, kDigit)) ++end;
    tag.Length = std::string_view(length, static_cast<std::size_t>(end - length));
    tag.HasLength = true;
    if (*end == ':') {
      const char* const type = ++end;
      while (Is(*end, kLetter)) ++end;
      tag.Type = std::string_view(type, static_cast<std::size_t>(end - type));
    }
  }
  tag.Close = static_cast<std::size_t>(end - data);
  const bool common = *end == '>' && !tag.Name.empty() && !(tag.HasLength && tag.Length.empty()) &&
                      tag.Close - open <= kLongestTag;
  if (!common) return ReadAnyTag(bytes, open);
  tag.Found = Tag::Shape::Tag;
  tag.Valid = true;
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

std::uint64_t WordAt(const char* bytes) {
  std::uint64_t word = 0;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

// The first of the bytes whose high bit `bytes` has, from 0.
std::size_t FirstByte(std::uint64_t bytes) {
  constexpr int kBitsPerByte = 8;
  const int bit = std::endian::native == std::endian::little ? std::countr_zero(bytes)
                                                             : std::countl_zero(bytes);
  return static_cast<std::size_t>(bit / kBitsPerByte);
}

// The high bit of each byte of `word` that is '<', and no other bit.
std::uint64_t OpenBytes(std::uint64_t word) {
  constexpr std::uint64_t kEachByte = 0x0101010101010101;
  constexpr std::uint64_t kLowBits = kEachByte * 0x7F;
  const std::uint64_t zero_where_open = word ^ (kEachByte * '<');
  // A byte's high bit stays clear after adding 0x7F to its low bits only
  // where they, and then it, are zero.
  return ~(((zero_where_open & kLowBits) + kLowBits) | zero_where_open | kLowBits);
}

// The first '<' of `text` from `from`, or npos. Mostly it is a field's few
// bytes of data or the blank or line end after them, shorter than a call
// to memchr is worth: they are searched a word at a time. The words may
// reach past `text` into bytes the reader keeps readable.
[[gnu::always_inline]] inline std::size_t FindOpen(std::string_view text, std::size_t from) {
  constexpr std::size_t kNear = 32;
  for (const std::size_t near = std::min(text.size(), from + kNear); from < near;
       from += sizeof(std::uint64_t)) {
    const std::uint64_t open = OpenBytes(WordAt(text.data() + from));
    if (open != 0) {
      const std::size_t at = from + FirstByte(open);
      return at < text.size() ? at : std::string_view::npos;
    }
  }
  if (from >= text.size()) return std::string_view::npos;
  const void* found = std::memchr(text.data() + from, '<', text.size() - from);
  return found == nullptr ? std::string_view::npos
                          : static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
}

TagSearch TagInside(std::string_view bytes, std::size_t data, std::size_t length, bool at_end) {
  const std::string_view value = bytes.substr(data, length);
  for (std::size_t at = FindOpen(value, 0); at != std::string_view::npos;
       at = FindOpen(value, at + 1)) {
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

AdifReader::AdifReader(ByteSource& source) : source_(source), buffer_(kChunkBytes + kPadding) {
  buffer_[0] = kAfterBytes;
}

void AdifReader::Fail(const std::string& what, std::size_t at) const {
  throw AdifError(what, records_ + 1, consumed_ + (at - start_));
}

bool AdifReader::ReadMore() {
  if (at_end_) return false;
  if (start_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + start_, filled_ - start_);
    filled_ -= start_;
    start_ = 0;
    buffer_[filled_] = kAfterBytes;
  }
  const std::size_t room = buffer_.size() - kPadding;
  if (filled_ == room) {
    if (room >= kMostPieceBytes) {
      Fail("longer than 16 MiB without its <EOR>", start_);
    }
    buffer_.resize(std::min(room * 2, kMostPieceBytes) + kPadding);
  }
  const std::size_t read =
      source_.Read(buffer_.data() + filled_, buffer_.size() - kPadding - filled_);
  if (read == 0) {
    at_end_ = true;
    return false;
  }
  if (consumed_ == 0 && filled_ == 0 && buffer_[0] == '<') header_possible_ = false;
  filled_ += read;
  buffer_[filled_] = kAfterBytes;
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
  // The next '<' is searched from `at`, unless it is known already.
  std::size_t at = 0;
  std::size_t known_open = std::string_view::npos;
  for (;;) {
    const std::size_t open =
        known_open != std::string_view::npos ? known_open : FindOpen(bytes, at);
    known_open = std::string_view::npos;
    if (open == std::string_view::npos) break;
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
    // One search through the data and on: mostly its first '<' is the next
    // tag's, and the data holds none to look into.
    const std::size_t next_open = FindOpen(bytes, data);
    if (next_open != std::string_view::npos && next_open < data + length) {
      const TagSearch inside = TagInside(bytes, data, length, at_end_);
      if (inside.Unknown) return Scan::NeedMore;
      if (inside.At != std::string_view::npos) {
        Fail("the data of " + Quoted(tag.Name) + " runs into the tag at byte " +
                 std::to_string(consumed_ + data + inside.At) + ": is its length " +
                 std::string(tag.Length) + " right?",
             start_ + open);
      }
    } else {
      known_open = next_open;
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

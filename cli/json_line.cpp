// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_line.h"

namespace tessaly {

std::string JsonString(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte < 0x20 || byte >= 0x80) {
      // ADIF is ASCII; any other byte is read as Latin-1, so that the line
      // is always valid JSON.
      quoted += "\\u00";
      quoted += kHex[byte >> 4];
      quoted += kHex[byte & 0xF];
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

void JsonLine::Key(std::string_view key) {
  if (!members_.empty()) members_ += ',';
  members_ += JsonString(key);
  members_ += ':';
}

JsonLine& JsonLine::Text(std::string_view key, std::string_view value) {
  Key(key);
  members_ += JsonString(value);
  return *this;
}

JsonLine& JsonLine::Figure(std::string_view key, std::string_view figure) {
  Key(key);
  members_ += figure;
  return *this;
}

JsonLine& JsonLine::Count(std::string_view key, std::uint64_t value) {
  Key(key);
  members_ += std::to_string(value);
  return *this;
}

JsonLine& JsonLine::Raw(std::string_view key, std::string_view json) {
  Key(key);
  members_ += json;
  return *this;
}

}  // namespace tessaly

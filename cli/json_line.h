// SPDX-License-Identifier: GPL-3.0-or-later
// One JSON object on one line, written as its members are added: all that
// tessaly-cli --json writes, so a few lines of its own rather than a
// library.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaly {

class JsonLine {
 public:
  // A string member, escaped as JSON wants: quotes, backslashes and control
  // characters, and bytes beyond ASCII as the Latin-1 characters they are.
  JsonLine& Text(std::string_view key, std::string_view value);
  // A number member written as `figure` stands, a text such as "6893.1"
  // that is already a JSON number.
  JsonLine& Figure(std::string_view key, std::string_view figure);
  JsonLine& Count(std::string_view key, std::uint64_t value);
  // A member whose value is another object or an array, written already.
  JsonLine& Raw(std::string_view key, std::string_view json);
  // "{...}" without a line end.
  std::string Object() const { return "{" + members_ + "}"; }

 private:
  void Key(std::string_view key);
  std::string members_;
};

// `text` as a JSON string, quotes included.
std::string JsonString(std::string_view text);

}  // namespace tessaly

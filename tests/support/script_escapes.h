// SPDX-License-Identifier: GPL-3.0-or-later
// How a scenario script writes a byte it cannot show as itself: "\r" for a
// carriage return, "\xB0" for any byte outside printable ASCII. One table for
// the runner, which reads texts so, and the driver, which quotes bytes so.
#pragma once

#include <optional>

namespace tessaly {

struct ScriptEscape {
  char Byte;
  char Letter;  // after the backslash
};

inline constexpr ScriptEscape kScriptEscapes[] = {
    {'\\', '\\'}, {'"', '"'}, {'\b', 'b'}, {'\r', 'r'}, {'\n', 'n'}, {'\t', 't'},
};
// "\x" and two hexadecimal digits: any byte.
inline constexpr char kHexEscapeLetter = 'x';

inline std::optional<char> EscapedByte(char letter) {
  for (const ScriptEscape& escape : kScriptEscapes) {
    if (escape.Letter == letter) return escape.Byte;
  }
  return std::nullopt;
}

inline std::optional<char> EscapeLetter(char byte) {
  for (const ScriptEscape& escape : kScriptEscapes) {
    if (escape.Byte == byte) return escape.Letter;
  }
  return std::nullopt;
}

}  // namespace tessaly

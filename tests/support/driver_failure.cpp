// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/driver_failure.h"

#include <cstdio>
#include <optional>

#include "tests/support/script_escapes.h"

namespace tessaly {

std::string Quote(std::string_view bytes) {
  std::string quoted = "\"";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (const std::optional<char> letter = EscapeLetter(c)) {
      quoted.append(1, '\\').append(1, *letter);
    } else if (byte >= 0x20 && byte < 0x7f) {
      quoted += c;
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\%c%02X", kHexEscapeLetter, byte);
      quoted += escaped;
    }
  }
  return quoted + "\"";
}

}  // namespace tessaly

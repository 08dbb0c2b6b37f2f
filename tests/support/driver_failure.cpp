// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/driver_failure.h"

#include <cstdio>

namespace tessaly {

std::string Quote(std::string_view bytes) {
  std::string quoted = "\"";
  for (const char c : bytes) {
    switch (c) {
      case '\\': quoted += "\\\\"; break;
      case '"': quoted += "\\\""; break;
      case '\b': quoted += "\\b"; break;
      case '\r': quoted += "\\r"; break;
      case '\n': quoted += "\\n"; break;
      case '\t': quoted += "\\t"; break;
      default: {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f) {
          quoted += c;
        } else {
          char escaped[5];
          std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
          quoted += escaped;
        }
      }
    }
  }
  return quoted + "\"";
}

}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
// Texts cross between the window's 8-bit strings and Qt as Latin-1, byte for
// byte, NUL included.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tessaly {

inline QString FromLatin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A character beyond Latin-1 becomes "?".
inline std::string ToLatin1(const QString& text) {
  return text.toLatin1().toStdString();
}

}  // namespace tessaly

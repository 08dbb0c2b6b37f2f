// SPDX-License-Identifier: GPL-3.0-or-later
// Without a display, Qt ends the program inside the application object's
// constructor: qFatal, then an abort and a core dump. While a DisplayGuard
// lives, Qt's messages are held back, and a fatal one ends the program
// first, with kNoDisplayMessage and exit status 1.
#pragma once

#include <string_view>

namespace tessaly {

inline constexpr std::string_view kNoDisplayMessage =
    "tessaly: cannot open a display (set DISPLAY or WAYLAND_DISPLAY, or use -platform offscreen)";

class DisplayGuard {
 public:
  // `platform_chosen`: -platform was given. When it was, or a display or a
  // platform is named in the environment, the held messages are shown before
  // the line, for they say why that one failed.
  explicit DisplayGuard(bool platform_chosen);
  // Passes the held messages on, in order, to the handler that was there.
  ~DisplayGuard();

  DisplayGuard(const DisplayGuard&) = delete;
  DisplayGuard& operator=(const DisplayGuard&) = delete;
};

}  // namespace tessaly

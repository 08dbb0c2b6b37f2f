// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/tessaly.h"

#include <utility>

namespace tessaly {

TTessaly1::TTessaly1(WindowOperations& window, std::string home_directory)
    : window_(window),
      home_directory_(std::move(home_directory)),
      home_(window, Side::Home),
      destination_(window, Side::Destination),
      results_(window) {}

// Nothing is saved on the way out.
void TTessaly1::Exit1Click() {
  window_.CloseWindow();
}

void TTessaly1::About1Click() {
  window_.ShowAboutBox();
}

}  // namespace tessaly

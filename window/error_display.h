// SPDX-License-Identifier: GPL-3.0-or-later
// How an error that escaped a handler reaches the user.
#pragma once

#include <exception>
#include <string>

#include "geo/error.h"
#include "window/window_operations.h"

namespace tessaly {

// The message, with "." appended when its last character sorts after ".".
inline std::string ErrorBoxText(std::string message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
  return message;
}

// Runs one event's handler. An error that escapes it is shown and the program
// runs on; returns whether the handler completed.
template <typename Handler>
bool RunGuarded(WindowOperations& window, Handler&& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& error) {
    window.ShowError(ErrorBoxText(MessageOf(error)));
  }
  return false;
}

}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
// How the window driver gives up: a failure that says what was expected and
// what was found, with bytes quoted the way scenario scripts write them.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tessaly {

class DriverFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

[[noreturn]] inline void Fail(const std::string& message) {
  throw DriverFailure(message);
}

// Bytes in double quotes, escaped as a script writes them: "\r\n" shows as
// "\r\n", a byte 0xB0 as "\xB0".
std::string Quote(std::string_view bytes);

}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
// The one error type of the program: a failed reading or an arithmetic
// operation without a valid result. It ends the running handler, and the
// window shows its message.
#pragma once

#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tessaly {

class TessalyError : public std::runtime_error {
 public:
  explicit TessalyError(const std::string& message)
      : std::runtime_error(message), message_(message) {}
  // The whole message: what() ends at the first NUL byte, and a field text
  // quoted in the message may hold one.
  const std::string& Message() const { return message_; }

 private:
  std::string message_;
};

// The message of any error, whole where it is one of ours.
inline std::string MessageOf(const std::exception& error) {
  if (const auto* ours = dynamic_cast<const TessalyError*>(&error)) return ours->Message();
  return error.what();
}

// Shown for arithmetic that has no valid result (a value beyond the 32-bit
// range, a result that is not a finite number).
inline constexpr std::string_view kInvalidFloatingPointOperation =
    "Invalid floating point operation";

}  // namespace tessaly

// The one error type of the program: a failed reading or an arithmetic
// operation without a valid result. It ends the running handler, and the
// window shows its message.
#pragma once

#include <stdexcept>
#include <string_view>

namespace tessaly {

class TessalyError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Shown for arithmetic that has no valid result (a value beyond the 32-bit
// range, a result that is not a finite number).
inline constexpr std::string_view kInvalidFloatingPointOperation =
    "Invalid floating point operation";

}  // namespace tessaly

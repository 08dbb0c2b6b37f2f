// Ends the running case: what was expected and what was found.
#pragma once

#include <stdexcept>
#include <string>

namespace scenario {

class CaseFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

[[noreturn]] inline void Fail(const std::string& message) {
  throw CaseFailure(message);
}

}  // namespace scenario

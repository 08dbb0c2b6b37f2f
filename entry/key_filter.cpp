// Which typed characters a coordinate field accepts.
#include <cstddef>

#include "app/tessaly.h"

namespace tessaly {

namespace {

// The digits and backspace: accepted in every format.
constexpr std::size_t kAlwaysAllowedCount = 11;
// ... and "." too while either location shows decimal degrees.
constexpr std::size_t kDecimalAllowedCount = 12;

}  // namespace

// The text already in the field plays no part: a second "." gets in and is
// caught when the field is left.
char TTessaly1::FilterKey(char key) const {
  const bool decimal_shown = Home.DecimalFormat || Destination.DecimalFormat;
  const std::string_view allowed =
      kAllowedKeys.substr(0, decimal_shown ? kDecimalAllowedCount : kAlwaysAllowedCount);
  return allowed.find(key) == std::string_view::npos ? '\0' : key;
}

char TTessaly1::Edit1KeyPress(char key) {
  return FilterKey(key);
}
char TTessaly1::Edit2KeyPress(char key) {
  return FilterKey(key);
}
char TTessaly1::Edit3KeyPress(char key) {
  return FilterKey(key);
}
char TTessaly1::Edit4KeyPress(char key) {
  return FilterKey(key);
}
char TTessaly1::Edit5KeyPress(char key) {
  return FilterKey(key);
}
char TTessaly1::Edit6KeyPress(char key) {
  return FilterKey(key);
}
char TTessaly1::Edit8KeyPress(char key) {
  return FilterKey(key);
}
char TTessaly1::Edit9KeyPress(char key) {
  return FilterKey(key);
}
char TTessaly1::Edit10KeyPress(char key) {
  return FilterKey(key);
}
char TTessaly1::Edit11KeyPress(char key) {
  return FilterKey(key);
}
char TTessaly1::Edit12KeyPress(char key) {
  return FilterKey(key);
}
char TTessaly1::Edit13KeyPress(char key) {
  return FilterKey(key);
}

}  // namespace tessaly

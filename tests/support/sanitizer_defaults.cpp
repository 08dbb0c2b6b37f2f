// SPDX-License-Identifier: GPL-3.0-or-later
// Sanitizer settings built into every test program, so a test run by hand
// behaves as under CTest: leaks inside system libraries are suppressed (see
// tests/lsan.supp), everything else fails the run.
extern "C" const char* __lsan_default_options() {
  return "suppressions=" TESSALY_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

extern "C" const char* __ubsan_default_options() {
  return "halt_on_error=1:print_stacktrace=1";
}

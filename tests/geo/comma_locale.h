// SPDX-License-Identifier: GPL-3.0-or-later
// Switches the whole process to a locale whose decimal point is a comma, for
// as long as the object lives. The build compiles one into
// TESSALY_TEST_LOCALES, so the switch works where the system has none.
#pragma once

#include <stdlib.h>

#include <clocale>
#include <locale>
#include <string>

namespace tessaly {

class CommaLocale {
 public:
  CommaLocale() : saved_c_locale_(std::setlocale(LC_ALL, nullptr)) {
    ::setenv("LOCPATH", TESSALY_TEST_LOCALES, /*overwrite=*/0);
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8",
                             "nl_NL.UTF-8", "es_ES.UTF-8", "it_IT.UTF-8", "ru_RU.UTF-8"}) {
      if (std::setlocale(LC_ALL, name) != nullptr &&
          std::string(std::localeconv()->decimal_point) == ",") {
        std::locale::global(std::locale(name));
        active_ = true;
        return;
      }
    }
    std::setlocale(LC_ALL, saved_c_locale_.c_str());
  }
  ~CommaLocale() {
    if (!active_) return;
    std::locale::global(saved_cpp_locale_);
    std::setlocale(LC_ALL, saved_c_locale_.c_str());
  }
  CommaLocale(const CommaLocale&) = delete;
  CommaLocale& operator=(const CommaLocale&) = delete;

  bool Active() const { return active_; }

 private:
  std::string saved_c_locale_;
  std::locale saved_cpp_locale_;
  bool active_ = false;
};

}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
// Where the home file lives, from the environment and the password database.
#include "home/home_directory.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace tessaly {
namespace {

using Maybe = std::optional<std::string>;

TEST(HomeDirectoryFromEnvironment, FollowsTheXdgRulesAndKeepsThePathBytes) {
  struct Case {
    const char* Name;
    Maybe XdgConfigHome;
    Maybe Home;
    Maybe PasswordDatabaseHome;
    std::string Directory;
  };
  const std::vector<Case> kCases{
      {"XDG_CONFIG_HOME", "/xdg/config", "/home/ham", "/home/pw", "/xdg/config/Tessaly"},
      {"bytes that are not UTF-8", "/xdg/\xff\xe9t\xe9", "/home/ham", "/home/pw",
       "/xdg/\xff\xe9t\xe9/Tessaly"},
      {"relative XDG_CONFIG_HOME ignored", "config", "/home/ham", "/home/pw",
       "/home/ham/.config/Tessaly"},
      {"empty XDG_CONFIG_HOME ignored", "", "/home/ham", "/home/pw", "/home/ham/.config/Tessaly"},
      {"no HOME: the password database", std::nullopt, std::nullopt, "/home/pw",
       "/home/pw/.config/Tessaly"},
      {"relative HOME: the password database", std::nullopt, "ham", "/home/pw",
       "/home/pw/.config/Tessaly"},
      {"HOME is the root", std::nullopt, "/", "/home/pw", "/.config/Tessaly"},
      {"no home anywhere", std::nullopt, std::nullopt, std::nullopt, "/.config/Tessaly"},
  };
  for (const Case& c : kCases) {
    const AccountEnvironment environment{[&c](const char* name) -> Maybe {
                                           if (std::string(name) == "XDG_CONFIG_HOME")
                                             return c.XdgConfigHome;
                                           if (std::string(name) == "HOME") return c.Home;
                                           return std::nullopt;
                                         },
                                         [&c] { return c.PasswordDatabaseHome; }};
    EXPECT_EQ(HomeDirectoryFromEnvironment(environment), c.Directory) << c.Name;
  }
}

// Unsets a variable for the life of the object.
class ScopedUnset {
 public:
  explicit ScopedUnset(const char* name) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::unsetenv(name);
  }
  ~ScopedUnset() {
    if (old_) ::setenv(name_, old_->c_str(), 1);
  }

 private:
  const char* name_;
  Maybe old_;
};

TEST(HomeDirectoryFromEnvironment, WithoutHomeFindsTheAccountInThePasswordDatabase) {
  const passwd* entry = ::getpwuid(::getuid());
  ASSERT_NE(entry, nullptr) << "the test account has no password database entry";
  const ScopedUnset xdg("XDG_CONFIG_HOME");
  const ScopedUnset home("HOME");
  const std::string account_home = entry->pw_dir;
  EXPECT_EQ(HomeDirectoryFromEnvironment(),
            (account_home == "/" ? "" : account_home) + "/.config/Tessaly");
}

}  // namespace
}  // namespace tessaly

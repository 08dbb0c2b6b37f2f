// SPDX-License-Identifier: GPL-3.0-or-later
// The directory of the home file, after the XDG base-directory rules.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace tessaly {

// What the directory is computed from; tests give their own.
struct AccountEnvironment {
  // An environment variable's bytes, nothing when it is not set.
  std::function<std::optional<std::string>(const char* name)> Variable;
  // The account's home directory in the password database, nothing when the
  // account has no entry.
  std::function<std::optional<std::string>()> PasswordDatabaseHome;
};

// The process's environment and the password database entry of its user.
AccountEnvironment ProcessEnvironment();

// $XDG_CONFIG_HOME/Tessaly when that is an absolute path, else
// <home>/.config/Tessaly, the home being $HOME when that is an absolute path,
// else the account's home directory from the password database, else "/".
// The bytes are kept as they are: a directory name need not be UTF-8.
std::string HomeDirectoryFromEnvironment(const AccountEnvironment& environment);
std::string HomeDirectoryFromEnvironment();

}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
#include "home/home_directory.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace tessaly {

namespace {

constexpr std::string_view kApplicationFolder = "Tessaly";
// The XDG default for $XDG_CONFIG_HOME, inside the home directory.
constexpr std::string_view kDefaultConfigFolder = ".config";
// Where a user without any home directory keeps it: a save there fails with
// its reason rather than landing somewhere unexpected.
constexpr std::string_view kRootDirectory = "/";
// Where glibc gives no hint for the getpwuid_r buffer.
constexpr std::size_t kFallbackPasswordBufferBytes = 16384;

bool IsAbsolute(const std::optional<std::string>& path) {
  return path && !path->empty() && path->front() == '/';
}

// "/" and "/home/ham/" join as "/.config", "/home/ham/.config".
std::string Joined(std::string directory, std::string_view name) {
  while (!directory.empty() && directory.back() == '/') directory.pop_back();
  return directory + "/" + std::string(name);
}

std::optional<std::string> PasswordDatabaseHomeOfThisUser() {
  const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested)
                                         : kFallbackPasswordBufferBytes);
  passwd entry{};
  passwd* found = nullptr;
  int error = 0;
  while ((error = ::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found)) ==
         ERANGE) {
    buffer.resize(buffer.size() * 2);
  }
  if (error != 0 || found == nullptr || found->pw_dir == nullptr) return std::nullopt;
  return std::string(found->pw_dir);
}

}  // namespace

AccountEnvironment ProcessEnvironment() {
  return {[](const char* name) -> std::optional<std::string> {
            const char* value = std::getenv(name);
            if (value == nullptr) return std::nullopt;
            return std::string(value);
          },
          PasswordDatabaseHomeOfThisUser};
}

std::string HomeDirectoryFromEnvironment(const AccountEnvironment& environment) {
  // A relative XDG path is to be ignored: it would follow the working directory.
  if (const std::optional<std::string> config = environment.Variable("XDG_CONFIG_HOME");
      IsAbsolute(config)) {
    return Joined(*config, kApplicationFolder);
  }
  std::optional<std::string> home = environment.Variable("HOME");
  if (!IsAbsolute(home)) home = environment.PasswordDatabaseHome();
  const std::string base = IsAbsolute(home) ? *home : std::string(kRootDirectory);
  return Joined(Joined(base, kDefaultConfigFolder), kApplicationFolder);
}

std::string HomeDirectoryFromEnvironment() {
  return HomeDirectoryFromEnvironment(ProcessEnvironment());
}

}  // namespace tessaly

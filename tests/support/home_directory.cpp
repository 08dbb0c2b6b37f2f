// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/home_directory.h"

#include <filesystem>
#include <system_error>

#include "home/home_file.h"

namespace tessaly {

namespace fs = std::filesystem;

HomeDirectory::HomeDirectory() : path_((scratch_.Path() / "config").string()) {
  fs::create_directory(path_);
}

std::string HomeDirectory::FilePath() const {
  return HomeFilePathIn(path_);
}

std::string HomeDirectory::WriteHomeFile(const std::string& bytes) const {
  return WriteBytes(FilePath(), bytes) ? "" : "cannot write " + FilePath();
}

std::string HomeDirectory::RemoveHomeFile() const {
  std::error_code error;
  fs::remove(FilePath(), error);
  return error ? "cannot remove " + FilePath() + ": " + error.message() : "";
}

std::string HomeDirectory::MakeUnwritable() const {
  std::error_code error;
  fs::remove_all(path_, error);
  if (error) return "cannot remove " + path_;
  return WriteBytes(path_, "") ? "" : "cannot create the file " + path_;
}

std::optional<std::string> HomeDirectory::ReadHomeFile() const {
  if (!fs::is_regular_file(FilePath())) return std::nullopt;
  return ReadBytes(FilePath());
}

std::string HomeDirectory::OtherEntries() const {
  if (!fs::is_directory(path_)) return {};
  std::string others;
  for (const fs::directory_entry& entry : fs::directory_iterator(path_)) {
    const std::string name = entry.path().filename().string();
    if (name == kHomeFileName) continue;
    others += (others.empty() ? "" : ", ") + name;
  }
  return others;
}

}  // namespace tessaly

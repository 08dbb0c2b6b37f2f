// SPDX-License-Identifier: GPL-3.0-or-later
// The home directory of one test or case, inside a scratch directory of its
// own, so that none sees another's home file and none touches the user's.
#pragma once

#include <optional>
#include <string>

#include "tests/support/scratch_directory.h"

namespace tessaly {

class HomeDirectory {
 public:
  HomeDirectory();  // creates <scratch>/config, empty

  // The directory the window is given; it holds the home file.
  const std::string& Path() const { return path_; }
  std::string FilePath() const;

  // Each returns an empty text on success, else what went wrong.
  std::string WriteHomeFile(const std::string& bytes) const;
  std::string RemoveHomeFile() const;
  // Saving must fail even for root, whom permissions do not stop: the
  // directory's path is taken by a regular file.
  std::string MakeUnwritable() const;

  // The home file's bytes, nothing when there is none.
  std::optional<std::string> ReadHomeFile() const;
  // Entries of the directory other than the home file: the program writes
  // no other file.
  std::string OtherEntries() const;

 private:
  ScratchDirectory scratch_;
  std::string path_;
};

}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
// The home file's reader: a regular file only, and only its first bytes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "home/file_descriptor.h"
#include "home/home_file.h"

namespace tessaly {

namespace {

bool IsRegularFile(const struct stat& status) {
  return S_ISREG(status.st_mode);
}

}  // namespace

std::optional<std::string> LoadHomeFile(const std::string& path) {
  // Nothing else is opened at all: the open of a FIFO waits for a writer,
  // and a device may act on being opened.
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0 || !IsRegularFile(status)) return std::nullopt;
  // The path may have been replaced since: an open that cannot block, and
  // the check again on what was opened.
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (!file.IsOpen() || ::fstat(file.Get(), &status) != 0 || !IsRegularFile(status)) {
    return std::nullopt;
  }
  std::string contents(kHomeFileReadLimitBytes, '\0');
  std::size_t filled = 0;
  while (filled < contents.size()) {
    const ssize_t count = ::read(file.Get(), contents.data() + filled, contents.size() - filled);
    if (count == 0) break;
    if (count < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    filled += static_cast<std::size_t>(count);
  }
  contents.resize(filled);
  return contents;
}

}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/byte_stream.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tessaly {

std::size_t DescriptorSource::Read(char* into, std::size_t most) {
  for (;;) {
    const ssize_t read = ::read(descriptor_, into, most);
    if (read >= 0) return static_cast<std::size_t>(read);
    if (errno != EINTR) throw StreamError(std::strerror(errno));
  }
}

void DescriptorSink::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      throw StreamError(std::strerror(errno));
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

std::size_t MemorySource::Read(char* into, std::size_t most) {
  const std::size_t count = std::min({most, chunk_, bytes_.size()});
  std::memcpy(into, bytes_.data(), count);
  bytes_.remove_prefix(count);
  return count;
}

}  // namespace tessaly

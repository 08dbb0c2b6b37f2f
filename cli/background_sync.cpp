// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/background_sync.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace tessaly {

BackgroundSync::~BackgroundSync() {
  Finish();
}

void BackgroundSync::Request() {
  {
    const std::lock_guard lock(mutex_);
    if (unavailable_ || stopping_) return;
    requested_ = true;
  }
  if (!thread_.joinable()) {
    try {
      thread_ = std::thread(&BackgroundSync::Run, this);
    } catch (const std::system_error&) {
      const std::lock_guard lock(mutex_);
      unavailable_ = true;
      return;
    }
  }
  wake_.notify_one();
}

int BackgroundSync::Finish() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  if (thread_.joinable()) thread_.join();
  const std::lock_guard lock(mutex_);
  return error_;
}

void BackgroundSync::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return requested_ || stopping_; });
    if (!requested_) return;
    requested_ = false;
    lock.unlock();
    // The data only, as the writer's own last sync makes sure of the rest.
    int error = 0;
    while (::fdatasync(descriptor_) != 0 && (error = errno) == EINTR) error = 0;
    lock.lock();
    if (error_ == 0) error_ = error;
  }
}

}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
// Syncs a file being written while the writing goes on. Some disks (a
// virtual machine's above all) take a time in proportion to everything
// written since the last sync: a large output synced only at the end keeps
// its writer waiting for all of it, one synced on the way for the last part
// only. The syncs run on a thread of their own, which waits on the disk and
// takes no processor time from the writer.
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

namespace tessaly {

class BackgroundSync {
 public:
  // Of `descriptor`, open for writing until Finish (or the destructor).
  explicit BackgroundSync(int descriptor) : descriptor_(descriptor) {}
  BackgroundSync(const BackgroundSync&) = delete;
  BackgroundSync& operator=(const BackgroundSync&) = delete;
  ~BackgroundSync();

  // Asks for a sync of what is written so far; returns at once. Asks made
  // while one runs come to one more. Where no thread can be had, does
  // nothing: the writer's last sync does it all.
  void Request();
  // Waits for the syncs asked for; then the errno of the first one that
  // failed, 0 if none. A failed write may be reported by one sync only,
  // so the writer's own last sync can succeed after this one failed.
  int Finish();

 private:
  void Run();

  int descriptor_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool requested_ = false;
  bool stopping_ = false;
  bool unavailable_ = false;
  int error_ = 0;
  std::thread thread_;
};

}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/staged_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace tessaly {
namespace {

constexpr mode_t kNewFileMode = 0666;
constexpr mode_t kPermissionBits = 07777;
constexpr std::uint64_t kHeadStartBytes = std::uint64_t{8} << 20;
// A few syncs for a large log, each waiting on no more than this (about
// 30 ms on the virtual disk that needed them).
constexpr std::uint64_t kSyncBytes = std::uint64_t{32} << 20;

[[noreturn]] void Fail(const std::string& path) {
  throw StreamError(path + ": " + std::strerror(errno));
}

// The file a link names, link after link; the path itself otherwise.
std::string RealTarget(const std::string& path) {
  std::error_code error;
  const std::filesystem::path resolved = std::filesystem::canonical(path, error);
  return error ? path : resolved.string();
}

mode_t CurrentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

}  // namespace

StagedOutput::StagedOutput(const std::string& path) : target_(RealTarget(path)) {
  struct stat status {};
  const bool exists = ::stat(target_.c_str(), &status) == 0;
  if (exists && S_ISDIR(status.st_mode)) {
    errno = EISDIR;
    Fail(path);
  }
  std::vector<char> name(target_.begin(), target_.end());
  const std::string suffix = ".tessaly-XXXXXX";
  name.insert(name.end(), suffix.begin(), suffix.end());
  name.push_back('\0');
  descriptor_ = ::mkstemp(name.data());
  if (descriptor_ < 0) Fail(path);
  staged_ = name.data();
  sync_.emplace(descriptor_);
  const mode_t mode = exists && S_ISREG(status.st_mode) ? status.st_mode & kPermissionBits
                                                        : kNewFileMode & ~CurrentUmask();
  if (::fchmod(descriptor_, mode) != 0) {
    // No destructor runs for a constructor that throws.
    const int error = errno;
    ::close(descriptor_);
    ::unlink(staged_.c_str());
    errno = error;
    Fail(staged_);
  }
}

StagedOutput::~StagedOutput() {
  sync_.reset();  // before the descriptor it syncs is closed
  if (descriptor_ >= 0) ::close(descriptor_);
  if (!staged_.empty()) ::unlink(staged_.c_str());
}

void StagedOutput::Write(std::string_view bytes) {
  DescriptorSink(descriptor_).Write(bytes);
  written_ += bytes.size();
  // Starts the disk on what is written while the rest is made, so that the
  // sync before the rename waits for the last few mebibytes only, not for a
  // whole log. Only a head start: the sync makes sure.
  if (written_ - flushed_ >= kHeadStartBytes) {
    ::sync_file_range(descriptor_, static_cast<off_t>(flushed_),
                      static_cast<off_t>(written_ - flushed_), SYNC_FILE_RANGE_WRITE);
    flushed_ = written_;
  }
  if (written_ - synced_ >= kSyncBytes) {
    sync_->Request();
    synced_ = written_;
  }
}

void StagedOutput::Commit() {
  if (const int error = sync_->Finish(); error != 0) {
    errno = error;
    Fail(staged_);
  }
  if (::fsync(descriptor_) != 0) Fail(staged_);
  const int descriptor = descriptor_;
  descriptor_ = -1;
  // A network file system may report a failed write only here.
  if (::close(descriptor) != 0) Fail(staged_);
  if (::rename(staged_.c_str(), target_.c_str()) != 0) Fail(target_);
  staged_.clear();
}

}  // namespace tessaly

// SPDX-License-Identifier: GPL-3.0-or-later
// The safe save of the home file: the new contents are complete and on disk
// before one rename puts them in place of the old file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "geo/error.h"
#include "home/file_descriptor.h"
#include "home/home_file.h"

namespace tessaly {

namespace {

namespace fs = std::filesystem;

// Given to the kernel, which takes the umask off.
constexpr mode_t kNewFileMode = 0666;
// Until the old file's permissions are copied: nobody else may read it.
constexpr mode_t kOwnerOnlyMode = 0600;
constexpr mode_t kPermissionBits = 0777;
constexpr mode_t kWriteBits = 0222;
// The kernel's own limit on links followed in one path (MAXSYMLINKS).
constexpr int kMaxLinksFollowed = 40;
constexpr int kMaxTemporaryNameTries = 100;
// Linux names an open file here; linkat gives an unnamed file a name
// through it without the privilege AT_EMPTY_PATH needs.
constexpr char kOwnDescriptorDirectory[] = "/proc/self/fd/";
// A file the user made read-only stays as it is, for root as well.
constexpr std::string_view kReadOnlyReason = "File is read-only";

// One step of the save failed; SaveHomeFile adds the path.
struct SaveStepFailed {
  std::string Reason;
};

[[noreturn]] void FailWith(int error) {
  throw SaveStepFailed{std::strerror(error)};
}

void Check(bool succeeded) {
  if (!succeeded) FailWith(errno);
}

void CreateDirectories(const fs::path& directory) {
  if (directory.empty()) return;
  std::error_code error;
  fs::create_directories(directory, error);
  if (error) throw SaveStepFailed{error.message()};
}

// The file the save replaces: the home file, or what its link names, link
// after link, so that a dotfile manager's link stays a link.
fs::path LinkTarget(fs::path path) {
  for (int followed = 0; followed < kMaxLinksFollowed; ++followed) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
    const fs::path target = fs::read_symlink(path, error);
    if (error) throw SaveStepFailed{error.message()};
    path = path.parent_path() / target;  // an absolute target replaces the whole
  }
  FailWith(ELOOP);
}

// The permission bits of the regular file `name`, nothing when there is none.
std::optional<mode_t> ExistingFileMode(int directory, const std::string& name) {
  struct stat status {};
  if (::fstatat(directory, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
    if (errno == ENOENT) return std::nullopt;
    FailWith(errno);
  }
  if (!S_ISREG(status.st_mode)) return std::nullopt;
  return status.st_mode & kPermissionBits;
}

// Tries `create` with fresh names beside `base` until one is free.
template <typename Create>
std::string UnderFreeName(const std::string& base, Create create) {
  for (int attempt = 0; attempt < kMaxTemporaryNameTries; ++attempt) {
    std::string name = base + "." + std::to_string(::getpid()) + "-" + std::to_string(attempt);
    if (create(name)) return name;
    if (errno != EEXIST) FailWith(errno);
  }
  FailWith(EEXIST);
}

// The new contents until they replace the old file: an unnamed file in the
// same directory, which a kill cannot leave behind; where the file system
// has none (NFS, FUSE) or /proc is missing, a named temporary, removed on
// every failure.
class StagedFile {
 public:
  StagedFile(int directory, const std::string& target_name, mode_t mode)
      : directory_(directory), target_name_(target_name) {
    if (::access(kOwnDescriptorDirectory, X_OK) == 0) {
      file_.Reset(::openat(directory, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
      if (file_.IsOpen()) return;
      if (errno != EOPNOTSUPP && errno != EISDIR) FailWith(errno);  // EISDIR: a kernel without it
    }
    name_ = UnderFreeName(target_name, [&](const std::string& name) {
      file_.Reset(::openat(directory, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
      return file_.IsOpen();
    });
  }
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;
  ~StagedFile() {
    if (!name_.empty()) ::unlinkat(directory_, name_.c_str(), 0);
  }

  // Exactly these bits, whatever the umask.
  void SetPermissions(mode_t mode) { Check(::fchmod(file_.Get(), mode) == 0); }

  void WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t written = ::write(file_.Get(), bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      Check(written >= 0);
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
  }

  // On disk, then in place of the target in one rename.
  void Replace() {
    Check(::fsync(file_.Get()) == 0);
    if (name_.empty()) {
      const std::string open_file =
          std::string(kOwnDescriptorDirectory) + std::to_string(file_.Get());
      name_ = UnderFreeName(target_name_, [&](const std::string& name) {
        return ::linkat(AT_FDCWD, open_file.c_str(), directory_, name.c_str(), AT_SYMLINK_FOLLOW) ==
               0;
      });
    }
    // A network file system may report a failed write only here.
    Check(file_.Close());
    Check(::renameat(directory_, name_.c_str(), directory_, target_name_.c_str()) == 0);
    name_.clear();
  }

 private:
  int directory_;
  std::string target_name_;
  FileDescriptor file_;
  std::string name_;  // empty while the file has no name of its own
};

void SaveFileInPlace(const fs::path& target, std::string_view contents) {
  const fs::path directory_path = target.has_parent_path() ? target.parent_path() : ".";
  const FileDescriptor directory(
      ::open(directory_path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  Check(directory.IsOpen());
  const std::string name = target.filename();
  const std::optional<mode_t> old_mode = ExistingFileMode(directory.Get(), name);
  if (old_mode && (*old_mode & kWriteBits) == 0) throw SaveStepFailed{std::string(kReadOnlyReason)};

  StagedFile staged(directory.Get(), name, old_mode ? kOwnerOnlyMode : kNewFileMode);
  if (old_mode) staged.SetPermissions(*old_mode);
  staged.WriteAll(contents);
  staged.Replace();
  // The rename itself is on disk only once the directory is.
  Check(::fsync(directory.Get()) == 0);
}

}  // namespace

void SaveHomeFile(const std::string& path, std::string_view contents) {
  try {
    CreateDirectories(fs::path(path).parent_path());
    SaveFileInPlace(LinkTarget(path), contents);
  } catch (const SaveStepFailed& failure) {
    throw TessalyError("Cannot save the home file " + path + ": " + failure.Reason);
  }
}

}  // namespace tessaly

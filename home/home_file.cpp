#include "home/home_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>

#include "geo/error.h"

namespace tessaly {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
// The text-file end marker: nothing after it is read.
constexpr char kEndOfFileMark = '\x1a';
// The reader's line buffer holds three characters.
constexpr std::size_t kMaxLineLength = 3;
constexpr std::size_t kReadChunkBytes = 4096;

[[noreturn]] void FailToSave(const std::string& path, const std::string& reason) {
  throw TessalyError("Cannot save the home file " + path + ": " + reason);
}

// A file descriptor that is closed however the scope is left.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }

 private:
  int fd_;
};

constexpr mode_t kNewFileMode = 0666;

mode_t CurrentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// The temporary beside the home file; removed unless it was renamed into
// place. Each step returns 0 or the errno of its failure.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target) : name_(target + ".XXXXXX") {
    fd_ = ::mkstemp(name_.data());
    creation_error_ = fd_ < 0 ? errno : 0;
    // mkstemp makes the file private; the home file gets the mode of any new
    // file of the user's.
    if (fd_ >= 0) ::fchmod(fd_, kNewFileMode & ~CurrentUmask());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (creation_error_ == 0 && !renamed_) ::unlink(name_.c_str());
  }

  int CreationError() const { return creation_error_; }

  int WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
      if (written < 0) {
        if (errno == EINTR) continue;
        return errno;
      }
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
  }

  // On disk and closed, so that a late write error is seen before the old
  // file is replaced.
  int Finish() {
    if (::fsync(fd_) != 0) return errno;
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }

  int RenameTo(const std::string& target) {
    if (::rename(name_.c_str(), target.c_str()) != 0) return errno;
    renamed_ = true;
    return 0;
  }

 private:
  std::string name_;
  int fd_ = -1;
  int creation_error_ = 0;
  bool renamed_ = false;
};

}  // namespace

std::string HomeFilePathIn(std::string_view directory) {
  return std::string(directory) + "/" + std::string(kHomeFileName);
}

std::string HomeFileText(const HomeFileValues& values) {
  const std::array<std::int32_t, kHomeFileLineCount> numbers{
      values.LatDegrees, values.LatMinutes, values.LatSeconds, values.LatHemisphere,
      values.LonDegrees, values.LonMinutes, values.LonSeconds, values.LonHemisphere,
      values.Format,     values.Unit};
  std::string text;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (i > 0) text += kLineEnd;
    text += std::to_string(numbers[i]);
  }
  return text;
}

HomeFileLines SplitHomeFileLines(std::string_view contents) {
  std::string bytes;
  for (char c : contents) {
    if (c == kEndOfFileMark) break;
    if (c != kCarriageReturn) bytes += c;
  }
  HomeFileLines lines;
  std::size_t next = 0;
  for (std::string& line : lines) {
    if (next >= bytes.size()) break;  // the end of the file: this and later lines stay empty
    while (next < bytes.size() && bytes[next] != kLineFeed && line.size() < kMaxLineLength) {
      line += bytes[next++];
    }
    if (next < bytes.size() && bytes[next] == kLineFeed) {
      ++next;
      continue;
    }
    // A full buffer not followed by a line end fails the reading; the rest
    // of the file is not read.
    if (line.size() == kMaxLineLength) break;
  }
  return lines;
}

std::int32_t LineInteger(std::string_view line) {
  constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
  constexpr std::int64_t kMagnitudeLimit =
      std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::size_t i = line.find_first_not_of(kWhiteSpace);
  if (i == std::string_view::npos) return 0;
  const bool negative = line[i] == '-';
  if (line[i] == '-' || line[i] == '+') ++i;
  std::int64_t magnitude = 0;
  for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
    magnitude = std::min(magnitude * 10 + (line[i] - '0'), kMagnitudeLimit);
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  return static_cast<std::int32_t>(
      std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max()));
}

RecalledHome ParseHomeFile(std::string_view contents) {
  constexpr std::int32_t kFlagSet = 1;
  const HomeFileLines lines = SplitHomeFileLines(contents);
  RecalledHome home;
  home.Latitude = {lines[0], lines[1], lines[2]};
  home.LatHemisphere = LineInteger(lines[3]);
  home.Longitude = {lines[4], lines[5], lines[6]};
  home.LonHemisphere = LineInteger(lines[7]);
  home.DecimalFormat = LineInteger(lines[8]) == kFlagSet;
  home.Miles = LineInteger(lines[9]) == kFlagSet;
  return home;
}

std::optional<std::string> LoadHomeFile(const std::string& path) {
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.Get() < 0) return std::nullopt;
  std::string contents;
  char chunk[kReadChunkBytes];
  for (;;) {
    const ssize_t count = ::read(file.Get(), chunk, sizeof chunk);
    if (count == 0) return contents;
    if (count < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;  // a directory, for one
    }
    contents.append(chunk, static_cast<std::size_t>(count));
  }
}

void SaveHomeFile(const std::string& path, std::string_view contents) {
  const std::filesystem::path directory = std::filesystem::path(path).parent_path();
  if (!directory.empty()) {
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) FailToSave(path, error.message());
  }
  TemporaryFile temporary(path);
  int error = temporary.CreationError();
  if (error == 0) error = temporary.WriteAll(contents);
  if (error == 0) error = temporary.Finish();
  if (error == 0) error = temporary.RenameTo(path);
  if (error != 0) FailToSave(path, std::strerror(error));
}

}  // namespace tessaly

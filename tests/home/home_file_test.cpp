// SPDX-License-Identifier: GPL-3.0-or-later
// The home file's text, how the recall splits it into lines and numbers, and
// how it is loaded and replaced on disk.
#include "home/home_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "geo/error.h"
#include "tests/support/scratch_directory.h"

namespace tessaly {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Entries(const fs::path& directory) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(directory)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

std::string SaveError(const std::string& path, std::string_view contents) {
  try {
    SaveHomeFile(path, contents);
  } catch (const TessalyError& error) {
    return error.what();
  }
  return "saved";
}

constexpr std::string_view kStandardFile = "38\r\n0\r\n54\r\n0\r\n78\r\n38\r\n15\r\n0\r\n0\r\n1";
const HomeFileLines kStandardLines{"38", "0", "54", "0", "78", "38", "15", "0", "0", "1"};

TEST(HomeFileText, TenNumbersWithCrLfBetweenThemInTessaly2Ini) {
  EXPECT_EQ(HomeFileText({-5, 7, 60, 1, 179, 0, -2147483647 - 1, 1, 1, 0}),
            "-5\r\n7\r\n60\r\n1\r\n179\r\n0\r\n-2147483648\r\n1\r\n1\r\n0");
  EXPECT_EQ(HomeFilePathIn("/home/ham/.config/Tessaly"), "/home/ham/.config/Tessaly/tessaly2.ini");
}

TEST(SplitHomeFileLines, FollowsTheRecallsLineRules) {
  struct Case {
    const char* Name;
    std::string_view Bytes;
    HomeFileLines Lines;
  };
  const std::vector<Case> kCases{
      {"CR LF", kStandardFile, kStandardLines},
      {"LF only", "38\n0\n54\n0\n78\n38\n15\n0\n0\n1", kStandardLines},
      {"CR LF after the last line", "38\r\n0\r\n54\r\n0\r\n78\r\n38\r\n15\r\n0\r\n0\r\n1\r\n",
       kStandardLines},
      {"CR dropped wherever it stands", "3\r8\r\r\n0\n\r54\n0\n78\n38\n15\n0\n0\n1\r",
       kStandardLines},
      {"nine lines",
       "38\r\n0\r\n54\r\n0\r\n78\r\n38\r\n15\r\n0\r\n0\r\n",
       {"38", "0", "54", "0", "78", "38", "15", "0", "0", ""}},
      {"line 10 missing, no line end",
       "38\r\n0\r\n54\r\n0\r\n78\r\n38\r\n15\r\n0\r\n1",
       {"38", "0", "54", "0", "78", "38", "15", "0", "1", ""}},
      {"empty file", "", {}},
      {"first line too long",
       "1234\r\n0\r\n54\r\n0\r\n78\r\n38\r\n15\r\n0\r\n0\r\n1",
       {"123", "", "", "", "", "", "", "", "", ""}},
      {"three characters then CR LF",
       "100\r\n-59\r\n-5\r\n7",
       {"100", "-59", "-5", "7", "", "", "", "", "", ""}},
      {"three characters at the end", "1\n100", {"1", "100", "", "", "", "", "", "", "", ""}},
      {"empty lines read empty", "38\n\n54\n\n78", {"38", "", "54", "", "78", "", "", "", "", ""}},
      {"byte 26 ends the file",
       "38\r\n0\r\n54\x1a\r\n0\r\n78",
       {"38", "0", "54", "", "", "", "", "", "", ""}},
      {"byte 26 after the last line", "38\r\n0\r\n54\r\n0\r\n78\r\n38\r\n15\r\n0\r\n0\r\n1\x1a",
       kStandardLines},
      {"NUL is an ordinary byte",
       std::string_view{"\0\n5", 3},
       {std::string(1, '\0'), "5", "", "", "", "", "", "", "", ""}},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(SplitHomeFileLines(c.Bytes), c.Lines) << c.Name;
  }
}

TEST(LineInteger, SignAndDigitsAsFarAsTheyGo) {
  struct Case {
    const char* Line;
    std::int32_t Value;
  };
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::array<Case, 18> kCases{{
      {"0", 0},
      {"1", 1},
      {"007", 7},
      {"-5", -5},
      {"+7", 7},
      {" 7", 7},
      {"\t\v-3", -3},
      {"7x", 7},
      {"12 3", 12},
      {"x7", 0},
      {"", 0},
      {" ", 0},
      {"-", 0},
      {"+-1", 0},
      {"2147483647", kMax},
      {"-2147483648", kMin},
      {"99999999999999999999", kMax},
      {"-99999999999999999999", kMin},
  }};
  for (const Case& c : kCases) {
    EXPECT_EQ(LineInteger(c.Line), c.Value) << "'" << c.Line << "'";
  }
}

// "nothing", or how many bytes a load gave and the first of them.
std::string Summary(const std::optional<std::string>& contents) {
  constexpr std::size_t kShownBytes = 40;
  if (!contents) return "nothing";
  return std::to_string(contents->size()) + " bytes: " + contents->substr(0, kShownBytes);
}

// What LoadHomeFile gave, told by a child process: a reader that blocks or
// reads without end fails the test instead of hanging it or eating memory.
std::string LoadOutcome(const fs::path& path) {
  constexpr int kDeadlineMilliseconds = 3000;
  int ends[2];
  if (::pipe(ends) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    const std::string summary = Summary(LoadHomeFile(path.string()));
    const bool sent =
        ::write(ends[1], summary.data(), summary.size()) == static_cast<ssize_t>(summary.size());
    ::_exit(sent ? 0 : 1);
  }
  ::close(ends[1]);
  // A summary is shorter than PIPE_BUF: it arrives in one piece.
  std::string outcome = "no answer within 3 s";
  pollfd answer{ends[0], POLLIN, 0};
  char received[256];
  if (::poll(&answer, 1, kDeadlineMilliseconds) > 0) {
    const ssize_t count = ::read(ends[0], received, sizeof received);
    if (count > 0) outcome.assign(received, static_cast<std::size_t>(count));
  }
  ::close(ends[0]);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  return outcome;
}

TEST(LoadHomeFile, ReadsTheFirstBytesOfARegularFileAndNothingElse) {
  ScratchDirectory scratch;
  const fs::path regular = scratch.Path() / "regular";
  const std::string bytes{"38\r\n\0\x1a\xff", 7};
  WriteBytes(regular, bytes);
  const fs::path fifo = scratch.Path() / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // Sparse: 100 MB that cost no disk.
  const fs::path huge = scratch.Path() / "huge";
  WriteBytes(huge, kStandardFile);
  fs::resize_file(huge, 100'000'000);
  std::string huge_prefix(kStandardFile);
  huge_prefix.resize(kHomeFileReadLimitBytes, '\0');
  struct Case {
    const char* Name;
    fs::path Target;  // the home file is a link to it; none: the file itself is missing
    std::string Outcome;
  };
  const std::vector<Case> kCases{
      {"missing", {}, "nothing"},
      {"regular file, every byte kept", regular, Summary(bytes)},
      {"100 MB regular file", huge, Summary(huge_prefix)},
      {"directory", scratch.Path(), "nothing"},
      {"FIFO", fifo, "nothing"},
      {"empty device", "/dev/null", "nothing"},
      {"endless device", "/dev/zero", "nothing"},
  };
  for (const Case& c : kCases) {
    const fs::path home_file = scratch.Path() / "tessaly2.ini";
    fs::remove(home_file);
    if (!c.Target.empty()) fs::create_symlink(c.Target, home_file);
    EXPECT_EQ(LoadOutcome(home_file), c.Outcome) << c.Name;
  }
}

TEST(SaveHomeFile, CreatesTheDirectoriesAndWritesExactlyTheText) {
  ScratchDirectory scratch;
  const fs::path directory = scratch.Path() / "config" / "Tessaly";
  const fs::path file = directory / "tessaly2.ini";
  SaveHomeFile(file.string(), kStandardFile);
  EXPECT_EQ(ReadBytes(file), kStandardFile);
  // A shorter text leaves nothing of the longer one behind, nor a temporary.
  SaveHomeFile(file.string(), "1\r\n2");
  EXPECT_EQ(ReadBytes(file), "1\r\n2");
  EXPECT_EQ(Entries(directory), std::vector<std::string>{"tessaly2.ini"});
}

// The permission bits in octal, "0644".
std::string Mode(const fs::path& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) return "missing";
  char octal[8];
  std::snprintf(octal, sizeof octal, "%04o", static_cast<unsigned>(status.st_mode & 0777));
  return octal;
}

TEST(SaveHomeFile, KeepsTheFilesPermissionsAndGivesANewOneThoseOfAnyNewFile) {
  struct Case {
    const char* Name;
    std::optional<mode_t> Before;  // nothing: no file yet
    mode_t Umask;
    const char* After;
  };
  const std::array<Case, 4> kCases{{
      {"new file, umask 022", std::nullopt, 022, "0644"},
      {"new file, umask 077", std::nullopt, 077, "0600"},
      {"private file stays private", 0600, 022, "0600"},
      {"shared file stays shared whatever the umask", 0644, 077, "0644"},
  }};
  for (const Case& c : kCases) {
    ScratchDirectory scratch;
    const fs::path file = scratch.Path() / "tessaly2.ini";
    if (c.Before) {
      WriteBytes(file, "old");
      ::chmod(file.c_str(), *c.Before);
    }
    const mode_t saved_mask = ::umask(c.Umask);
    SaveHomeFile(file.string(), kStandardFile);
    ::umask(saved_mask);
    EXPECT_EQ(Mode(file), c.After) << c.Name;
    EXPECT_EQ(ReadBytes(file), kStandardFile) << c.Name;
  }
}

TEST(SaveHomeFile, WritesThroughLinksAndKeepsThem) {
  struct Case {
    const char* Name;
    std::vector<std::string> Links;  // from the home file on, each naming the next
    bool TargetExists;
  };
  const std::vector<Case> kCases{
      {"relative link", {"../dotfiles/tessaly2.ini"}, true},
      {"absolute link", {"<absolute>"}, true},
      {"link to a link", {"../dotfiles/second", "tessaly2.ini"}, true},
      {"link to a file not yet made", {"../dotfiles/tessaly2.ini"}, false},
  };
  for (const Case& c : kCases) {
    ScratchDirectory scratch;
    const fs::path home = scratch.Path() / "Tessaly";
    const fs::path dotfiles = scratch.Path() / "dotfiles";
    fs::create_directories(home);
    fs::create_directories(dotfiles);
    const fs::path target = dotfiles / "tessaly2.ini";
    if (c.TargetExists) {
      WriteBytes(target, "old");
      ::chmod(target.c_str(), 0640);
    }
    fs::path link = home / "tessaly2.ini";
    for (const std::string& next : c.Links) {
      fs::create_symlink(next == "<absolute>" ? target : fs::path(next), link);
      link = link.parent_path() / next;
    }

    SaveHomeFile((home / "tessaly2.ini").string(), kStandardFile);

    EXPECT_EQ(ReadBytes(target), kStandardFile) << c.Name;
    EXPECT_TRUE(fs::is_symlink(home / "tessaly2.ini")) << c.Name;
    EXPECT_EQ(Entries(home), std::vector<std::string>{"tessaly2.ini"}) << c.Name;
    if (c.TargetExists) {
      EXPECT_EQ(Mode(target), "0640") << c.Name;
    }
  }
}

// Lets no file grow beyond `bytes` while it lives, as a full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    saved_handler_ = std::signal(SIGXFSZ, SIG_IGN);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, saved_handler_);
  }

 private:
  rlimit saved_{};
  void (*saved_handler_)(int) = nullptr;
};

// Every entry under `directory` with its permission bits and its bytes or
// link target, sorted: what a refused save must leave as it found it.
std::vector<std::string> Tree(const fs::path& directory) {
  std::vector<std::string> tree;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(directory)) {
    const std::string what = entry.is_symlink()        ? "-> " + fs::read_symlink(entry).string()
                             : entry.is_regular_file() ? ReadBytes(entry.path())
                                                       : "/";
    tree.push_back(entry.path().lexically_relative(directory).string() + " " + Mode(entry) + " " +
                   what);
  }
  std::sort(tree.begin(), tree.end());
  return tree;
}

TEST(SaveHomeFile, RefusedSaveNamesFileAndReasonAndChangesNothing) {
  ScratchDirectory scratch;
  const fs::path root = scratch.Path();
  fs::create_directories(root / "read-only");
  WriteBytes(root / "read-only" / "tessaly2.ini", kStandardFile);
  ::chmod((root / "read-only" / "tessaly2.ini").c_str(), 0444);
  fs::create_directories(root / "loop");
  fs::create_symlink("tessaly2.ini", root / "loop" / "tessaly2.ini");
  WriteBytes(root / "Tessaly", "not a directory");
  fs::create_directories(root / "full");
  WriteBytes(root / "full" / "tessaly2.ini", kStandardFile);
  struct Case {
    const char* File;
    const char* Reason;
    rlim_t SizeLimit;  // file size limit during the save
  };
  const std::array<Case, 5> kCases{{
      {"read-only/tessaly2.ini", "File is read-only", RLIM_INFINITY},
      {"loop/tessaly2.ini", "Too many levels of symbolic links", RLIM_INFINITY},
      {"Tessaly/tessaly2.ini", "Not a directory", RLIM_INFINITY},
      {"Tessaly/sub/tessaly2.ini", "Not a directory", RLIM_INFINITY},
      {"full/tessaly2.ini", "File too large", 8},
  }};
  for (const Case& c : kCases) {
    const std::vector<std::string> before = Tree(root);
    const std::string file = (root / c.File).string();
    std::string error;
    {
      const FileSizeLimit limit(c.SizeLimit);
      error = SaveError(file, "41\r\n43\r\n45\r\n1\r\n72\r\n42\r\n30\r\n1\r\n1\r\n0");
    }
    EXPECT_EQ(error, "Cannot save the home file " + file + ": " + c.Reason);
    EXPECT_EQ(Tree(root), before) << c.File;
  }
}

// A save killed in the middle of its write, as SIGXFSZ kills a process that
// writes beyond its file size limit.
TEST(SaveHomeFile, KilledDuringTheWriteLeavesTheOldFileAndNoTemporary) {
  for (const bool old_file_exists : {true, false}) {
    ScratchDirectory scratch;
    const fs::path file = scratch.Path() / "tessaly2.ini";
    if (old_file_exists) WriteBytes(file, kStandardFile);
    const pid_t child = ::fork();
    if (child == 0) {
      const rlimit no_core{0, 0};
      ::setrlimit(RLIMIT_CORE, &no_core);
      const rlimit eight_bytes{8, 8};
      ::setrlimit(RLIMIT_FSIZE, &eight_bytes);
      std::signal(SIGXFSZ, SIG_DFL);
      SaveHomeFile(file.string(), "41\r\n43\r\n45\r\n1\r\n72\r\n42\r\n30\r\n1\r\n1\r\n0");
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "save not killed";
    const std::vector<std::string> entries = Entries(scratch.Path());
    if (old_file_exists) {
      EXPECT_EQ(entries, std::vector<std::string>{"tessaly2.ini"});
      EXPECT_EQ(ReadBytes(file), kStandardFile);
    } else {
      EXPECT_EQ(entries, std::vector<std::string>{});
    }
  }
}

}  // namespace
}  // namespace tessaly

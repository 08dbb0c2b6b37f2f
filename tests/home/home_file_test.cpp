// The home file's text, how the recall splits it into lines and numbers, and
// how it is loaded and replaced on disk.
#include "home/home_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <array>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "geo/error.h"

namespace tessaly {
namespace {

namespace fs = std::filesystem;

// A fresh directory for each test, removed afterwards.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    std::string pattern = ::testing::TempDir() + "tessaly-home-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

std::string ReadBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

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
  EXPECT_EQ(HomeFileText({38, 0, 54, 0, 78, 38, 15, 0, 0, 1}), kStandardFile);
  EXPECT_EQ(HomeFileText({-5, 7, 60, 1, 179, 0, -2147483647 - 1, 1, 1, 0}),
            "-5\r\n7\r\n60\r\n1\r\n179\r\n0\r\n-2147483648\r\n1\r\n1\r\n0");
  EXPECT_EQ(HomeFilePathIn("/home/ham/.config/Tessaly"), "/home/ham/.config/Tessaly/tessaly2.ini");
}

TEST(SplitHomeFileLines, FollowsTheRecallsLineRules) {
  struct Case {
    const char* name;
    std::string_view bytes;
    HomeFileLines lines;
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
      {"hemispheres 7 and -5",
       "38\r\n0\r\n54\r\n7\r\n78\r\n38\r\n15\r\n-5\r\n0\r\n1",
       {"38", "0", "54", "7", "78", "38", "15", "-5", "0", "1"}},
      {"NUL is an ordinary byte",
       std::string_view{"\0\n5", 3},
       {std::string(1, '\0'), "5", "", "", "", "", "", "", "", ""}},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(SplitHomeFileLines(c.bytes), c.lines) << c.name;
  }
}

TEST(LineInteger, SignAndDigitsAsFarAsTheyGo) {
  struct Case {
    const char* line;
    std::int32_t value;
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
    EXPECT_EQ(LineInteger(c.line), c.value) << "'" << c.line << "'";
  }
}

TEST(LoadHomeFile, GivesTheBytesOrNothing) {
  ScratchDirectory scratch;
  const fs::path file = scratch.Path() / "tessaly2.ini";
  EXPECT_EQ(LoadHomeFile(file.string()), std::nullopt) << "missing file";
  EXPECT_EQ(LoadHomeFile(scratch.Path().string()), std::nullopt) << "a directory";
  const std::string bytes{"38\r\n\0\x1a\xff", 7};
  WriteBytes(file, bytes);
  EXPECT_EQ(LoadHomeFile(file.string()), bytes);
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

TEST(SaveHomeFile, GivesTheFileTheModeOfAnyNewFile) {
  ScratchDirectory scratch;
  const fs::path file = scratch.Path() / "tessaly2.ini";
  const mode_t saved_mask = ::umask(022);
  SaveHomeFile(file.string(), kStandardFile);
  ::umask(saved_mask);
  EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write |
                                                fs::perms::group_read | fs::perms::others_read);
}

TEST(SaveHomeFile, DirectoryThatCannotBeMadeIsReportedWithPathAndReason) {
  ScratchDirectory scratch;
  const fs::path regular = scratch.Path() / "Tessaly";
  WriteBytes(regular, "not a directory");
  struct Case {
    const char* name;
    fs::path file;
  };
  const std::array<Case, 2> kCases{{
      {"directory is a regular file", regular / "tessaly2.ini"},
      {"directory under a regular file", regular / "sub" / "tessaly2.ini"},
  }};
  for (const Case& c : kCases) {
    EXPECT_EQ(SaveError(c.file.string(), kStandardFile),
              "Cannot save the home file " + c.file.string() + ": Not a directory")
        << c.name;
  }
  EXPECT_EQ(ReadBytes(regular), "not a directory");
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

TEST(SaveHomeFile, WriteThatRunsOutOfSpaceKeepsTheOldFileWhole) {
  ScratchDirectory scratch;
  const fs::path file = scratch.Path() / "tessaly2.ini";
  WriteBytes(file, kStandardFile);
  std::string error;
  {
    const FileSizeLimit limit(8);
    error = SaveError(file.string(), "41\r\n43\r\n45\r\n1\r\n72\r\n42\r\n30\r\n1\r\n1\r\n0");
  }
  EXPECT_EQ(error, "Cannot save the home file " + file.string() + ": File too large");
  EXPECT_EQ(ReadBytes(file), kStandardFile);
  EXPECT_EQ(Entries(scratch.Path()), std::vector<std::string>{"tessaly2.ini"});
}

}  // namespace
}  // namespace tessaly

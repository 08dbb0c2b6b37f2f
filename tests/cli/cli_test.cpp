// SPDX-License-Identifier: GPL-3.0-or-later
// tessaly-cli as a user runs it: what each command answers, to the byte,
// the window's figures for the same places, batch lines that fail alone,
// and logs that are written whole or not at all.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/json_line.h"
#include "cli/position_argument.h"
#include "tests/support/worked_paths.h"

namespace tessaly {
namespace {

namespace fs = std::filesystem;

struct CliRun {
  int Status;
  std::string Out, Err;
};

CliRun RunWith(const std::vector<std::string>& arguments, const std::string& input = "") {
  MemorySource in(input);
  StringSink out, err;
  const int status = RunCli(arguments, {in, out, err});
  return {status, out.Text(), err.Text()};
}

TEST(ReadCoordinate, ReadsDecimalAndSexagesimalFormsAndNothingElse) {
  struct Case {
    std::string Text;
    Axis Of;
    std::optional<double> Degrees;
  };
  const Case cases[] = {
      {"41.7144", Axis::Latitude, 41.7144},
      {"-72.7275", Axis::Longitude, -72.7275},
      {"72.7275W", Axis::Longitude, -72.7275},
      {"41:42:36N", Axis::Latitude, 41.71},
      {"33:52:30.5S", Axis::Latitude, -(33 + 52 / 60.0 + 30.5 / 3600)},
      {"41d42m36sN", Axis::Latitude, 41.71},
      {"41\xC2\xB0"
       "42'36\"N",
       Axis::Latitude, 41.71},
      {"-41:42", Axis::Latitude, -41.7},
      {"41:42:36E", Axis::Latitude, std::nullopt},  // a longitude's letter
      {"41:60:00N", Axis::Latitude, std::nullopt},  // 60 minutes
      {"91", Axis::Latitude, std::nullopt},
      {"181W", Axis::Longitude, std::nullopt},
      {"41.5:30N", Axis::Latitude, std::nullopt},  // decimals only in the last part
      {"--5", Axis::Latitude, std::nullopt},
      {"inf", Axis::Latitude, std::nullopt},
      {"FN31", Axis::Latitude, std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<double> read = ReadCoordinate(c.Text, c.Of);
    ASSERT_EQ(read.has_value(), c.Degrees.has_value()) << c.Text;
    if (read) {
      EXPECT_NEAR(*read, *c.Degrees, 1e-12) << c.Text;
    }
  }
}

TEST(JsonString, EscapesWhatJsonMustAndReadsOtherBytesAsLatin1) {
  EXPECT_EQ(JsonString("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\u000a\\u0001\"");
  EXPECT_EQ(JsonString("J\xFCrg"), "\"J\\u00fcrg\"");
}

TEST(RunCli, AnswersEachCommandToTheByte) {
  struct Case {
    std::vector<std::string> Arguments;
    std::string Input;
    int Status;
    std::string Out, Err;
  };
  const Case cases[] = {
      {{"locate", "41.7144", "-72.7275"}, "", 0, "FN31pr\n", ""},
      {{"locate", "41:42:52N", "72:43:37W", "--precision", "8"}, "", 0, "FN31pr21\n", ""},
      {{"--json", "locate", "72.7275W", "41.7144N"},
       "",
       0,
       "{\"lat\":41.7144000,\"lon\":-72.7275000,\"locator\":\"FN31pr\"}\n",
       ""},
      {{"decode", "fn31PR"},
       "",
       0,
       "FN31pr centre 41.7291667 -72.7083333 (41:43:45N 72:42:30W) south-west 41.7083333 "
       "-72.7500000 north-east 41.7500000 -72.6666667 size 0.0416667 x 0.0833333\n",
       ""},
      {{"decode"},
       "FN31\nXX00\n",
       1,
       "FN31 centre 41.5000000 -73.0000000 (41:30:00N 73:00:00W) south-west 41.0000000 "
       "-74.0000000 north-east 42.0000000 -72.0000000 size 1.0000000 x 2.0000000\n"
       "error: line 2: 'XX00' is no locator\n",
       ""},
      {{"path", "--json"},
       "FN31pr JO62qm\n\nFN31pr\n",
       1,
       "{\"from\":\"FN31pr\",\"to\":\"JO62qm\",\"distance\":6243.9,\"heading\":47.1,"
       "\"reverse\":296.1,\"long_heading\":227.1,\"long_distance\":33784.1,\"unit\":\"km\"}\n"
       "{\"line\":2,\"error\":\"give two places: locators or positions\"}\n"
       "{\"line\":3,\"error\":\"give two places: locators or positions\"}\n",
       ""},
      {{"locate", "95", "10"}, "", 1, "", "tessaly-cli: error: '95 10' is no position\n"},
      {{"path", "FN31pr", "JO62qm", "--unit", "ft"},
       "",
       2,
       "",
       "tessaly-cli: --unit: ft not in {km,mi}\nTry 'tessaly-cli --help' for more information.\n"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunWith(c.Arguments, c.Input);
    EXPECT_EQ(run.Status, c.Status) << c.Arguments.front();
    EXPECT_EQ(run.Out, c.Out);
    EXPECT_EQ(run.Err, c.Err);
  }
  EXPECT_TRUE(RunWith({"--version"}).Out.starts_with("tessaly-cli "));
}

// The same places typed into the window and given to path: the same texts.
TEST(RunCli, PathGivesTheWindowsFiguresForTheWorkedPaths) {
  const auto coordinate = [](const std::string& typed) {
    std::istringstream words(typed);
    std::string degrees, minutes, seconds, hemisphere;
    words >> degrees >> minutes >> seconds >> hemisphere;
    return degrees + ":" + minutes + ":" + seconds + hemisphere;
  };
  for (const WorkedPath& path : kWorkedPaths) {
    const std::vector<std::string> places = {coordinate(path.FromLat), coordinate(path.FromLon),
                                             coordinate(path.ToLat), coordinate(path.ToLon)};
    const std::string headings = path.HeadingsText.substr(1);  // " 90.0  :  270.0"
    const std::string forward = headings.substr(0, headings.find(' '));
    const std::string reverse = headings.substr(headings.rfind(' ') + 1);
    for (const bool miles : {false, true}) {
      std::vector<std::string> arguments = {"path"};
      arguments.insert(arguments.end(), places.begin(), places.end());
      arguments.insert(arguments.end(), {"--unit", miles ? "mi" : "km"});
      const std::string distance = (miles ? path.Miles : path.Kilometres).substr(1);
      EXPECT_TRUE(RunWith(arguments).Out.starts_with("distance " + distance +
                                                     (miles ? " mi" : " km") + "  heading " +
                                                     forward + "  reverse " + reverse))
          << path.HeadingsText << ": " << RunWith(arguments).Out;
    }
  }
}

class RunCliLogTest : public ::testing::Test {
 protected:
  RunCliLogTest() {
    std::string pattern = (fs::temp_directory_path() / "tessaly-cli-XXXXXX").string();
    directory_ = ::mkdtemp(pattern.data());
  }
  ~RunCliLogTest() override { fs::remove_all(directory_); }
  std::string PathOf(const std::string& name) const { return (directory_ / name).string(); }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(PathOf(name), std::ios::binary) << text;
  }
  std::string Read(const std::string& name) const {
    std::ifstream file(PathOf(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory_))
      names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  fs::path directory_;
};

TEST_F(RunCliLogTest, WritesTheLogWholeOrNotAtAll) {
  const std::string log = "<CALL:5>DL1AB <GRIDSQUARE:6>JO62qm <EOR>\n<CALL:4>K1XX <EOR>\n";
  Write("log.adi", log);
  CliRun run = RunWith({"adif", PathOf("log.adi"), "--home", "FN31pr", "-o", PathOf("log.adi")});
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(Read("log.adi"),
            "<CALL:5>DL1AB <GRIDSQUARE:6>JO62qm <DISTANCE:6>6243.9 <APP_TESSALY_HEADING:4>47.1 "
            "<EOR>\n<CALL:4>K1XX <EOR>\n");
  EXPECT_EQ(run.Err, "tessaly-cli: " + PathOf("log.adi") +
                         ": 2 QSOs: 1 with fields added, 0 with fields replaced, 0 kept as they "
                         "were (1 no GRIDSQUARE)\n");

  // A broken log: a message with the record and the byte, the old output
  // untouched and nothing left beside it.
  Write("broken.adi", log + "<CALL:9>W1AW <BAND:3>20m <EOR>\n");
  Write("out.adi", "old");
  run = RunWith({"adif", PathOf("broken.adi"), "-o", PathOf("out.adi")});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Err, "tessaly-cli: " + PathOf("broken.adi") +
                         ": record 3 at byte 60: the data of 'CALL' runs into the tag at byte 73: "
                         "is its length 9 right?\n");
  EXPECT_EQ(Read("out.adi"), "old");
  EXPECT_EQ(Names(), (std::vector<std::string>{"broken.adi", "log.adi", "out.adi"}));

  run = RunWith({"adif", directory_.string()});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Err, "tessaly-cli: " + directory_.string() + ": Is a directory\n");
}

TEST_F(RunCliLogTest, SumsALogUpInJson) {
  Write("log.adi",
        "<CALL:5>DL1AB <GRIDSQUARE:6>JO62qm <BAND:3>20m <EOR>\n<CALL:4>K1XX <BAND:3>40m <EOR>\n");
  const CliRun run =
      RunWith({"adif", PathOf("log.adi"), "--summary", "--json", "--home", "FN31pr"});
  EXPECT_EQ(
      run.Out,
      "{\"qsos\":2,\"with_distance\":1,\"skipped\":{\"no GRIDSQUARE\":1},\"grid_count\":1,"
      "\"grids\":[\"JO62\"],\"longest\":{\"call\":\"DL1AB\",\"grid\":\"JO62qm\",\"distance\":"
      "6243.9,\"record\":1},\"bands\":{\"20m\":{\"qsos\":1,\"grid_count\":1,\"grids\":["
      "\"JO62\"],\"longest\":{\"call\":\"DL1AB\",\"grid\":\"JO62qm\",\"distance\":6243.9,"
      "\"record\":1}},\"40m\":{\"qsos\":1,\"grid_count\":0,\"grids\":[],\"longest\":null}}}\n");
}

}  // namespace
}  // namespace tessaly

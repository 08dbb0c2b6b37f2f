// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/background_sync.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace tessaly {
namespace {

// Each kind of descriptor, synced on request or not: what Finish reports.
TEST(BackgroundSync, FinishReportsTheSyncsAskedForThatFailed) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(::write(::fileno(file), "QSO", 3), 3);
  int pipe_ends[2];
  ASSERT_EQ(::pipe(pipe_ends), 0);

  struct Case {
    const char* What;
    int Descriptor;
    int Requests;
    int Finished;  // errno
  } const cases[] = {
      {"a file written to", ::fileno(file), 1, 0},
      {"a file, asked again and again", ::fileno(file), 3, 0},
      {"a pipe, which cannot be synced", pipe_ends[1], 1, EINVAL},
      {"a pipe never asked for a sync", pipe_ends[1], 0, 0},
      {"no descriptor at all", -1, 2, EBADF},
  };
  for (const Case& c : cases) {
    BackgroundSync sync(c.Descriptor);
    for (int request = 0; request < c.Requests; ++request) sync.Request();
    EXPECT_EQ(sync.Finish(), c.Finished) << c.What;
    sync.Request();  // after Finish: nothing more is synced
    EXPECT_EQ(sync.Finish(), c.Finished) << c.What;
  }
  ::close(pipe_ends[0]);
  ::close(pipe_ends[1]);
  std::fclose(file);
}

}  // namespace
}  // namespace tessaly

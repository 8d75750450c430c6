// Child processes: arguments and streams reach the child, exit statuses and
// signals come back from whichever child ends, a stopped child is reported
// as such, and a program that cannot start is an error, not a child.
#include "platform/process.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "tests/platform/tempdir.h"

namespace {

TEST(Process, ArgumentsAndStreamsReachTheChildAndItsStatusComesBack) {
  testutil::TempDir dir;
  testutil::WriteFile(dir / "in", "from the parent\n");
  platform::ChildStreams streams;
  streams.input = dir / "in";
  streams.output = dir / "out";
  streams.error = dir / "err";
  std::string error;
  const platform::ProcessId id = platform::StartProcess(
      {"/bin/sh", "-c", "cat; echo \"$1\"; echo to-err >&2; exit 3", "sh", "an argument"}, streams,
      error);
  ASSERT_NE(id, platform::kNoProcess) << error;
  int status = 0;
  EXPECT_EQ(platform::WaitForAnyProcess(status), id);
  EXPECT_EQ(status, 3);
  EXPECT_EQ(testutil::ReadFile(dir / "out"), "from the parent\nan argument\n");
  EXPECT_EQ(testutil::ReadFile(dir / "err"), "to-err\n");
  EXPECT_EQ(platform::WaitForAnyProcess(status), platform::kNoProcess);
}

TEST(Process, EachOfSeveralChildrenIsWaitedForOnceAndASignalledOneSaysSo) {
  std::string error;
  const platform::ProcessId quick = platform::StartProcess({"/bin/sh", "-c", "exit 1"}, {}, error);
  const platform::ProcessId slow =
      platform::StartProcess({"/bin/sh", "-c", "kill -TERM $$"}, {}, error);
  ASSERT_NE(quick, platform::kNoProcess) << error;
  ASSERT_NE(slow, platform::kNoProcess) << error;
  std::set<platform::ProcessId> ended;
  int statuses[2] = {};
  for (int& status : statuses) ended.insert(platform::WaitForAnyProcess(status));
  EXPECT_EQ(ended, (std::set<platform::ProcessId>{quick, slow}));
  EXPECT_TRUE((statuses[0] == 1 && statuses[1] == -1) || (statuses[0] == -1 && statuses[1] == 1));
}

TEST(Process, AProgramThatIsNotThereIsAnErrorNamingIt) {
  std::string error;
  EXPECT_EQ(platform::StartProcess({"/nonexistent/program"}, {}, error), platform::kNoProcess);
  EXPECT_NE(error.find("/nonexistent/program"), std::string::npos) << error;
  EXPECT_EQ(platform::StartProcess({}, {}, error), platform::kNoProcess);
}

TEST(Process, ScratchFolderIsPrivateAndGoesWithItsFiles) {
  testutil::TempDir dir;
  testutil::ScopedEnv tmp("TMPDIR", dir.path().c_str());
  const std::string scratch = platform::MakeScratchFolder("wirsel-test-");
  ASSERT_FALSE(scratch.empty());
  EXPECT_EQ(scratch.rfind(dir.path() + "/wirsel-test-", 0), 0u) << scratch;
  testutil::WriteFile(scratch + "/a", "x");
  platform::RemoveScratchFolder(scratch);
  EXPECT_FALSE(std::filesystem::exists(scratch));
  EXPECT_FALSE(platform::OwnExecutablePath().empty());
  EXPECT_GE(platform::CoreCount(), 1u);
}

}  // namespace

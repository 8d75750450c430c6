// The one writer where the command-line tests (tests/host/files, which also
// fail every writer through the fault switch) do not reach: dangling links
// and loops, FIFOs written directly, stale temporaries of killed writers, the
// output check and the update lock.
#include "platform/safe_file.h"

#include <errno.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <thread>

#include "tests/platform/tempdir.h"

namespace {

using testutil::ReadFile;
using testutil::TempDir;
using testutil::WriteFile;

int Write(const std::string& path, const std::string& bytes, unsigned mode = 0666) {
  return platform::WriteFileReplacing(path.c_str(), bytes.data(), bytes.size(), mode);
}

TEST(WriteFileReplacing, LinksAreFollowedEvenWhenDangling) {
  TempDir dir;
  WriteFile(dir / "target", "old");
  ASSERT_EQ(symlink("target", (dir / "link").c_str()), 0);
  ASSERT_EQ(symlink("link", (dir / "chain").c_str()), 0);
  ASSERT_EQ(Write(dir / "chain", "through two links"), 0);
  EXPECT_EQ(ReadFile(dir / "target"), "through two links");
  ASSERT_EQ(symlink("later", (dir / "dangling").c_str()), 0);
  ASSERT_EQ(Write(dir / "dangling", "created"), 0);
  EXPECT_EQ(ReadFile(dir / "later"), "created");
  struct stat st;
  ASSERT_EQ(lstat((dir / "dangling").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(symlink("loop", (dir / "loop").c_str()), 0);
  EXPECT_EQ(Write(dir / "loop", "x"), ELOOP);
}

TEST(WriteFileReplacing, FifoIsWrittenDirectlyNeverReplaced) {
  TempDir dir;
  const std::string fifo = dir / "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string got;
  std::thread reader([&] { got = ReadFile(fifo); });
  EXPECT_EQ(Write(fifo, "through the pipe"), 0);
  reader.join();
  EXPECT_EQ(got, "through the pipe");
  struct stat st;
  ASSERT_EQ(lstat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_EQ(Write(dir.path(), "x"), EISDIR);
}

TEST(WriteFileReplacing, TemporariesOfKilledWritersAreRemovedByTheNextWrite) {
  TempDir dir;
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);  // a process id that no longer runs
  const std::string stale = dir / (".wirsel-" + std::to_string(child) + "-abcdefghij.tmp");
  const std::string alive = dir / (".wirsel-" + std::to_string(getppid()) + "-abcdefghij.tmp");
  WriteFile(stale, "half");
  WriteFile(alive, "busy");
  WriteFile(dir / "user.dic.tmp", "not ours");
  ASSERT_EQ(Write(dir / "doc", "x"), 0);
  EXPECT_EQ(dir.List(),
            (std::set<std::string>{"doc", "user.dic.tmp", ".wirsel-" + std::to_string(getppid()) +
                                                               "-abcdefghij.tmp"}));
}

TEST(CheckWritable, SaysWhyBeforeAnyWork) {
  TempDir dir;
  WriteFile(dir / "file", "x");
  EXPECT_EQ(platform::CheckWritable((dir / "new").c_str()), 0);
  EXPECT_EQ(platform::CheckWritable((dir / "file").c_str()), 0);
  EXPECT_EQ(platform::CheckWritable((dir / "missing/new").c_str()), ENOENT);
  EXPECT_EQ(platform::CheckWritable((dir / "file/new").c_str()), ENOTDIR);
  EXPECT_EQ(platform::CheckWritable(dir.path().c_str()), EISDIR);
  EXPECT_EQ(platform::CheckWritable("/dev/null"), 0);
}

TEST(LockForUpdate, SecondProcessWaitsUntilTheFirstUnlocks) {
  TempDir dir;
  platform::UpdateLock lock;
  ASSERT_EQ(platform::LockForUpdate((dir / "user.dic").c_str(), &lock), 0);
  const pid_t child = fork();
  if (child == 0) {
    close(lock.fd);  // the parent's lock is not the child's to hold
    platform::UpdateLock second;
    platform::LockForUpdate((dir / "user.dic").c_str(), &second);
    WriteFile(dir / "order", ReadFile(dir / "order") + "child");
    _exit(0);
  }
  usleep(100000);
  WriteFile(dir / "order", "parent,");
  platform::Unlock(&lock);
  waitpid(child, nullptr, 0);
  EXPECT_EQ(ReadFile(dir / "order"), "parent,child");
}

}  // namespace

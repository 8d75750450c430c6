// Files: existence, the writability probe, read-only bits, copies that fail
// half way, paths. Copying settings and moving files out of a read-only
// folder are in tests/shell/settings_test.cpp.
#include "platform/files.h"

#include <errno.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <string>

#include "tests/platform/tempdir.h"

namespace {

using testutil::ReadFile;
using testutil::ScopedEnv;
using testutil::TempDir;
using testutil::WriteFile;

mode_t ModeOf(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(FileExists, OnlyReadableRegularFiles) {
  TempDir dir;
  WriteFile(dir / "a.ini", "x");
  mkdir((dir / "Wirsel13.ini").c_str(), 0700);
  EXPECT_TRUE(platform::FileExists((dir / "a.ini").c_str()));
  EXPECT_FALSE(platform::FileExists((dir / "Wirsel13.ini").c_str()));
  EXPECT_FALSE(platform::FileExists((dir / "missing").c_str()));
  EXPECT_FALSE(platform::FileExists(""));
  EXPECT_FALSE(platform::FileExists(nullptr));
  EXPECT_FALSE(platform::FileExists(("/" + std::string(5000, 'a')).c_str()));
}

TEST(FolderWritable, ProbeLeavesNothingAndSparesUserFiles) {
  TempDir dir;
  // Files a careless probe could take for its own.
  WriteFile(dir / "_ppFileName.txt", "user");
  WriteFile(dir / "__xxXXXxx__.test", "user");
  for (int n = 0; n < 20; ++n) {
    WriteFile(dir / (".wirsel-probe." + std::to_string(getpid()) + "." + std::to_string(n) + ".tmp"), "user");
  }
  auto before = dir.List();
  EXPECT_TRUE(platform::FolderWritable(dir.path().c_str()));
  EXPECT_TRUE(platform::FolderWritable((dir.path() + "/").c_str()));
  EXPECT_EQ(dir.List(), before);
  for (const std::string& name : before) EXPECT_EQ(ReadFile(dir / name), "user") << name;
}

TEST(FolderWritable, EmptyFolderIsTheCurrentOneAndFilesAreNone) {
  TempDir dir;
  char old[PATH_MAX];
  ASSERT_NE(getcwd(old, sizeof old), nullptr);
  ASSERT_EQ(chdir(dir.path().c_str()), 0);
  EXPECT_TRUE(platform::FolderWritable(""));
  {
    ScopedEnv env("WIRSEL_READONLY_DIRS", ".");
    EXPECT_FALSE(platform::FolderWritable(""));
  }
  ASSERT_EQ(chdir(old), 0);
  EXPECT_TRUE(dir.List().empty());
  WriteFile(dir / "file", "x");
  EXPECT_FALSE(platform::FolderWritable((dir / "missing").c_str()));
  EXPECT_FALSE(platform::FolderWritable((dir / "file").c_str()));
  EXPECT_FALSE(platform::FolderWritable(nullptr));
}

TEST(FolderWritable, EnvironmentListMarksFoldersReadOnly) {
  TempDir a, b;
  std::string list = "/nonexistent:" + a.path() + "///:";
  ScopedEnv env("WIRSEL_READONLY_DIRS", list.c_str());
  EXPECT_TRUE(platform::FolderForcedReadOnly(a.path().c_str()));
  EXPECT_TRUE(platform::FolderForcedReadOnly((a.path() + "/").c_str()));
  EXPECT_FALSE(platform::FolderWritable(a.path().c_str()));
  EXPECT_TRUE(platform::FolderWritable(b.path().c_str()));
  EXPECT_FALSE(platform::FolderForcedReadOnly((a.path() + "x").c_str()));
  WriteFile(b / "src", "data");
  EXPECT_EQ(platform::CopyFileOver((b / "src").c_str(), (a / "dst").c_str()), EACCES);
  EXPECT_EQ(platform::CopyFileNew((b / "src").c_str(), (a / "dst").c_str()), EACCES);
  EXPECT_TRUE(a.List().empty());
}

TEST(ReadOnly, ClearingAddsOwnerWriteAndKeepsTheRest) {
  TempDir dir;
  std::string file = dir / "user.dic";
  WriteFile(file, "words");
  chmod(file.c_str(), 0444);
  platform::ClearReadOnly(file.c_str());
  EXPECT_EQ(ModeOf(file), 0644u);
  chmod(file.c_str(), 0640);
  platform::ClearReadOnly(file.c_str());
  EXPECT_EQ(ModeOf(file), 0640u);
  platform::ClearReadOnly((dir / "missing").c_str());
}

TEST(CopyFileOver, FailureHalfWayLeavesTheOldDestination) {
  TempDir dir;
  WriteFile(dir / "src", std::string(100000, 'n'));
  WriteFile(dir / "dst", "old settings");
  platform::FailWritesAfter(5000);
  int error = platform::CopyFileOver((dir / "src").c_str(), (dir / "dst").c_str());
  platform::FailWritesAfter(-1);
  EXPECT_EQ(error, ENOSPC);
  EXPECT_EQ(ReadFile(dir / "dst"), "old settings");
  EXPECT_EQ(dir.List(), (std::set<std::string>{"src", "dst"}));
}

TEST(CopyFileOver, BadSourcesChangeNothing) {
  TempDir dir;
  WriteFile(dir / "dst", "keep");
  mkdir((dir / "folder").c_str(), 0700);
  EXPECT_EQ(platform::CopyFileOver((dir / "missing").c_str(), (dir / "dst").c_str()), ENOENT);
  EXPECT_EQ(platform::CopyFileOver((dir / "folder").c_str(), (dir / "dst").c_str()), EISDIR);
  EXPECT_EQ(ReadFile(dir / "dst"), "keep");
  EXPECT_EQ(dir.List(), (std::set<std::string>{"folder", "dst"}));
}

TEST(CopyFileNew, FailureHalfWayLeavesNoFile) {
  TempDir dir;
  WriteFile(dir / "src", std::string(100000, 'n'));
  platform::FailWritesAfter(100);
  int error = platform::CopyFileNew((dir / "src").c_str(), (dir / "dst").c_str());
  platform::FailWritesAfter(-1);
  EXPECT_EQ(error, ENOSPC);
  EXPECT_EQ(dir.List(), (std::set<std::string>{"src"}));
}

TEST(PathJoin, InsertsOneSeparatorAndNeverTruncates) {
  char out[16];
  ASSERT_TRUE(platform::PathJoin(out, sizeof out, "/a/b", "c.ini"));
  EXPECT_STREQ(out, "/a/b/c.ini");
  ASSERT_TRUE(platform::PathJoin(out, sizeof out, "/a/b/", "c.ini"));
  EXPECT_STREQ(out, "/a/b/c.ini");
  ASSERT_TRUE(platform::PathJoin(out, sizeof out, "", "c.ini"));
  EXPECT_STREQ(out, "c.ini");
  ASSERT_TRUE(platform::PathJoin(out, sizeof out, "/123456789", "abcd"));  // exactly 15
  EXPECT_STREQ(out, "/123456789/abcd");
  EXPECT_FALSE(platform::PathJoin(out, sizeof out, "/123456789", "abcde"));
  EXPECT_STREQ(out, "");
}

TEST(FolderOf, BothTrailingConventions) {
  char out[16];
  ASSERT_TRUE(platform::FolderOf("/x/y/z.ini", out, sizeof out, true));
  EXPECT_STREQ(out, "/x/y/");
  ASSERT_TRUE(platform::FolderOf("/x/y/z.ini", out, sizeof out, false));
  EXPECT_STREQ(out, "/x/y");
  ASSERT_TRUE(platform::FolderOf("/z.ini", out, sizeof out, false));
  EXPECT_STREQ(out, "/");
  ASSERT_TRUE(platform::FolderOf("z.ini", out, sizeof out, true));
  EXPECT_STREQ(out, "");
  EXPECT_FALSE(platform::FolderOf("/0123456789abcdef/z", out, sizeof out, true));
  EXPECT_STREQ(platform::FileNameOf("/x/y/z.ini"), "z.ini");
  EXPECT_STREQ(platform::FileNameOf("z.ini"), "z.ini");
  EXPECT_STREQ(platform::FileNameOf("/x/"), "");
}

}  // namespace

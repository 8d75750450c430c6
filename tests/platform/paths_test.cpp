// Folders: the per-user data folder, the host folder and module paths.
#include "platform/paths.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <math.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <string>

#include "tests/platform/tempdir.h"

namespace {

using testutil::ScopedEnv;
using testutil::TempDir;

std::string UserFolder() {
  char out[PATH_MAX];
  return platform::UserDataFolder(out, sizeof out) ? out : "<failed>";
}

TEST(UserDataFolder, XdgDataHomeIsCreatedPrivate) {
  TempDir dir;
  ScopedEnv xdg("XDG_DATA_HOME", (dir / "data/deeper").c_str());
  EXPECT_EQ(UserFolder(), dir / "data/deeper/Wirsel13");
  struct stat st;
  ASSERT_EQ(stat((dir / "data/deeper/Wirsel13").c_str(), &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_EQ(UserFolder(), dir / "data/deeper/Wirsel13");  // existing folder is fine
}

TEST(UserDataFolder, FallsBackToHomeAndIgnoresRelativeXdg) {
  TempDir dir;
  ScopedEnv home("HOME", (dir / "home").c_str());
  {
    ScopedEnv xdg("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(UserFolder(), dir / "home/.local/share/Wirsel13");
  }
  ScopedEnv xdg("XDG_DATA_HOME", "relative/path");
  EXPECT_EQ(UserFolder(), dir / "home/.local/share/Wirsel13");
}

TEST(UserDataFolder, XdgNeedsNoHome) {
  TempDir dir;
  ScopedEnv home("HOME", nullptr);
  ScopedEnv xdg("XDG_DATA_HOME", dir.path().c_str());
  EXPECT_EQ(UserFolder(), dir / "Wirsel13");
}

TEST(UserDataFolder, FailuresGiveAnEmptyAnswer) {
  TempDir dir;
  testutil::WriteFile(dir / "file", "x");
  char out[PATH_MAX] = "junk";
  {
    ScopedEnv xdg("XDG_DATA_HOME", (dir / "file").c_str());
    EXPECT_FALSE(platform::UserDataFolder(out, sizeof out));
    EXPECT_STREQ(out, "");
  }
  ScopedEnv xdg("XDG_DATA_HOME", dir.path().c_str());
  char small[8] = "junk";
  EXPECT_FALSE(platform::UserDataFolder(small, sizeof small));
  EXPECT_STREQ(small, "");
  std::string huge = "/" + std::string(PATH_MAX, 'a');
  ScopedEnv long_xdg("XDG_DATA_HOME", huge.c_str());
  EXPECT_FALSE(platform::UserDataFolder(out, sizeof out));
}

TEST(HostFolder, ExecutableFolderWithTrailingSlash) {
  ScopedEnv host("WIRSEL_HOST_DIR", nullptr);
  char folder[PATH_MAX];
  ASSERT_TRUE(platform::HostFolder(folder, sizeof folder));
  char exe[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", exe, sizeof exe - 1);
  ASSERT_GT(length, 0);
  exe[length] = 0;
  std::string expected(exe);
  EXPECT_EQ(folder, expected.substr(0, expected.rfind('/') + 1));
  char tiny[4];
  EXPECT_FALSE(platform::HostFolder(tiny, sizeof tiny));
}

TEST(HostFolder, EnvironmentOverride) {
  for (const char* folder : {"/opt/wirsel", "/opt/wirsel/"}) {
    ScopedEnv host("WIRSEL_HOST_DIR", folder);
    char out[PATH_MAX];
    ASSERT_TRUE(platform::HostFolder(out, sizeof out));
    EXPECT_STREQ(out, "/opt/wirsel/");
  }
}

TEST(ModulePathOf, FindsTheFileHoldingASymbol) {
  char path[PATH_MAX];
  ASSERT_TRUE(platform::ModulePathOf(reinterpret_cast<const void*>(&UserFolder), path, sizeof path));
  char exe[PATH_MAX];
  ASSERT_NE(realpath("/proc/self/exe", exe), nullptr);
  EXPECT_STREQ(path, exe);
  ASSERT_TRUE(platform::ModulePathOf(reinterpret_cast<const void*>(static_cast<double (*)(double)>(&cos)), path, sizeof path));
  EXPECT_NE(std::string(path).find("libm"), std::string::npos) << path;
  char tiny[4];
  EXPECT_FALSE(platform::ModulePathOf(reinterpret_cast<const void*>(&UserFolder), tiny, sizeof tiny));
  int on_stack = 0;
  EXPECT_FALSE(platform::ModulePathOf(&on_stack, path, sizeof path));
}

TEST(FileVersion, IsTheProjectVersion) { EXPECT_STREQ(platform::FileVersion(), EXPECTED_VERSION); }

}  // namespace

// The choice of the settings file at construction, LocateFile and
// MakeWritablePath, on real temporary folders.
#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include "base/profile.h"
#include "platform/clock.h"
#include "services/services.h"
#include "services/xt40_shell.h"
#include "tests/shell/fake_host.h"

namespace {

class SettingsTest : public PluginTest {
 protected:
  std::string Target() {
    char file[kPathSize];
    GetProfileTarget(file, sizeof file, nullptr, 0);
    return file;
  }
  std::string FolderCopy() { return xtensions + "/Wirsel13.ini"; }
  std::string UserCopy() { return user_dir + "/Wirsel13.ini"; }
  void ReadOnly(const std::string& folder) {
    setenv("WIRSEL_READONLY_DIRS", folder.c_str(), 1);
  }
};

TEST_F(SettingsTest, OnlyTheUserCopyIsCopiedIntoTheFolder) {
  WriteFile(UserCopy(), "[Prefs]\r\nA=1\r\n");
  chmod(UserCopy().c_str(), 0444);
  ASSERT_EQ(StartPlugin(), 0);
  EXPECT_EQ(ReadFile(FolderCopy()), "[Prefs]\r\nA=1\r\n");
  EXPECT_EQ(Target(), FolderCopy());
  EXPECT_EQ(ReadFile(UserCopy()), "[Prefs]\r\nA=1\r\n");
  EXPECT_TRUE(gShell->FolderWritable());
  EXPECT_TRUE(Host().message_boxes.empty());
}

TEST_F(SettingsTest, BothCopiesExistNothingIsCopied) {
  WriteFile(UserCopy(), "user");
  WriteFile(FolderCopy(), "folder");
  ASSERT_EQ(StartPlugin(), 0);
  EXPECT_EQ(ReadFile(FolderCopy()), "folder");
  EXPECT_EQ(Target(), FolderCopy());
}

TEST_F(SettingsTest, NeitherCopyTheFirstWriteCreatesTheFolderCopy) {
  ASSERT_EQ(StartPlugin(), 0);
  EXPECT_EQ(Target(), FolderCopy());
  EXPECT_FALSE(Exists(FolderCopy()));
  SetProfileTarget(nullptr, "1Typografia");
  EXPECT_TRUE(WriteProfileInt("2Key", 5));
  EXPECT_TRUE(Exists(FolderCopy()));
}

// The log goes where the user can find it: beside the host, or in the
// per-user folder when the host's folder cannot be written.
TEST_F(SettingsTest, UnwritableFolderUsesTheUserCopyWithoutALogLine) {
  WriteFile(UserCopy(), "user");
  ReadOnly(host_dir + ":" + xtensions);
  ASSERT_EQ(StartPlugin(), 0);
  EXPECT_EQ(Target(), UserCopy());
  EXPECT_FALSE(gShell->FolderWritable());
  EXPECT_FALSE(Exists(FolderCopy()));
  EXPECT_EQ(std::string(gShell->LogFilePath()), user_dir + "/Wirsel13.log");
  EXPECT_FALSE(Exists(gShell->LogFilePath()));
}

// The one line the log gets without a log level: time stamp, text in
// Windows-1250, CR LF.
TEST_F(SettingsTest, FailedCopyFallsBackAlertsAfterStartupAndLogsOneLine) {
  WriteFile(UserCopy(), "user");
  std::filesystem::create_directories(FolderCopy());  // a folder is no settings file
  platform::SetClock([]() -> int64_t { return 1767323045; });  // 2026-01-02 03:04:05 UTC
  ASSERT_EQ(StartPlugin(), 0);
  platform::SetClock(nullptr);
  EXPECT_EQ(Target(), UserCopy());
  ASSERT_EQ(Host().message_boxes.size(), 1u);
  EXPECT_EQ(Host().message_boxes[0].title, "Wirsel13 (" WIRSEL_VERSION ")-");
  EXPECT_EQ(Host().message_boxes[0].text.rfind("Error: 1\r", 0), 0u);
  EXPECT_NE(testutil::Utf8(Host().message_boxes[0].text)
                .find("Nie udała się próba przekopiowania poprzednich ustawień"),
            std::string::npos);
  EXPECT_EQ(ReadFile(host_dir + "Wirsel13.log"),
            "2026-01-02 03:04:05: Kopiowanie preferencji si\xEA nie powiod\xB3o: cPrefsFilePath='" +
                UserCopy() + "', cXTensionFilePath='" + FolderCopy() + "'\r\n");
}

TEST_F(SettingsTest, AlertBeforeAFailedStartupIsDropped) {
  WriteFile(UserCopy(), "user");
  std::filesystem::create_directories(FolderCopy());
  Host().version_minor = 7;
  EXPECT_EQ(StartPlugin(), XT_REFUSED);
  EXPECT_TRUE(Host().message_boxes.empty());
}

TEST_F(SettingsTest, LocateFileBuildsEachKindOfPath) {
  ASSERT_EQ(StartPlugin(), 0);
  char out[kPathSize];
  EXPECT_EQ(LocateFile("x.ini", out, sizeof out, 3), kFileNotFound);
  EXPECT_EQ(std::string(out), xtensions + "/x.ini");
  EXPECT_EQ(LocateFile("x.ini", out, sizeof out, 1), kFileNotFound);
  EXPECT_EQ(std::string(out), host_dir + "XTension/x.ini");
  EXPECT_EQ(LocateFile("x.ini", out, sizeof out, 2), kFileNotFound);
  EXPECT_EQ(std::string(out), host_dir + "x.ini");
  WriteFile(user_dir + "/x.ini", "1");
  EXPECT_EQ(LocateFile("x.ini", out, sizeof out, 0), 0);
  EXPECT_EQ(std::string(out), user_dir + "/x.ini");
  EXPECT_EQ(LocateFile((user_dir + "/x.ini").c_str(), out, sizeof out, 0), 0);
  std::filesystem::create_directories(xtensions + "/dir.ini");
  EXPECT_EQ(LocateFile("dir.ini", out, sizeof out, 3), kFileNotFound);
  char small[8] = "junk";
  EXPECT_EQ(LocateFile("x.ini", small, sizeof small, 0), kFileNotFound);
  EXPECT_STREQ(small, "");
}

// Moving user.dic out of a read-only folder is shown through the real host
// (tests/spell/user_dictionary_test.cpp); here the cases where nothing moves.
TEST_F(SettingsTest, WritablePathMovesNothingThatWouldBeLostOrCut) {
  // Answers the path MakeWritablePath gives `file` in a buffer of `size`.
  const auto writable = [](const std::string& file, size_t size) {
    char path[kPathSize];
    std::snprintf(path, sizeof path, "%s", file.c_str());
    EXPECT_EQ(MakeWritablePath(path, size), 0);
    return std::string(path);
  };
  const std::string in_folder = xtensions + "/user.dic", in_user = user_dir + "/user.dic";
  WriteFile(in_folder, "old");
  WriteFile(in_user, "new");
  ReadOnly(xtensions);
  EXPECT_EQ(writable(in_folder, kPathSize), in_user);  // the user's copy is kept
  EXPECT_EQ(ReadFile(in_user), "new");
  EXPECT_EQ(ReadFile(in_folder), "old");

  std::filesystem::remove(in_user);
  ReadOnly(xtensions + ":" + user_dir);  // nowhere to move it
  EXPECT_EQ(writable(in_folder, kPathSize), in_folder);
  EXPECT_FALSE(Exists(in_user));

  const std::string in_short = root + "/r/u.dic";  // the new path does not fit the buffer
  WriteFile(in_short, "words");
  ReadOnly(root + "/r");
  EXPECT_EQ(writable(in_short, in_short.size() + 2), in_short);
  EXPECT_EQ(ReadFile(in_short), "words");
  EXPECT_FALSE(Exists(user_dir + "/u.dic"));
}

}  // namespace

// The log file's exact bytes: time stamps, banner, host line, CR LF ends.
#include <string>

#include "platform/clock.h"
#include "services/xt40_shell.h"
#include "tests/shell/fake_host.h"

namespace {

// 2026-01-02 03:04:05 UTC.
int64_t FixedClock() { return 1767323045; }

class LogTest : public PluginTest {
 protected:
  void SetUp() override {
    PluginTest::SetUp();
    platform::SetClock(FixedClock);
    Host().info.version = 0x0B000000;
    Host().info.serial = 3000000000u;
    Host().info.app_status = 0x12;
    Host().info.product_id = 2;
    const char16_t host[] = u"QXP";
    for (size_t i = 0; i < 3; ++i) Host().info.host_string[i] = host[i];
    ASSERT_EQ(StartPlugin(), 0);
    log = host_dir + "Wirsel13.log";
  }
  void TearDown() override {
    platform::SetClock(nullptr);
    PluginTest::TearDown();
  }
  std::string log;
};

TEST_F(LogTest, BannerAndHostLineBytes) {
  EXPECT_STREQ(gShell->LogFilePath(), log.c_str());
  EXPECT_EQ(gShell->SetLogLevel(1), 0);
  const std::string expected =
      "2026-01-02 03:04:05: \r\n\xA5\xA5\xA5\xA5\xA5Wirsel13 (" WIRSEL_VERSION
      ") start with logging level 1 (0x00000001)\r\n"
      "\tQXP: version: 0x0B000000,serialnum: -1294967296, appstatus: 18 (0x0012), "
      "productid: 2, serial (QXP)\r\n";
  EXPECT_EQ(ReadFile(log), expected);

  EXPECT_EQ(gShell->SetLogLevel(1), 1);  // same level: nothing written
  EXPECT_EQ(ReadFile(log), expected);

  gShell->Log("\tx");
  gShell->Log("n=%d", 5);
  EXPECT_EQ(ReadFile(log), expected + "\tx\r\n2026-01-02 03:04:05: n=5\r\n");
}

TEST_F(LogTest, LevelsPrintAsEightHexDigitsAndLevelZeroStopsLogging) {
  gShell->SetLogLevel(-1);
  EXPECT_NE(ReadFile(log).find("start with logging level -1 (0xFFFFFFFF)\r\n"),
            std::string::npos);
  std::filesystem::remove(log);
  EXPECT_EQ(gShell->SetLogLevel(0), -1);
  const std::string lines = ReadFile(log);
  EXPECT_NE(lines.find("start with logging level 0 (0x00000000)\r\n"), std::string::npos);
  EXPECT_NE(lines.find("\tQXP: version"), std::string::npos);
  gShell->Log("not written");
  EXPECT_EQ(ReadFile(log), lines);
}

TEST_F(LogTest, LevelZeroCreatesNoFileAndAnUnwritableLogChangesNothing) {
  gShell->Log("nothing");
  EXPECT_FALSE(Exists(log));
  std::filesystem::create_directories(log);  // cannot be opened as a file
  EXPECT_EQ(gShell->SetLogLevel(3), 0);
  EXPECT_EQ(gShell->GetLogLevel(), 3);
}

TEST_F(LogTest, UnwritableHostFolderLogsIntoTheUserFolder) {
  StopPlugin();
  setenv("WIRSEL_READONLY_DIRS", host_dir.c_str(), 1);
  ASSERT_EQ(StartPlugin(), 0);
  EXPECT_EQ(std::string(gShell->LogFilePath()), user_dir + "/Wirsel13.log");
  gShell->SetLogLevel(1);
  EXPECT_TRUE(Exists(user_dir + "/Wirsel13.log"));
  EXPECT_FALSE(Exists(log));
}

}  // namespace

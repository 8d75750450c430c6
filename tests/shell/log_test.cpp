// The log file's exact bytes: time stamps, banner, host line, CR LF ends, and
// when the level lets lines through.
#include <string>

#include "platform/clock.h"
#include "services/xt40_shell.h"
#include "tests/shell/fake_host.h"

namespace {

class LogTest : public PluginTest {
 protected:
  void SetUp() override {
    PluginTest::SetUp();
    platform::SetClock([]() -> int64_t { return 1767323045; });  // 2026-01-02 03:04:05 UTC
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
  static std::string Banner(const char* level, const char* hex) {
    return std::string("2026-01-02 03:04:05: \r\n\xA5\xA5\xA5\xA5\xA5Wirsel13 (" WIRSEL_VERSION
                       ") start with logging level ") +
           level + " (0x" + hex + ")\r\n" + kHostLine;
  }
  static constexpr const char* kHostLine =
      "\tQXP: version: 0x0B000000,serialnum: -1294967296, appstatus: 18 (0x0012), "
      "productid: 2, serial (QXP)\r\n";
  std::string log;
};

TEST_F(LogTest, EveryNewLevelWritesBannerAndHostLineTheSameLevelNothing) {
  gShell->Log("nothing at level 0");
  EXPECT_FALSE(Exists(log));
  struct Step {
    int32_t level;
    int32_t previous;
    std::string added;
  } steps[] = {
      {1, 0, Banner("1", "00000001")},
      {1, 1, ""},
      {-1, 1, Banner("-1", "FFFFFFFF")},
      {0, -1, Banner("0", "00000000")},
  };
  std::string expected;
  for (const Step& step : steps) {
    EXPECT_EQ(gShell->SetLogLevel(step.level), step.previous) << step.level;
    expected += step.added;
    EXPECT_EQ(ReadFile(log), expected) << step.level;
  }
  EXPECT_EQ(gShell->GetLogLevel(), 0);
  gShell->Log("not written");
  gShell->LogHostInfo();
  EXPECT_EQ(ReadFile(log), expected);
}

TEST_F(LogTest, TabLinesHaveNoTimeStamp) {
  gShell->SetLogLevel(1);
  std::filesystem::remove(log);
  gShell->Log("\tx");
  gShell->Log("n=%d", 5);
  gShell->LogHostInfo();
  EXPECT_EQ(ReadFile(log), std::string("\tx\r\n2026-01-02 03:04:05: n=5\r\n") + kHostLine);
}

TEST_F(LogTest, AnUnwritableLogChangesNothing) {
  std::filesystem::create_directories(log);  // cannot be opened as a file
  EXPECT_EQ(gShell->SetLogLevel(3), 0);
  EXPECT_EQ(gShell->GetLogLevel(), 3);
}

}  // namespace

// Loading plug-ins: the folder, libraries that are no plug-ins or refuse, the
// version listing and the command list.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "run_wirsel.h"

using testing::HasSubstr;

TEST(Loading, FoldersAndLibrariesThatGiveNoPlugInAreErrorsSayingWhy) {
  const struct {
    const char* host;
    const char* message;
  } cases[] = {
      {"missing", "no XTensions folder at " TEST_HOSTS "/missing/XTensions"},
      {"empty", "no plug-in (*.so) in"},
      {"not_a_plugin", "not_a_plugin.so is not a plug-in: it has no XTActivateCallback"},
      {"refuses", "refuses.so refused activation (status 0x51000401)"},
  };
  for (const auto& c : cases) {
    const WirselRun run = RunWirsel(c.host, {"menus"});
    EXPECT_EQ(run.status, 2) << c.host;
    EXPECT_THAT(run.err, HasSubstr(c.message));
  }
}

TEST(Loading, VersionListsHostAndPluginAndFailsWithARefusingOne) {
  WirselRun run = RunWirsel("probe", {"--version"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "wirsel " WIRSEL_TEST_VERSION "\n  probe.so: Probe 7.3\n");
  run = RunWirsel("refuses", {"--version"});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.out, HasSubstr("wirsel "));
  EXPECT_THAT(run.err, HasSubstr("refused activation"));
}

TEST(Loading, HelpListsTheCommandsAndNoCommandIsAnError) {
  WirselRun run = RunWirsel("probe", {"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_THAT(run.out, HasSubstr("menus"));
  EXPECT_THAT(run.out, HasSubstr("--version"));
  run = RunWirsel("probe", {});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("menus"));
}

// The real plug-in's menus as `wirsel menus` shows them, one golden file per
// text-target situation: data/menus_NAME.expected with its command line in
// menus_NAME.args (host_cases.h). To regenerate after a reviewed change:
// WIRSEL_REGENERATE_GOLDEN=1 ctest -R PluginMenus, then read the diff.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host_cases.h"
#include "run_wirsel.h"

namespace {

class PluginMenus : public testing::TestWithParam<std::string> {};

TEST_P(PluginMenus, MatchGolden) {
  CheckHostCase({HOST_TEST_DATA, {"menus"}, false, ""}, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Situations, PluginMenus, testing::ValuesIn(HostCaseNames(HOST_TEST_DATA)),
                         HostCaseName);

TEST(RealPlugin, VersionNamesThePlugin) {
  const WirselRun run = HostFolder().Run({"--version"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.out, testing::HasSubstr("Wirsel13.so: Wirsel13 "));
}

}  // namespace

// The real plug-in's menus as `wirsel menus` shows them, one golden file per
// text-target situation (data/menus_*.expected). To regenerate after a
// reviewed change: WIRSEL_REGENERATE_GOLDEN=1 ctest -R PluginMenus, then
// read the diff.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "run_wirsel.h"

namespace {

struct MenuCase {
  const char* golden;
  std::vector<std::string> args;  // after "menus"; "@name" is a data file
};

void PrintTo(const MenuCase& menu_case, std::ostream* out) { *out << menu_case.golden; }

const MenuCase kCases[] = {
    {"menus_no_document_en", {"--lang", "en"}},
    {"menus_no_document_pl", {"--lang", "pl"}},
    {"menus_caret_content_tool", {"@probe_story.txt"}},
    {"menus_selection_content_tool_pl", {"@probe_story.txt", "--select", "1:3", "--lang", "pl"}},
    {"menus_selection_content_tool_en", {"@probe_story.txt", "--select", "1:3"}},
    {"menus_selection_item_tool", {"@probe_story.txt", "--select", "0:2", "--tool", "item"}},
    {"menus_empty_story", {"@empty_story.txt"}},
    {"menus_group_of_boxes", {"@group_of_boxes.json"}},
    {"menus_picture_box", {"@picture_box.json"}},
};

class PluginMenus : public testing::TestWithParam<MenuCase> {};

}  // namespace

TEST_P(PluginMenus, MatchGolden) {
  std::vector<std::string> args = {"menus"};
  args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
  const WirselRun run = HostFolder().Run(args);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string golden = DataPath(std::string(GetParam().golden) + ".expected");
  if (std::getenv("WIRSEL_REGENERATE_GOLDEN")) {
    std::ofstream(golden, std::ios::binary) << run.out;
  }
  EXPECT_EQ(run.out, ReadBytes(golden));
}

INSTANTIATE_TEST_SUITE_P(Situations, PluginMenus, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<MenuCase>& info) {
                           return std::string(info.param.golden);
                         });

TEST(RealPlugin, VersionNamesThePlugin) {
  const WirselRun run = HostFolder().Run({"--version"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.out, testing::HasSubstr("Wirsel13.so: "));
}

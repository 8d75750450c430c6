// `wirsel run` and `wirsel menus` with the probe plug-in: round trips of text
// files, choosing items by title, the target options and bad input. Output
// files and item titles in Polish are in tests/files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "run_wirsel.h"

using testing::HasSubstr;

class RoundTrip : public testing::TestWithParam<const char*> {};

TEST_P(RoundTrip, RunWithoutItemsWritesTheFileBackByteForByte) {
  const std::string path = DataPath(GetParam());
  const WirselRun run = RunWirsel("probe", {"run", path});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, ReadBytes(path));
}

INSTANTIATE_TEST_SUITE_P(Files, RoundTrip,
                         testing::Values("round_trip_polish.txt", "round_trip_crlf.txt",
                                         "round_trip_no_final_newline.txt"));

TEST(Run, ChoosesItemsInOrder) {
  const WirselRun run = RunWirsel(
      "probe", {"run", DataPath("probe_story.txt"), "--do", "Upper Case", "--do", "Block"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "okABC DEF\n");
}

TEST(Run, UnknownItemStopsWithAnErrorAndNoOutput) {
  const WirselRun run =
      RunWirsel("probe", {"run", DataPath("probe_story.txt"), "--do", "Frobnicate"});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("no menu item \"Frobnicate\""));
  EXPECT_EQ(run.out, "");
}

TEST(Run, SelectionStartIsWhereTheProbeWrites) {
  const WirselRun run = RunWirsel("probe", {"run", DataPath("probe_story.txt"), "--select",
                                            "4:7", "--do", "Block"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "abc okdef\n");
}

TEST(Run, SelectionPastTheStoryIsRefused) {
  const WirselRun run =
      RunWirsel("probe", {"run", DataPath("probe_story.txt"), "--select", "2:99"});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("past the end of the story (8 characters)"));
}

TEST(Run, MalformedSelectionAndToolAreRefused) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"--select", "3:1"}, {"--select", "1-2"}, {"--tool", "pen"}, {"--lang", "de"}}) {
    std::vector<std::string> all = {"run", DataPath("probe_story.txt")};
    all.insert(all.end(), args.begin(), args.end());
    const WirselRun run = RunWirsel("probe", all);
    EXPECT_EQ(run.status, 2) << args[0] << " " << args[1];
    EXPECT_THAT(run.err, HasSubstr(args[0])) << args[1];
  }
}

TEST(Run, UnreadableInputNamesTheFile) {
  const WirselRun run = RunWirsel("probe", {"run", "/nonexistent/story.txt"});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("/nonexistent/story.txt"));
}

TEST(Menus, WithoutDocumentTheProbeDisablesItsTextItems) {
  const WirselRun run = RunWirsel("probe", {"menus"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Probe\n  - Upper Case\n  - Ask...\n  - Warn\n  ----\n  - Block\n  + Language en\n"
            "  + Throw\n");
}

TEST(Menus, WithATextFileTheyAreEnabled) {
  const WirselRun run = RunWirsel("probe", {"menus", DataPath("probe_story.txt")});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.out, HasSubstr("  + Upper Case\n  + Ask...\n"));
}

TEST(Run, ExceptionEscapingAPluginCallbackIsReportedNotFatal) {
  const WirselRun run = RunWirsel("probe", {"run", DataPath("probe_story.txt"), "--do", "Throw"});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("probe.so let an exception escape callback 618"));
  EXPECT_THAT(run.err, HasSubstr("probe: shut down"));
}

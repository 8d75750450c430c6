// `wirsel run` and `wirsel menus` with the probe plug-in: round trips of text
// files, choosing items by title, the target options and bad input. Output
// files and item titles in Polish are in tests/host/files.
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

// Items run in the order given, at the selection's start: the dialog's
// summary is inserted after the upper-casing.
TEST(Run, ChoosesItemsInOrderAtTheSelection) {
  const std::string story = DataPath("probe_story.txt");
  WirselRun run = RunWirsel("probe", {"run", story, "--do", "Upper Case", "--do", "Ask...",
                                      "--dialogs", DataPath("ask_all_items.dlg")});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "hello world|loud|right|betaABC DEF\n");
  run = RunWirsel("probe", {"run", story, "--select", "4:7", "--do", "Warn"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "abc Ydef\n");
}

// Each refusal stops the run with status 2 and no document, naming what is
// wrong.
TEST(Run, BadItemsSelectionsToolsAndFilesAreRefusedByName) {
  const std::string story = DataPath("probe_story.txt");
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"run", story, "--do", "Frobnicate"}, "no menu item \"Frobnicate\""},
      {{"run", story, "--select", "2:99"}, "past the end of the story (8 characters)"},
      {{"run", story, "--select", "3:1"}, "--select"},
      {{"run", story, "--select", "1-2"}, "--select"},
      {{"run", story, "--tool", "pen"}, "--tool"},
      {{"run", story, "--lang", "de"}, "--lang"},
      {{"run", "/nonexistent/story.txt"}, "/nonexistent/story.txt"},
  };
  for (const auto& c : cases) {
    const WirselRun run = RunWirsel("probe", c.args);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_THAT(run.err, HasSubstr(c.message));
    EXPECT_EQ(run.out, "") << c.message;
  }
}

TEST(Menus, TheProbesTextItemsAreEnabledWithATextFileOnlyAndItShutsDownAtExit) {
  WirselRun run = RunWirsel("probe", {"menus"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Probe\n  - Upper Case\n  - Ask...\n  - Warn\n  ----\n  + Throw\n");
  EXPECT_THAT(run.err, HasSubstr("probe: shut down"));
  run = RunWirsel("probe", {"menus", DataPath("probe_story.txt")});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.out, HasSubstr("  + Upper Case\n  + Ask...\n"));
}

TEST(Run, ExceptionEscapingAPluginCallbackIsReportedNotFatal) {
  const WirselRun run = RunWirsel("probe", {"run", DataPath("probe_story.txt"), "--do", "Throw"});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("probe.so let an exception escape callback 618"));
  EXPECT_THAT(run.err, HasSubstr("probe: shut down"));
}

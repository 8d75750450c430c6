// `wirsel check` itself: where the corrected document goes, and that the
// input is written over only when asked.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "dict_host.h"

using testing::HasSubstr;

namespace {

const char kChange[] = "dialog \"Check Spelling\"\nset 1045 kot\nclick Change\nanswer ok\n";

TEST(CheckCommand, CorrectedDocumentGoesToTheOutputFileAndTheInputIsKept) {
  const DictHost host;
  const std::string input = WriteTemp("story.txt", "Ala ma kotek.\n");
  const std::string out = std::filesystem::path(input).parent_path() / "out.txt";
  const WirselRun run = host.Run({"check", input, "-o", out, "--lang", "en", "--dialogs",
                                  WriteTemp("change.dlg", kChange)});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(ReadBytes(out), "Ala ma kot.\n");
  EXPECT_EQ(ReadBytes(input), "Ala ma kotek.\n");
}

TEST(CheckCommand, InputIsWrittenOverOnlyWithInPlace) {
  const DictHost host;
  const std::string input = WriteTemp("story.txt", "Ala ma kotek.\n");
  WirselRun run = host.Run({"check", input, "-o", input, "--lang", "en", "--dialogs",
                            WriteTemp("change.dlg", kChange)});
  EXPECT_NE(run.status, 0);
  EXPECT_THAT(run.err, HasSubstr("--in-place"));
  EXPECT_EQ(ReadBytes(input), "Ala ma kotek.\n");
  run = host.Run({"check", input, "--in-place", "--lang", "en", "--dialogs",
                  WriteTemp("change.dlg", kChange)});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadBytes(input), "Ala ma kot.\n");
}

TEST(CheckCommand, ClosingWithNothingChangedWritesNothing) {
  const DictHost host;
  const std::string input = WriteTemp("story.txt", "Ala ma kotek.\n");
  const WirselRun run = host.Run({"check", input, "--in-place", "--lang", "en", "--dialogs",
                                  WriteTemp("close.dlg", "dialog \"Check Spelling\"\nclick Close\n")});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.err, HasSubstr("nothing changed"));
  EXPECT_EQ(ReadBytes(input), "Ala ma kotek.\n");
}

TEST(CheckCommand, WithoutAScriptOrTerminalTheDialogIsCancelled) {
  const DictHost host;
  const WirselRun run = host.Run({"check", WriteTemp("story.txt", "Ala ma kotek.\n")});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
}

}  // namespace

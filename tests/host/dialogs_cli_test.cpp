// Dialogs and message boxes of the probe plug-in driven by dialog scripts,
// and the defaults without a script. The probe writes what the dialog ended
// with at the start of the story.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "run_wirsel.h"

using testing::HasSubstr;

namespace {

WirselRun Probe(const std::string& item, const std::string& script) {
  std::vector<std::string> args = {"run", DataPath("probe_story.txt"), "--do", item};
  if (!script.empty()) {
    args.push_back("--dialogs");
    args.push_back(DataPath(script));
  }
  return RunWirsel("probe", args);
}

}  // namespace

// The item is named without its ellipsis, as a user may type it.
TEST(DialogScript, PlaysEveryKindOfItem) {
  const WirselRun run = Probe("Ask", "ask_all_items.dlg");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "hello world|loud|right|betaabc def\n");
}

TEST(DialogScript, AddressesItemsAndRowsByTheirPolishTitles) {
  const WirselRun run = Probe("Ask...", "ask_by_title_and_added_row.dlg");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "x|quiet|left|addedabc def\n");
}

TEST(DialogScript, OkRefusedByTheHandlerKeepsTheDialogOpen) {
  const WirselRun run = Probe("Ask...", "ask_ok_refused_then_cancel.dlg");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "abc def\n");
}

TEST(DialogScript, DialogWithoutLinesLeftIsAnErrorNamingIt) {
  const WirselRun run = Probe("Ask...", "ask_unanswered.dlg");
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("no script line left for dialog \"Ask łódź\" (900)"));
  EXPECT_EQ(run.out, "");
}

TEST(DialogScript, WrongDialogIsAnErrorWithTheLine) {
  const WirselRun run = Probe("Ask...", "ask_wrong_dialog.dlg");
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("ask_wrong_dialog.dlg:1: expects dialog \"Preferences\" but "
                                 "dialog \"Ask łódź\" (900) opened"));
}

TEST(DialogScript, ClickOnAnEditFieldIsRefused) {
  const WirselRun run = Probe("Ask...", "ask_click_on_edit_field.dlg");
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("ask_click_on_edit_field.dlg:1: item 3 is an edit field"));
}

TEST(DialogScript, AnswersAMessageBox) {
  const WirselRun run = Probe("Warn", "warn_no.dlg");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Nabc def\n");
  EXPECT_THAT(run.err, HasSubstr("[Probe] Insert a mark? -> No"));
}

TEST(DialogScript, AnswerTheMessageBoxDoesNotOfferIsAnError) {
  const WirselRun run = Probe("Warn", "warn_unknown_button.dlg");
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("has no button \"maybe\""));
}

TEST(DialogScript, LinesNeverUsedAreAnError) {
  const WirselRun run = Probe("Warn", "warn_line_left_over.dlg");
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("warn_line_left_over.dlg:2: this and later lines were never used"));
}

TEST(DialogScript, UnknownActionIsRefusedBeforeAnythingRuns) {
  const WirselRun run = Probe("Warn", "unknown_action.dlg");
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("unknown_action.dlg:2: unknown action \"frobnicate\""));
  EXPECT_THAT(run.err, testing::Not(HasSubstr("Insert a mark?")));
}

TEST(DialogScript, MissingScriptFileIsAnError) {
  const WirselRun run = Probe("Warn", "no_such_script.dlg");
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("no_such_script.dlg: cannot read the dialog script"));
}

TEST(DialogDefaults, MessageBoxIsPrintedAndAnsweredWithItsFirstButton) {
  const WirselRun run = Probe("Warn", "");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Yabc def\n");
  EXPECT_THAT(run.err, HasSubstr("[Probe] Insert a mark? -> Yes"));
}

TEST(DialogDefaults, DialogIsCancelled) {
  const WirselRun run = Probe("Ask...", "");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "abc def\n");
  EXPECT_THAT(run.err, HasSubstr("dialog \"Ask łódź\" (900) cancelled"));
}

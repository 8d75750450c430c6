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

// Each script is played through; without one a message box takes its first
// button and a dialog is cancelled. The item may be named without its
// ellipsis, as a user may type it.
TEST(DialogScript, PlaysItemsRowsTitlesAndAnswers) {
  const struct {
    const char* item;
    const char* script;
    const char* out;
    const char* err;
  } cases[] = {
      {"Ask", "ask_all_items.dlg", "hello world|loud|right|betaabc def\n", ""},
      {"Ask...", "ask_by_title_and_added_row.dlg", "x|quiet|left|addedabc def\n", ""},
      {"Ask...", "ask_ok_refused_then_cancel.dlg", "abc def\n", ""},
      {"Warn", "warn_no.dlg", "Nabc def\n", "[Probe] Insert a mark? -> No"},
      {"Warn", "", "Yabc def\n", "[Probe] Insert a mark? -> Yes"},
      {"Ask...", "", "abc def\n", "dialog \"Ask łódź\" (900) cancelled"},
  };
  for (const auto& c : cases) {
    const WirselRun run = Probe(c.item, c.script);
    EXPECT_EQ(run.status, 0) << c.script << ": " << run.err;
    EXPECT_EQ(run.out, c.out) << c.script;
    EXPECT_THAT(run.err, HasSubstr(c.err)) << c.script;
  }
}

TEST(DialogScript, UnknownActionIsRefusedBeforeAnythingRuns) {
  const WirselRun run = Probe("Warn", "unknown_action.dlg");
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("unknown_action.dlg:2: unknown action \"frobnicate\""));
  EXPECT_THAT(run.err, testing::Not(HasSubstr("Insert a mark?")));
}

// A script that does not fit what happens ends the run with status 2, no
// document and a message naming the script line or the dialog.
TEST(DialogScript, MismatchesAreErrorsNamingTheLineOrTheDialog) {
  const struct {
    const char* item;
    const char* script;
    const char* message;
  } cases[] = {
      {"Ask...", "ask_unanswered.dlg", "no script line left for dialog \"Ask łódź\" (900)"},
      {"Ask...", "ask_wrong_dialog.dlg",
       "ask_wrong_dialog.dlg:1: expects dialog \"Preferences\" but dialog \"Ask łódź\" (900) "
       "opened"},
      {"Ask...", "ask_click_on_edit_field.dlg",
       "ask_click_on_edit_field.dlg:1: item 3 is an edit field"},
      {"Warn", "warn_unknown_button.dlg", "has no button \"maybe\""},
      {"Warn", "warn_line_left_over.dlg",
       "warn_line_left_over.dlg:2: this and later lines were never used"},
      {"Warn", "no_such_script.dlg", "no_such_script.dlg: cannot read the dialog script"},
  };
  for (const auto& c : cases) {
    const WirselRun run = Probe(c.item, c.script);
    EXPECT_EQ(run.status, 2) << c.script;
    EXPECT_THAT(run.err, HasSubstr(c.message));
    EXPECT_EQ(run.out, "") << c.script;
  }
}

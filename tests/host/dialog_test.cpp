// User actions on a running dialog, seen from a handler that records every
// event: radio groups, disabled items, list rows, Cancel that always ends the
// dialog, and the rendering with the terminal's keys.
#include <gtest/gtest.h>

#include <sstream>

#include "host/dialog.h"
#include "host/frontend.h"

namespace {

struct Recorder {
  std::vector<int16_t> hits;
  bool close_on_ok = true;
};

int32_t Record(xt_dialog dialog, int32_t event, int16_t item, void* context) {
  auto* recorder = static_cast<Recorder*>(context);
  if (event == XT_DLG_ITEM_HIT) recorder->hits.push_back(item);
  if (event == XT_DLG_ITEM_HIT && item == XT_DLG_OK && recorder->close_on_ok) {
    dialog->closed = true;
    dialog->result = XT_DLG_OK;
  }
  return 0;
}

xt_dialog_s MakeDialog(Recorder& recorder) {
  xt_dialog_s dialog;
  dialog.number = 31108;
  dialog.title = "Preferencje s\xB3ownika";
  dialog.handler = Record;
  dialog.context = &recorder;
  const std::vector<DialogItem> items = {
      {1, XT_ITEM_BUTTON, 0, "OK", false, true, {}, -1},
      {2, XT_ITEM_BUTTON, 0, "Anuluj", false, true, {}, -1},
      {3, XT_ITEM_RADIO, 1, "Lewo", true, true, {}, -1},
      {4, XT_ITEM_RADIO, 1, "Prawo", false, true, {}, -1},
      {5, XT_ITEM_RADIO, 2, "Inna grupa", true, true, {}, -1},
      {6, XT_ITEM_CHECK, 0, "Pomi\xF1 cyfry", false, false, {}, -1},
      {7, XT_ITEM_LIST, 0, "", false, true, {"jeden", "dwa"}, -1},
      {8, XT_ITEM_EDIT, 0, "tekst", false, true, {}, -1},
  };
  dialog.items = items;
  return dialog;
}

// A fresh dialog whose handler records every event.
class DialogTest : public testing::Test {
 protected:
  Recorder recorder;
  xt_dialog_s dialog = MakeDialog(recorder);
};
using DialogActions = DialogTest;
using TerminalFrontEnd = DialogTest;

}  // namespace

TEST_F(DialogActions, RadioButtonTurnsOffOnlyItsOwnGroup) {
  EXPECT_EQ(dialog.Click(*dialog.Item(4)), "");
  EXPECT_FALSE(dialog.Item(3)->checked);
  EXPECT_TRUE(dialog.Item(4)->checked);
  EXPECT_TRUE(dialog.Item(5)->checked);
  EXPECT_EQ(recorder.hits, std::vector<int16_t>{4});
  EXPECT_NE(dialog.SetCheck(*dialog.Item(4), false), "");
}

TEST_F(DialogActions, DisabledItemsAndWrongKindsAreRefusedWithoutAnEvent) {
  EXPECT_EQ(dialog.Click(*dialog.Item(6)), "item 6 is disabled");
  EXPECT_NE(dialog.Click(*dialog.Item(7)), "");
  EXPECT_NE(dialog.SetText(*dialog.Item(1), "x"), "");
  EXPECT_NE(dialog.Choose(*dialog.Item(8), 0), "");
  EXPECT_TRUE(recorder.hits.empty());
}

TEST_F(DialogActions, ListRowsOutsideTheListAreRefused) {
  EXPECT_EQ(dialog.Choose(*dialog.Item(7), 2), "list 7 has no row 3");
  EXPECT_NE(dialog.Choose(*dialog.Item(7), -1), "");
  EXPECT_EQ(dialog.Choose(*dialog.Item(7), 1), "");
  EXPECT_EQ(dialog.Item(7)->selected, 1);
}

TEST_F(DialogActions, ItemsAreFoundByNumberOrVisibleTitle) {
  EXPECT_EQ(dialog.Find("4"), dialog.Item(4));
  EXPECT_EQ(dialog.Find("Pomiń cyfry"), dialog.Item(6));
  EXPECT_EQ(dialog.Find("Anuluj"), dialog.Item(2));
  EXPECT_EQ(dialog.Find("99"), nullptr);
  EXPECT_EQ(dialog.Find("99999999999"), nullptr);
  EXPECT_EQ(dialog.Find("nic"), nullptr);
}

TEST_F(DialogActions, OkRefusedByTheHandlerLeavesItOpenButCancelAlwaysEndsIt) {
  recorder.close_on_ok = false;
  EXPECT_EQ(dialog.Ok(), "");
  EXPECT_FALSE(dialog.closed);
  dialog.Cancel();  // the handler ignores item 2 too
  EXPECT_TRUE(dialog.closed);
  EXPECT_EQ(dialog.result, XT_DLG_CANCEL);
  EXPECT_EQ(recorder.hits, (std::vector<int16_t>{1, 2}));
}

TEST_F(DialogActions, RenderingShowsStatesRowsAndKeys) {
  dialog.Choose(*dialog.Item(7), 1);
  EXPECT_EQ(dialog.Render(true),
            "== Preferencje słownika ==\n"
            "  1 [o] <OK>\n"
            "  2 [c] <Anuluj>\n"
            "  3 [a] (o) Lewo\n"
            "  4 [b] ( ) Prawo\n"
            "  5 [d] (o) Inna grupa\n"
            "  6 [e] [ ] Pomiń cyfry  (disabled)\n"
            "  7 list:\n"
            "       1. jeden\n"
            "     > 2. dwa\n"
            "  8 [f] edit: [tekst]\n");
}

TEST_F(TerminalFrontEnd, KeysRowsAndTypingDriveTheDialog) {
  std::istringstream in("b\n2\nf=nowy\nz\no\n");
  std::ostringstream out;
  MakeTerminalFrontEnd(in, out)->Drive(dialog);
  EXPECT_TRUE(dialog.closed);
  EXPECT_EQ(dialog.result, XT_DLG_OK);
  EXPECT_TRUE(dialog.Item(4)->checked);
  EXPECT_EQ(dialog.Item(7)->selected, 1);
  EXPECT_EQ(dialog.Item(8)->text, "nowy");
  EXPECT_NE(out.str().find("no item has the key z"), std::string::npos);
}

TEST_F(TerminalFrontEnd, EndOfInputCancels) {
  std::istringstream in("");
  std::ostringstream out;
  MakeTerminalFrontEnd(in, out)->Drive(dialog);
  EXPECT_TRUE(dialog.closed);
  EXPECT_EQ(dialog.result, XT_DLG_CANCEL);
}

TEST_F(TerminalFrontEnd, MessageBoxTakesTheFirstLetterOrTheDefault) {
  std::istringstream in("n\n\n");
  std::ostringstream out;
  auto terminal = MakeTerminalFrontEnd(in, out);
  EXPECT_EQ(terminal->MessageBox("T", "Usunąć?", XT_ICON_QUESTION, XT_BUTTONS_YES_NO), XT_ANSWER_NO);
  EXPECT_EQ(terminal->MessageBox("T", "Usunąć?", XT_ICON_QUESTION, XT_BUTTONS_YES_NO),
            XT_ANSWER_YES);
  EXPECT_NE(out.str().find("[y] Yes  [n] No"), std::string::npos);
}

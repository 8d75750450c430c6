// The spelling module's menu, the state of its items and command dispatch.
#include "spell/dictxt.h"

#include "base/macce.h"
#include "dialogs/about.h"
#include "spell/dict_prefs.h"
#include "spell/dictopen.h"
#include "text/storytext.h"

DictXT* gDictXT = nullptr;
xt_menu gDictMenu = 0;

int32_t DictXT::InstallMenus(xt_menu_record* record) {
  prefs_ = LoadDictPrefs();
  SpellSession probe;
  probe.Open();
  probe.Close();
  gDictMenu = AddMenu(record->menu_bar, MACCE("Polish Spell Checker"));
  check_word_item = AddMenuItem(gDictMenu, MACCE("Check Word..."));
  check_story_item = AddMenuItem(gDictMenu, MACCE("Check Story..."));
  check_document_item = AddMenuItem(gDictMenu, MACCE("Check Document..."));
  AddSeparator(gDictMenu);
  preferences_item = AddMenuItem(gDictMenu, MACCE("Dictionary Preferences..."));
  about_item = AddMenuItem(gDictMenu, MACCE("About Wirsel..."));
  return 0;
}

int32_t DictXT::DoMenuCommand(xt_menu_record* record) {
  const uint16_t item = record->item;
  if (item == 0) return 0;
  if (item == check_word_item) {
    if (DocumentOpen() && IsTextBox(GetCurrentBox()) && GetCurrentTool() == kContentTool) {
      Check(CheckMode::kWord, false);
    }
  } else if (item == check_story_item) {
    if (DocumentOpen() && IsTextBox(GetCurrentBox())) Check(CheckMode::kStory, true);
  } else if (item == check_document_item) {
    if (DocumentOpen()) Check(CheckMode::kDocument, true);
  } else if (item == preferences_item) {
    Preferences();
  } else if (item == about_item) {
    ShowAboutDialog();
  }
  return 0;
}

void DictXT::ApplyMenuState(const MenuState& state) {
  EnableMenuItem(gDictMenu, check_word_item, state.word_items);
  EnableMenuItem(gDictMenu, check_story_item, state.story_item);
  EnableMenuItem(gDictMenu, check_document_item, state.document_items);
  if (state.titles == MenuState::kSelection) {
    SetMenuItemText(gDictMenu, check_word_item, MACCE("Check Selection..."));
  } else if (state.titles == MenuState::kInsertion) {
    SetMenuItemText(gDictMenu, check_word_item, MACCE("Check Word..."));
  }
}

void DictXT::Check(CheckMode mode, bool switch_tool) {
  prefs_ = LoadDictPrefs();
  const int16_t tool = GetCurrentTool();
  if (switch_tool) SetCurrentTool(kContentTool);
  SpellCheckRun run(mode, prefs_);
  run.Run();
  if (switch_tool) SetCurrentTool(tool);
}

void DictXT::Preferences() {
  prefs_ = LoadDictPrefs();
  SpellSession session;
  if (!session.Open()) return;
  CDictPrefsDialog dialog(prefs_, session.user_dictionary());
  dialog.Run();
}

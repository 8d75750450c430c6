// The spelling module's menu, the state of its items and command dispatch.
#include "spell/spell_module.h"

#include "base/macce.h"
#include "dialogs/about.h"
#include "spell/spell_open.h"
#include "spell/spell_prefs.h"
#include "text/story_text.h"

DictXT* gDictXT = nullptr;
xt_menu gDictMenu = 0;

int32_t DictXT::InstallMenus(xt_menu_record* record) {
  prefs_ = LoadDictPrefs();
  SpellSession probe;
  probe.Open();
  probe.Close();
  gDictMenu = AddModuleMenu(record->menu_bar, MACCE("Polish Spell Checker"), Entries());
  return 0;
}

int32_t DictXT::DoMenuCommand(xt_menu_record* record) {
  RunMenuEntry(record->item, Entries());
  return 0;
}

MenuEntries DictXT::Entries() {
  return {
      {MACCE("Check Word..."), &check_word_item,
       [this] {
         if (DocumentOpen() && IsTextBox(GetCurrentBox()) && GetCurrentTool() == kContentTool) {
           Check(CheckMode::kWord, false);
         }
       }},
      {MACCE("Check Story..."), &check_story_item,
       [this] {
         if (DocumentOpen() && IsTextBox(GetCurrentBox())) Check(CheckMode::kStory, true);
       }},
      {MACCE("Check Document..."), &check_document_item,
       [this] {
         if (DocumentOpen()) Check(CheckMode::kDocument, true);
       }},
      {nullptr, nullptr, nullptr},
      {MACCE("Dictionary Preferences..."), &preferences_item, [this] { Preferences(); }},
      {MACCE("About Wirsel..."), &about_item, ShowAboutDialog},
  };
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

// The spelling module's menu, the state of its items and command dispatch.
#include "spell/spell_module.h"

#include "base/macce.h"
#include "dialogs/about.h"
#include "spell/spell_open.h"
#include "spell/spell_prefs.h"
#include "text/story_text.h"

DictXT* gDictXT = nullptr;

DictXT::DictXT() : MenuModule(MACCE("Polish Spell Checker")) {}

void DictXT::Prepare() {
  prefs_ = LoadDictPrefs();
  SpellSession probe;
  probe.Open();
  probe.Close();
}

MenuEntries DictXT::Entries() {
  return {
      {MACCE("Check Word..."),
       [this] {
         if (DocumentOpen() && IsTextBox(GetCurrentBox()) && GetCurrentTool() == kContentTool) {
           Check(CheckMode::kWord, false);
         }
       },
       &MenuState::word_items},
      {MACCE("Check Story..."),
       [this] {
         if (DocumentOpen() && IsTextBox(GetCurrentBox())) Check(CheckMode::kStory, true);
       },
       &MenuState::story_item},
      {MACCE("Check Document..."),
       [this] {
         if (DocumentOpen()) Check(CheckMode::kDocument, true);
       },
       &MenuState::document_items},
      {nullptr, nullptr},
      {MACCE("Dictionary Preferences..."), [this] { Preferences(); }},
      {MACCE("About Wirsel..."), ShowAboutDialog},
  };
}

void DictXT::ApplyMenuState(const MenuState& state) {
  MenuModule::ApplyMenuState(state);
  // Check Word takes its other title only at the content tool's caret or range.
  if (state.titles == MenuState::kSelection) {
    SetMenuItemText(menu(), item_id(kCheckWord), MACCE("Check Selection..."));
  } else if (state.titles == MenuState::kInsertion) {
    SetMenuItemText(menu(), item_id(kCheckWord), MACCE("Check Word..."));
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

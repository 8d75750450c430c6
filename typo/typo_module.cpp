// The typography module: its menu, the state of its box item, and its
// commands.
#include "typo/typo_module.h"

#include "base/macce.h"
#include "dialogs/about.h"
#include "typo/typo_prefs.h"
#include "text/story_text.h"
#include "typo/typo_box.h"
#include "typo/typo_options.h"

TypoXT* gTypoXT = nullptr;
xt_menu gTypoMenu = 0;

int32_t TypoXT::InstallMenus(xt_menu_record* record) {
  LoadTypographyOptions();
  gTypoMenu = AddModuleMenu(record->menu_bar, MACCE("Typography"), Entries());
  return 0;
}

int32_t TypoXT::DoMenuCommand(xt_menu_record* record) {
  RunMenuEntry(record->item, Entries());
  return 0;
}

MenuEntries TypoXT::Entries() {
  return {
      {MACCE("Typography In Box"), &typography_item, TypographyInBox},
      {nullptr, nullptr, nullptr},
      {MACCE("Typography Preferences..."), &preferences_item, [] { TypographyPreferences(); }},
      {MACCE("About Wirsel..."), &about_item, ShowAboutDialog},
  };
}

void TypoXT::ApplyMenuState(const MenuState& state) {
  EnableMenuItem(gTypoMenu, typography_item, state.box_items);
  const char* title = nullptr;
  switch (state.titles) {
    case MenuState::kKeepTitles:
      return;
    case MenuState::kBoxes:
      title = MACCE("Typography In Boxes");
      break;
    case MenuState::kSelection:
      title = MACCE("Typography In Selection");
      break;
    case MenuState::kBox:
    case MenuState::kInsertion:
      title = MACCE("Typography In Box");
      break;
  }
  SetMenuItemText(gTypoMenu, typography_item, title);
}

void TypographyInBox() {
  if (!DocumentOpen()) return;
  const xt_box box = GetCurrentBox();
  if (box == 0 || !(IsTextBox(box) || IsGroup(box))) return;
  LoadTypographyOptions();
  BeginUndoableChange();
  TypographyInCurrentBox();
  EndUndoableChange();
}

int32_t TypographyPreferences() {
  LoadTypographyOptions();
  CTypoPrefsDialog dialog;
  dialog.Run();
  return 1;
}

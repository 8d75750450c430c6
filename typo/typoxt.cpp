// The typography module: its menu, the state of its box item, and its
// commands.
#include "typo/typoxt.h"

#include "base/macce.h"
#include "dialogs/about.h"
#include "typo/typo_prefs.h"
#include "text/storytext.h"
#include "typo/typobox.h"
#include "typo/typooptions.h"

TypoXT* gTypoXT = nullptr;
xt_menu gTypoMenu = 0;

int32_t TypoXT::InstallMenus(xt_menu_record* record) {
  LoadTypographyOptions();
  gTypoMenu = AddMenu(record->menu_bar, MACCE("Typography"));
  typography_item = AddMenuItem(gTypoMenu, MACCE("Typography In Box"));
  AddSeparator(gTypoMenu);
  preferences_item = AddMenuItem(gTypoMenu, MACCE("Typography Preferences..."));
  about_item = AddMenuItem(gTypoMenu, MACCE("About Wirsel..."));
  return 0;
}

int32_t TypoXT::DoMenuCommand(xt_menu_record* record) {
  const uint16_t item = record->item;
  if (item == 0) return 0;
  if (item == typography_item) {
    TypographyInBox();
  } else if (item == preferences_item) {
    TypographyPreferences();
  } else if (item == about_item) {
    ShowAboutDialog();
  }
  return 0;
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

// The typography module's menu and command dispatch.
#include "typo/typoxt.h"

#include "base/macce.h"
#include "shell/shell.h"

TypoXT* gTypoXT = nullptr;
xt_menu gTypoMenu = 0;

int32_t TypoXT::InstallMenus(xt_menu_record* record) {
  gTypoMenu = AddMenu(record->menu_bar, MACCE("Typography"));
  typography_item = AddMenuItem(gTypoMenu, MACCE("Typography In Box"));
  AddSeparator(gTypoMenu);
  preferences_item = AddMenuItem(gTypoMenu, MACCE("Typography Preferences..."));
  about_item = AddMenuItem(gTypoMenu, MACCE("About Wirsel..."));
  return 0;
}

int32_t TypoXT::UpdateMenus() { return 0; }

int32_t TypoXT::DoMenuCommand(xt_menu_record* record) {
  const uint16_t item = record->item;
  if (item == 0) return 0;
  if (item == about_item) ShowAboutDialog();
  return 0;
}

int32_t TypoXT::Notify(xt_language_record*) { return 0; }

// The hyphenation module's menu and command dispatch.
#include "hyph/hyphxt.h"

#include "base/macce.h"
#include "shell/shell.h"

HyphXT* gHyphXT = nullptr;
xt_menu gHyphMenu = 0;

int32_t HyphXT::InstallMenus(xt_menu_record* record) {
  gHyphMenu = AddMenu(record->menu_bar, MACCE("Polish Hyphenation"));
  hyphenate_item = AddMenuItem(gHyphMenu, MACCE("Hyphenate Box"));
  remove_item = AddMenuItem(gHyphMenu, MACCE("Remove Hyphens From Box"));
  suggest_item = AddMenuItem(gHyphMenu, MACCE("Suggest Hyphenation..."));
  remove_document_item = AddMenuItem(gHyphMenu, MACCE("Remove hyphens from document"));
  AddSeparator(gHyphMenu);
  preferences_item = AddMenuItem(gHyphMenu, MACCE("Hyphenation Preferences..."));
  about_item = AddMenuItem(gHyphMenu, MACCE("About Wirsel..."));
  return 0;
}

int32_t HyphXT::UpdateMenus() { return 0; }

int32_t HyphXT::DoMenuCommand(xt_menu_record* record) {
  const uint16_t item = record->item;
  if (item == 0) return 0;
  if (item == about_item) ShowAboutDialog();
  return 0;
}

int32_t HyphXT::Notify(xt_language_record*) { return 0; }

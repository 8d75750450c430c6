// The spelling module's menu and command dispatch.
#include "spell/dictxt.h"

#include "base/macce.h"
#include "shell/shell.h"

DictXT* gDictXT = nullptr;
xt_menu gDictMenu = 0;

int32_t DictXT::InstallMenus(xt_menu_record* record) {
  gDictMenu = AddMenu(record->menu_bar, MACCE("Polish Spell Checker"));
  check_word_item = AddMenuItem(gDictMenu, MACCE("Check Word..."));
  check_story_item = AddMenuItem(gDictMenu, MACCE("Check Story..."));
  check_document_item = AddMenuItem(gDictMenu, MACCE("Check Document..."));
  AddSeparator(gDictMenu);
  preferences_item = AddMenuItem(gDictMenu, MACCE("Dictionary Preferences..."));
  about_item = AddMenuItem(gDictMenu, MACCE("About Wirsel..."));
  return 0;
}

int32_t DictXT::UpdateMenus() { return 0; }

int32_t DictXT::DoMenuCommand(xt_menu_record* record) {
  const uint16_t item = record->item;
  if (item == 0) return 0;
  if (item == about_item) ShowAboutDialog();
  return 0;
}

int32_t DictXT::Notify(xt_language_record*) { return 0; }

// The hyphenation module's menu, the state of its items and command dispatch.
#include "hyph/hyphxt.h"

#include "base/macce.h"
#include "dialogs/about.h"
#include "hyph/hyphcallbacks.h"
#include "hyph/hyphcommands.h"
#include "hyph/hyphmodule.h"
#include "hyph/hyphoptions.h"
#include "services/menus.h"

HyphXT* gHyphXT = nullptr;
xt_menu gHyphMenu = 0;

HyphXT::HyphXT() { InstallHyphenationHooks(); }

HyphXT::~HyphXT() { CloseHyphenation(); }

int32_t HyphXT::InstallMenus(xt_menu_record* record) {
  LoadHyphenationOptions();
  EnsureHyphenationOpen(true);
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

int32_t HyphXT::DoMenuCommand(xt_menu_record* record) {
  const uint16_t item = record->item;
  if (item == 0) return 0;
  if (item == hyphenate_item) {
    HyphenateCommand();
  } else if (item == remove_item) {
    RemoveHyphensCommand();
  } else if (item == suggest_item) {
    SuggestCommand();
  } else if (item == remove_document_item) {
    RemoveHyphensFromDocument();
  } else if (item == preferences_item) {
    OpenHyphenationPreferences();
  } else if (item == about_item) {
    ShowAboutDialog();
  }
  return 0;
}

void HyphXT::ApplyMenuState(const MenuState& state) {
  EnableMenuItem(gHyphMenu, hyphenate_item, state.box_items);
  EnableMenuItem(gHyphMenu, remove_item, state.box_items);
  EnableMenuItem(gHyphMenu, suggest_item, state.word_items);
  EnableMenuItem(gHyphMenu, remove_document_item, state.document_items);
  const char* hyphenate = nullptr;
  const char* remove = nullptr;
  switch (state.titles) {
    case MenuState::kKeepTitles:
      return;
    case MenuState::kBoxes:
      hyphenate = MACCE("Hyphenate Boxes");
      remove = MACCE("Remove Hyphens From Boxes");
      break;
    case MenuState::kSelection:
      hyphenate = MACCE("Hyphenate Selection");
      remove = MACCE("Remove Hyphens From Selection");
      break;
    case MenuState::kBox:
    case MenuState::kInsertion:
      hyphenate = MACCE("Hyphenate Box");
      remove = MACCE("Remove Hyphens From Box");
      break;
  }
  SetMenuItemText(gHyphMenu, hyphenate_item, hyphenate);
  SetMenuItemText(gHyphMenu, remove_item, remove);
}

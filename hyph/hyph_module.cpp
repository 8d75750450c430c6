// The hyphenation module's menu, the state of its items and command dispatch.
#include "hyph/hyph_module.h"

#include "base/macce.h"
#include "dialogs/about.h"
#include "hyph/hyph_callbacks.h"
#include "hyph/hyph_commands.h"
#include "hyph/hyph_open.h"
#include "hyph/hyph_options.h"
#include "services/menus.h"

HyphXT* gHyphXT = nullptr;
xt_menu gHyphMenu = 0;

HyphXT::HyphXT() { InstallHyphenationHooks(); }

HyphXT::~HyphXT() { CloseHyphenation(); }

int32_t HyphXT::InstallMenus(xt_menu_record* record) {
  LoadHyphenationOptions();
  EnsureHyphenationOpen(true);
  gHyphMenu = AddModuleMenu(record->menu_bar, MACCE("Polish Hyphenation"), Entries());
  return 0;
}

int32_t HyphXT::DoMenuCommand(xt_menu_record* record) {
  RunMenuEntry(record->item, Entries());
  return 0;
}

MenuEntries HyphXT::Entries() {
  return {
      {MACCE("Hyphenate Box"), &hyphenate_item, HyphenateCommand},
      {MACCE("Remove Hyphens From Box"), &remove_item, RemoveHyphensCommand},
      {MACCE("Suggest Hyphenation..."), &suggest_item, SuggestCommand},
      {MACCE("Remove hyphens from document"), &remove_document_item,
       [] { RemoveHyphensFromDocument(); }},
      {nullptr, nullptr, nullptr},
      {MACCE("Hyphenation Preferences..."), &preferences_item, OpenHyphenationPreferences},
      {MACCE("About Wirsel..."), &about_item, ShowAboutDialog},
  };
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

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

HyphXT::HyphXT() : MenuModule(MACCE("Polish Hyphenation")) { InstallHyphenationHooks(); }

HyphXT::~HyphXT() { CloseHyphenation(); }

void HyphXT::Prepare() {
  LoadHyphenationOptions();
  EnsureHyphenationOpen(true);
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
  EnableMenuItem(menu(), hyphenate_item, state.box_items);
  EnableMenuItem(menu(), remove_item, state.box_items);
  EnableMenuItem(menu(), suggest_item, state.word_items);
  EnableMenuItem(menu(), remove_document_item, state.document_items);
  RetitleBoxItem(menu(), hyphenate_item, state.titles,
                 {MACCE("Hyphenate Box"), MACCE("Hyphenate Boxes"), MACCE("Hyphenate Selection")});
  RetitleBoxItem(menu(), remove_item, state.titles,
                 {MACCE("Remove Hyphens From Box"), MACCE("Remove Hyphens From Boxes"),
                  MACCE("Remove Hyphens From Selection")});
}

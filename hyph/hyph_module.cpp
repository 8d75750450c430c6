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

namespace {

const BoxItemTitles kHyphenateTitles = {MACCE("Hyphenate Box"), MACCE("Hyphenate Boxes"),
                                        MACCE("Hyphenate Selection")};
const BoxItemTitles kRemoveTitles = {MACCE("Remove Hyphens From Box"),
                                     MACCE("Remove Hyphens From Boxes"),
                                     MACCE("Remove Hyphens From Selection")};

}  // namespace

HyphXT::HyphXT() : MenuModule(MACCE("Polish Hyphenation")) { InstallHyphenationHooks(); }

HyphXT::~HyphXT() { CloseHyphenation(); }

void HyphXT::Prepare() {
  LoadHyphenationOptions();
  EnsureHyphenationOpen(true);
}

MenuEntries HyphXT::Entries() {
  return {
      {kHyphenateTitles.box, HyphenateCommand, &MenuState::box_items, &kHyphenateTitles},
      {kRemoveTitles.box, RemoveHyphensCommand, &MenuState::box_items, &kRemoveTitles},
      {MACCE("Suggest Hyphenation..."), SuggestCommand, &MenuState::word_items},
      {MACCE("Remove hyphens from document"), [] { RemoveHyphensFromDocument(); },
       &MenuState::document_items},
      {nullptr, nullptr},
      {MACCE("Hyphenation Preferences..."), OpenHyphenationPreferences},
      {MACCE("About Wirsel..."), ShowAboutDialog},
  };
}

// The plug-in's menus: creating them through the host's menu suite with
// translated texts, and the item-state and title rule of every menu update.
#include "shell/menus.h"

#include "base/macce.h"
#include "hyph/hyphxt.h"
#include "shell/host.h"
#include "shell/shell.h"
#include "shell/translate.h"
#include "spell/dictxt.h"
#include "typo/typoxt.h"

#include <vector>

namespace {

inline constexpr size_t kMenuTextSize = 512;

// Every item's stored (untranslated) title, so that a change of the
// interface language can show all of them in the new language.
struct StoredTitle {
  xt_menu menu;
  uint16_t item;
  const char* text;
};
std::vector<StoredTitle> gTitles;

void RememberTitle(xt_menu menu, uint16_t item, const char* text) {
  for (StoredTitle& title : gTitles) {
    if (title.menu == menu && title.item == item) {
      title.text = text;
      return;
    }
  }
  gTitles.push_back({menu, item, text});
}

}  // namespace

xt_menu AddMenu(xt_menu host_menu, const char* title) {
  char text[kMenuTextSize];
  ToDisplay(title, text, sizeof text);
  const xt_menu menu = gMenuSuite->new_menu(text);
  gMenuSuite->append_submenu(host_menu, text, menu);
  return menu;
}

uint16_t AddMenuItem(xt_menu menu, const char* text) {
  char display[kMenuTextSize];
  const uint16_t item = gMenuSuite->append_item(menu, ToDisplay(text, display, sizeof display));
  RememberTitle(menu, item, text);
  return item;
}

void ForgetMenuTitles() { gTitles.clear(); }

void RetitleMenuItems() {
  char display[kMenuTextSize];
  for (const StoredTitle& title : gTitles) {
    gMenuSuite->set_item_text(title.menu, title.item, ToDisplay(title.text, display, sizeof display));
  }
}

void AddSeparator(xt_menu menu) { gMenuSuite->append_separator(menu); }

void EnableMenuItem(xt_menu menu, uint16_t item, bool on) {
  if (item == 0) return;
  gMenuSuite->enable_item(menu, item, on ? 1 : 0);
}

void SetMenuItemText(xt_menu menu, uint16_t item, const char* text) {
  if (item == 0) return;
  char display[kMenuTextSize];
  gMenuSuite->set_item_text(menu, item, ToDisplay(text, display, sizeof display));
  RememberTitle(menu, item, text);
}

MenuState ComputeMenuState(const TextTarget& target) {
  MenuState state;
  const bool d = target.document;
  const bool g = target.valid && target.group;
  const bool t = target.valid && target.text;
  const bool e = target.content_tool;
  const bool s = t && e && target.sel_start != target.sel_end;
  state.box_items = d && (g || t);
  state.word_items = d && t && e;
  state.story_item = d && t;
  state.document_items = d;
  if (!d || !target.valid) return state;
  if (g) {
    state.titles = MenuState::kBoxes;
  } else if (t && e) {
    state.titles = s ? MenuState::kSelection : MenuState::kInsertion;
  } else if (t) {
    state.titles = MenuState::kBox;
  }
  return state;
}

void ApplyMenuState(const MenuState& state) {
  HyphXT& hyph = *gHyphXT;
  DictXT& dict = *gDictXT;
  TypoXT& typo = *gTypoXT;
  EnableMenuItem(gHyphMenu, hyph.hyphenate_item, state.box_items);
  EnableMenuItem(gHyphMenu, hyph.remove_item, state.box_items);
  EnableMenuItem(gTypoMenu, typo.typography_item, state.box_items);
  EnableMenuItem(gHyphMenu, hyph.suggest_item, state.word_items);
  EnableMenuItem(gDictMenu, dict.check_word_item, state.word_items);
  EnableMenuItem(gDictMenu, dict.check_story_item, state.story_item);
  EnableMenuItem(gHyphMenu, hyph.remove_document_item, state.document_items);
  EnableMenuItem(gDictMenu, dict.check_document_item, state.document_items);

  const char* hyphenate = nullptr;
  const char* remove = nullptr;
  const char* typography = nullptr;
  const char* check = nullptr;
  switch (state.titles) {
    case MenuState::kKeepTitles:
      return;
    case MenuState::kBoxes:
      hyphenate = MACCE("Hyphenate Boxes");
      remove = MACCE("Remove Hyphens From Boxes");
      typography = MACCE("Typography In Boxes");
      break;
    case MenuState::kSelection:
      hyphenate = MACCE("Hyphenate Selection");
      remove = MACCE("Remove Hyphens From Selection");
      typography = MACCE("Typography In Selection");
      check = MACCE("Check Selection...");
      break;
    case MenuState::kInsertion:
      check = MACCE("Check Word...");
      [[fallthrough]];
    case MenuState::kBox:
      hyphenate = MACCE("Hyphenate Box");
      remove = MACCE("Remove Hyphens From Box");
      typography = MACCE("Typography In Box");
      break;
  }
  SetMenuItemText(gHyphMenu, hyph.hyphenate_item, hyphenate);
  SetMenuItemText(gHyphMenu, hyph.remove_item, remove);
  SetMenuItemText(gTypoMenu, typo.typography_item, typography);
  if (check) SetMenuItemText(gDictMenu, dict.check_word_item, check);
}

// The menu primitives: menus and items made and changed through the host's
// menu suite with translated texts.
#include "services/menus.h"

#include <vector>

#include "services/host.h"
#include "services/services.h"
#include "services/translate.h"

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
    gMenuSuite->set_item_text(title.menu, title.item,
                              ToDisplay(title.text, display, sizeof display));
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

namespace {

// Gives a box command's item the title that fits the menu state; nothing when
// the titles stay as they are.
void RetitleBoxItem(xt_menu menu, uint16_t item, MenuState::Titles titles,
                    const BoxItemTitles& forms) {
  switch (titles) {
    case MenuState::kKeepTitles:
      return;
    case MenuState::kBoxes:
      return SetMenuItemText(menu, item, forms.boxes);
    case MenuState::kSelection:
      return SetMenuItemText(menu, item, forms.selection);
    case MenuState::kBox:
    case MenuState::kInsertion:
      return SetMenuItemText(menu, item, forms.box);
  }
}

}  // namespace

template <typename Visit>
void MenuModule::ForEachItem(Visit visit) {
  size_t n = 0;
  for (const MenuEntry& entry : Entries()) {
    if (entry.title != nullptr && visit(entry, item_id(n++))) return;
  }
}

int32_t MenuModule::InstallMenus(xt_menu_record* record) {
  Prepare();
  menu_ = AddMenu(record->menu_bar, title_);
  item_ids_.clear();
  for (const MenuEntry& entry : Entries()) {
    if (entry.title == nullptr) {
      AddSeparator(menu_);
    } else {
      item_ids_.push_back(AddMenuItem(menu_, entry.title));
    }
  }
  return 0;
}

int32_t MenuModule::DoMenuCommand(xt_menu_record* record) {
  if (record->item == 0) return 0;
  ForEachItem([record](const MenuEntry& entry, uint16_t id) {
    if (id != record->item) return false;
    entry.command();
    return true;
  });
  return 0;
}

void MenuModule::ApplyMenuState(const MenuState& state) {
  ForEachItem([this, &state](const MenuEntry& entry, uint16_t id) {
    if (entry.enabled) EnableMenuItem(menu_, id, state.*entry.enabled);
    if (entry.box_titles) RetitleBoxItem(menu_, id, state.titles, *entry.box_titles);
    return false;
  });
}

// The host's menus.
#include "host/menubar.h"

#include <limits>

MenuBar::MenuBar() { menus_.push_back(Menu{kBar, "", {}}); }

Menu* MenuBar::FindMutable(xt_menu id) {
  for (Menu& menu : menus_) {
    if (menu.id == id) return &menu;
  }
  return nullptr;
}

const Menu* MenuBar::Find(xt_menu id) const {
  return const_cast<MenuBar*>(this)->FindMutable(id);
}

xt_menu MenuBar::NewMenu(const char* title) {
  const auto id = static_cast<xt_menu>(menus_.size() + 1);
  menus_.push_back(Menu{id, title ? title : "", {}});
  return id;
}

uint16_t MenuBar::AppendItem(xt_menu menu, const char* text) {
  Menu* target = FindMutable(menu);
  if (!target || next_item_ == std::numeric_limits<uint16_t>::max()) return 0;
  MenuItem item;
  item.id = next_item_++;
  item.title = text ? text : "";
  target->items.push_back(item);
  return item.id;
}

uint16_t MenuBar::AppendSubmenu(xt_menu parent, const char* title, xt_menu child) {
  if (!Find(child) || child == kBar || child == parent) return 0;
  const uint16_t id = AppendItem(parent, title);
  if (id == 0) return 0;
  FindMutable(parent)->items.back().submenu = child;
  if (title) FindMutable(child)->title = title;
  return id;
}

void MenuBar::AppendSeparator(xt_menu menu) {
  if (Menu* target = FindMutable(menu)) {
    MenuItem item;
    item.separator = true;
    target->items.push_back(item);
  }
}

// Item ids are unique across all menus, so an item is found by its id alone.
MenuItem* MenuBar::FindItemMutable(uint16_t id) {
  if (id == 0) return nullptr;
  for (Menu& m : menus_) {
    for (MenuItem& item : m.items) {
      if (item.id == id) return &item;
    }
  }
  return nullptr;
}

const MenuItem* MenuBar::FindItem(uint16_t id) const {
  return const_cast<MenuBar*>(this)->FindItemMutable(id);
}

void MenuBar::EnableItem(xt_menu menu, uint16_t item, bool on) {
  if (MenuItem* found = FindItemMutable(item)) found->enabled = on;
}

void MenuBar::SetItemText(xt_menu menu, uint16_t item, const char* text) {
  if (MenuItem* found = FindItemMutable(item); found && text) found->title = text;
}

std::vector<const Menu*> MenuBar::TopMenus() const {
  std::vector<const Menu*> top;
  for (const MenuItem& entry : menus_.front().items) {
    if (const Menu* menu = Find(entry.submenu)) top.push_back(menu);
  }
  return top;
}

MenuBar& HostMenus() {
  static MenuBar bar;
  return bar;
}

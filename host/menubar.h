// The host's menus: a menu bar whose entries are plug-in menus, items with
// ids handed out from 101 up, separators, enabled state and titles. Titles
// are kept as the plug-in sent them (Windows-1250).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "xtapi/xtapi.h"

struct MenuItem {
  uint16_t id = 0;        // 0 for a separator or a submenu entry
  std::string title;
  bool enabled = true;
  xt_menu submenu = 0;    // a menu hung under this entry
  bool separator = false;
};

struct Menu {
  xt_menu id = 0;
  std::string title;
  std::vector<MenuItem> items;
};

class MenuBar {
 public:
  MenuBar();

  // The menu handed to the plug-ins in menu records.
  xt_menu BarId() const { return kBar; }

  xt_menu NewMenu(const char* title);
  // Hangs `child` under a new entry of `parent`; 0 when either is unknown.
  uint16_t AppendSubmenu(xt_menu parent, const char* title, xt_menu child);
  uint16_t AppendItem(xt_menu menu, const char* text);  // 0 when the menu is unknown
  void AppendSeparator(xt_menu menu);
  // Both address the item by its id, wherever it sits; unknown ids are ignored.
  void EnableItem(xt_menu menu, uint16_t item, bool on);
  void SetItemText(xt_menu menu, uint16_t item, const char* text);

  const Menu* Find(xt_menu id) const;
  const MenuItem* FindItem(uint16_t id) const;
  // The menus hung under the bar, in order.
  std::vector<const Menu*> TopMenus() const;

 private:
  static constexpr xt_menu kBar = 1;
  Menu* FindMutable(xt_menu id);
  MenuItem* FindItemMutable(uint16_t id);
  std::vector<Menu> menus_;
  uint16_t next_item_ = XT_FIRST_ITEM_ID;
};

MenuBar& HostMenus();

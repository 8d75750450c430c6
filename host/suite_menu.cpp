// The menu suite over the host's menu bar.
#include "host/menubar.h"
#include "host/suites.h"

namespace {

xt_menu NewMenu(const char* title) { return HostMenus().NewMenu(title); }
uint16_t AppendSubmenu(xt_menu parent, const char* title, xt_menu child) {
  return HostMenus().AppendSubmenu(parent, title, child);
}
uint16_t AppendItem(xt_menu menu, const char* text) { return HostMenus().AppendItem(menu, text); }
void AppendSeparator(xt_menu menu) { HostMenus().AppendSeparator(menu); }
void EnableItem(xt_menu menu, uint16_t item, int32_t on) {
  HostMenus().EnableItem(menu, item, on != 0);
}
void SetItemText(xt_menu menu, uint16_t item, const char* text) {
  HostMenus().SetItemText(menu, item, text);
}
// The host has no native menus; the menu id stands in for the handle.
uint64_t NativeMenu(xt_menu menu) { return HostMenus().Find(menu) ? menu : 0; }

}  // namespace

std::span<const xt_fn> MenuSuiteTable() {
  return Suite<XT_MENU_SUITE_COUNT, NewMenu, AppendSubmenu, AppendItem, AppendSeparator, EnableItem,
               SetItemText, NativeMenu>();
}

// The menu primitives: menus and items made and changed through the host's
// menu suite with translated texts.
#include "services/menus.h"

#include "services/host.h"
#include "services/services.h"
#include "services/translate.h"

namespace {

inline constexpr size_t kMenuTextSize = 512;

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
  return gMenuSuite->append_item(menu, ToDisplay(text, display, sizeof display));
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
}

// Starting the plug-ins and driving their menus.
#include "host/runtime.h"

#include <cstdlib>

#include "host/cmd_registry.h"
#include "host/cp1250.h"
#include "host/menubar.h"
#include "host/messages/messages.h"
#include "host/progress.h"
#include "host/session.h"

namespace {

// A title as compared: without a trailing "..." or "…".
std::string Comparable(std::string title) {
  for (const std::string tail : {"...", "\u2026"}) {
    if (title.size() >= tail.size() && title.compare(title.size() - tail.size(), tail.size(), tail) == 0) {
      title.erase(title.size() - tail.size());
    }
  }
  return title;
}

}  // namespace

int16_t LanguageFromOption(const std::string& option) {
  if (option == "pl") return kPolish;
  if (option == "en") return kEnglish;
  if (!option.empty()) return -1;
  return wirsel::messages::Polish() ? kPolish : kEnglish;
}

bool HostRuntime::Start(int16_t language, std::string& error) {
  Session().language = language;
  if (!plugins_.LoadFolder(XTensionsFolder(), error)) return false;
  xt_menu_record install{XT_CB_INSTALL_MENUS, HostMenus().BarId(), 0, 0};
  plugins_.Send(XT_CB_INSTALL_MENUS, &install);
  SetLanguage(language);
  return true;
}

void HostRuntime::SetLanguage(int16_t language) {
  Session().language = language;
  xt_language_record record{};
  record.id = XT_CB_LANGUAGE;
  record.language = language;
  plugins_.Send(XT_CB_LANGUAGE, &record);
}

void HostRuntime::UpdateMenus() {
  xt_menu_record update{XT_CB_UPDATE_MENUS, HostMenus().BarId(), 0, 0};
  plugins_.Send(XT_CB_UPDATE_MENUS, &update);
}

uint16_t HostRuntime::FindItem(const std::string& title) const {
  const std::string wanted = Comparable(title);
  for (const Menu* menu : HostMenus().TopMenus()) {
    for (const MenuItem& item : menu->items) {
      if (item.id != 0 && !item.submenu && Comparable(Win1250ToUtf8(item.title)) == wanted) {
        return item.id;
      }
    }
  }
  return 0;
}

bool HostRuntime::Choose(const std::string& title, std::string& error) {
  UpdateMenus();
  uint16_t id = FindItem(title);
  if (id == 0) {
    // Named in the other language: look there, then come back.
    const int16_t shown = Session().language;
    SetLanguage(shown == kPolish ? kEnglish : kPolish);
    UpdateMenus();
    id = FindItem(title);
    SetLanguage(shown);
    UpdateMenus();
  }
  const MenuItem* item = HostMenus().FindItem(id);
  if (!item) {
    error = Msg("no menu item \"{1}\"", title);
    return false;
  }
  if (!item->enabled) {
    error = Msg("the menu item \"{1}\" is disabled", title);
    return false;
  }
  xt_menu_record choice{XT_CB_MENU_SELECT, HostMenus().BarId(), id, 0};
  HostProgress().BeginCommand();
  plugins_.Send(XT_CB_MENU_SELECT, &choice);
  HostProgress().Clear();
  return true;
}

std::string HostRuntime::MenuListing() const {
  std::string out;
  for (const Menu* menu : HostMenus().TopMenus()) {
    out += Win1250ToUtf8(menu->title) + "\n";
    for (const MenuItem& item : menu->items) {
      if (item.separator) {
        out += "  ----\n";
      } else {
        out += std::string("  ") + (item.enabled ? "+ " : "- ") + Win1250ToUtf8(item.title) + "\n";
      }
    }
  }
  return out;
}

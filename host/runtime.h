// What every `wirsel` command that drives the plug-ins needs: the plug-ins
// loaded from the XTensions folder and started, menus installed in the
// interface language, menu updates, and choosing a menu item by its title.
#pragma once

#include <cstdint>
#include <string>

#include "host/plugins.h"

class HostRuntime {
 public:
  // Loads and starts the plug-ins, sets the language and installs the menus
  // (callbacks 6, then 5). False with `error` set when a plug-in is missing,
  // is not a plug-in, or refuses.
  bool Start(int16_t language, std::string& error);

  // Callback 7, as before a menu is shown.
  void UpdateMenus();
  // Callback 5 with a new interface language.
  void SetLanguage(int16_t language);
  // Updates the menus, finds the item shown with `title` (UTF-8; also its
  // title in the other language, and a trailing "..." may be left out) and
  // chooses it (callback 618). False with `error` when no enabled item has
  // that title.
  bool Choose(const std::string& title, std::string& error);

  // The menu bar as text: each menu's title, then its items, "+" enabled,
  // "-" disabled, "----" a separator.
  std::string MenuListing() const;

  PluginHost& plugins() { return plugins_; }

 private:
  uint16_t FindItem(const std::string& title) const;
  PluginHost plugins_;  // shuts the plug-ins down when the runtime goes
};

// Language codes of the interface: 42 is Polish, 0 English.
inline constexpr int16_t kEnglish = 0;
inline constexpr int16_t kPolish = 42;
// "pl" or "en"; an empty text means the default (Polish when LANG starts
// with "pl"). Answers -1 for anything else.
int16_t LanguageFromOption(const std::string& option);

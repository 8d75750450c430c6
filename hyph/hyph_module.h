// The hyphenation module: its menu, commands and the host's hyphenation
// callbacks.
#pragma once

#include <cstdint>

#include "services/menus.h"
#include "xtapi/xtapi.h"

class HyphXT : public MenuModule {
 public:
  // The module's items in menu order (see MenuModule::item_id).
  enum Item { kHyphenate, kRemoveHyphens, kSuggest, kRemoveFromDocument, kPreferences, kAbout };

  // Hands the module's hyphenation callbacks to the shell.
  HyphXT();
  // Closes the engine.
  ~HyphXT() override;
  HyphXT(const HyphXT&) = delete;
  HyphXT& operator=(const HyphXT&) = delete;

 private:
  // Loads the options and opens the engine.
  void Prepare() override;
  MenuEntries Entries() override;
};

extern HyphXT* gHyphXT;

// The hyphenation module: its menu, commands and the host's hyphenation
// callbacks.
#pragma once

#include <cstdint>

#include "services/menus.h"
#include "xtapi/xtapi.h"

class HyphXT : public MenuModule {
 public:
  // Hands the module's hyphenation callbacks to the shell.
  HyphXT();
  // Closes the engine.
  ~HyphXT() override;
  HyphXT(const HyphXT&) = delete;
  HyphXT& operator=(const HyphXT&) = delete;

  // Host ids of the module's items (0 = absent), in this order.
  uint16_t hyphenate_item = 0;
  uint16_t remove_item = 0;
  uint16_t suggest_item = 0;
  uint16_t remove_document_item = 0;
  uint16_t preferences_item = 0;
  uint16_t about_item = 0;

 private:
  // Loads the options and opens the engine.
  void Prepare() override;
  MenuEntries Entries() override;
};

extern HyphXT* gHyphXT;

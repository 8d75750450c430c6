// The spelling module: its menu and the spell-check commands.
#pragma once

#include <cstdint>

#include "spell/spell_run.h"
#include "spell/spell_options.h"
#include "services/menus.h"
#include "xtapi/xtapi.h"

class DictXT : public MenuModule {
 public:
  DictXT();
  void ApplyMenuState(const MenuState& state) override;

  // Host ids of the module's items (0 = absent), in this order.
  uint16_t check_word_item = 0;
  uint16_t check_story_item = 0;
  uint16_t check_document_item = 0;
  uint16_t preferences_item = 0;
  uint16_t about_item = 0;

 private:
  // Runs a check in `mode` with the content tool, putting the previous tool
  // back afterwards when `switch_tool` is set.
  void Check(CheckMode mode, bool switch_tool);
  void Preferences();
  // Loads the preferences and tries the dictionaries once.
  void Prepare() override;
  MenuEntries Entries() override;
  // Read afresh at the start of every command.
  DictPrefs prefs_;
};

extern DictXT* gDictXT;

// The spelling module: its menu and the spell-check commands.
#pragma once

#include <cstdint>

#include "services/menus.h"
#include "spell/spell_options.h"
#include "spell/spell_run.h"
#include "xtapi/xtapi.h"

class DictXT : public MenuModule {
 public:
  // The module's items in menu order (see MenuModule::item_id).
  enum Item { kCheckWord, kCheckStory, kCheckDocument, kPreferences, kAbout };

  DictXT();
  void ApplyMenuState(const MenuState& state) override;

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

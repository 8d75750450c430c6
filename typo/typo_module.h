// The typography module: its menu and commands.
#pragma once

#include <cstdint>

#include "services/menus.h"
#include "xtapi/xtapi.h"

class TypoXT : public MenuModule {
 public:
  // The module's items in menu order (see MenuModule::item_id).
  enum Item { kTypography, kPreferences, kAbout };

  TypoXT();

 private:
  // Loads the options.
  void Prepare() override;
  MenuEntries Entries() override;
};

extern TypoXT* gTypoXT;

// The box command: reloads the options and runs the pass over the current
// box inside one undoable change. Nothing without a text box or group. The
// hyphenation command calls it first when its option says so.
void TypographyInBox();
// Opens the preferences dialog on the stored options; answers 1.
int32_t TypographyPreferences();

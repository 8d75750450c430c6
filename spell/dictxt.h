// The spelling module: its menu and the spell-check commands.
#pragma once

#include <cstdint>

#include "xtapi/xtapi.h"

class DictXT {
 public:
  virtual ~DictXT() = default;
  virtual int32_t InstallMenus(xt_menu_record* record);
  virtual int32_t UpdateMenus();
  virtual int32_t DoMenuCommand(xt_menu_record* record);
  virtual int32_t Notify(xt_language_record* record);

  // Host ids of the module's items (0 = absent), in this order.
  uint16_t check_word_item = 0;
  uint16_t check_story_item = 0;
  uint16_t check_document_item = 0;
  uint16_t preferences_item = 0;
  uint16_t about_item = 0;
};

extern DictXT* gDictXT;
extern xt_menu gDictMenu;

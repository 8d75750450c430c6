// The program's shell: the framework shell plus the three proofing modules,
// to which it forwards menu installation, commands and language changes in
// the fixed order hyphenation, spelling, typography.
#pragma once

#include "shell/xt40shell.h"

class WirselXT : public XT40shell {
 public:
  WirselXT();
  ~WirselXT() override = default;

  int32_t RegisterCallbacks(xt_registration* record) override;
  int32_t InstallMenus(xt_menu_record* record) override;
  int32_t UpdateMenus(xt_menu_record* record) override;
  int32_t DoMenuCommand(xt_menu_record* record) override;
  int32_t Notify(xt_language_record* record) override;
};

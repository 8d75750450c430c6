// The program's shell: the framework shell over the three proofing modules,
// to which it forwards menu installation, menu state and commands in the
// fixed order hyphenation, spelling, typography. It knows each module only
// through the module interface (services/menus.h).
#pragma once

#include "services/xt40_shell.h"

class WirselXT : public XT40shell {
 public:
  explicit WirselXT(const ShellEntries& entries);
  ~WirselXT() override = default;

  int32_t RegisterCallbacks(xt_registration* record) override;
  int32_t InstallMenus(xt_menu_record* record) override;
  int32_t UpdateMenus(xt_menu_record* record) override;
  int32_t DoMenuCommand(xt_menu_record* record) override;
  // A new interface language: every item is shown in it.
  int32_t Notify(xt_language_record* record) override;
};

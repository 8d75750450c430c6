// WirselXT: registration of the hyphenation callbacks, the menu state rule
// and forwarding to the modules.
#include "shell/wirsel_shell.h"

#include "services/menus.h"
#include "services/services.h"
#include "services/translate.h"
#include "shell/entry.h"
#include "shell/menu_state.h"
#include "text/story_text.h"

WirselXT::WirselXT(const ShellEntries& entries) : XT40shell(entries) {
  SetProductName("Wirsel13");
  SetCreator("WSLr");
}

int32_t WirselXT::RegisterCallbacks(xt_registration* record) {
  RegisterHyphenationHooks(record);
  return 0;
}

int32_t WirselXT::InstallMenus(xt_menu_record* record) {
  RegisterTranslations();
  ForgetMenuTitles();
  for (ProofingModule* module : Modules()) module->InstallMenus(record);
  return 0;
}

int32_t WirselXT::UpdateMenus(xt_menu_record*) {
  const MenuState state = ComputeMenuState(GetTextRange());
  for (ProofingModule* module : Modules()) module->ApplyMenuState(state);
  return 0;
}

int32_t WirselXT::DoMenuCommand(xt_menu_record* record) {
  for (ProofingModule* module : Modules()) module->DoMenuCommand(record);
  return 0;
}

int32_t WirselXT::Notify(xt_language_record*) {
  RetitleMenuItems();
  return 0;
}

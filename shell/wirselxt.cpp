// WirselXT: registration of the hyphenation callbacks and forwarding to the
// modules.
#include "shell/wirselxt.h"

#include "hyph/hyphxt.h"
#include "shell/entry.h"
#include "shell/menus.h"
#include "shell/shell.h"
#include "shell/translate.h"
#include "spell/dictxt.h"
#include "typo/typoxt.h"

namespace {

const HyphenationHooks* gHyphenationHooks = nullptr;

int32_t HyphenateWordCallback(void* record) {
  if (gShell == nullptr || record == nullptr || gHyphenationHooks == nullptr) return 0;
  return GuardedEntry(
      [&] { return gHyphenationHooks->hyphenate_word(static_cast<xt_hyph_record*>(record)); });
}

int32_t HyphenationMethodsCallback(void* record) {
  if (gShell == nullptr || record == nullptr || gHyphenationHooks == nullptr) return 0;
  return GuardedEntry([&] {
    return gHyphenationHooks->list_methods(static_cast<xt_hyph_methods_record*>(record));
  });
}

}  // namespace

void SetHyphenationHooks(const HyphenationHooks* hooks) { gHyphenationHooks = hooks; }

WirselXT::WirselXT() {
  SetProductName("Wirsel13");
  SetCreator("WSLr");
}

int32_t WirselXT::RegisterCallbacks(xt_registration* record) {
  if (gHyphenationHooks == nullptr) return 0;
  record->register_callback(record->host, XT_CB_HYPHENATE_WORD, HyphenateWordCallback, 5, 200,
                            0);
  record->register_callback(record->host, XT_CB_HYPH_METHODS, HyphenationMethodsCallback, 5,
                            200, 0);
  if (gHyphenationHooks->register_method) gHyphenationHooks->register_method();
  return 0;
}

int32_t WirselXT::InstallMenus(xt_menu_record* record) {
  RegisterTranslations();
  ForgetMenuTitles();
  gHyphXT->InstallMenus(record);
  gDictXT->InstallMenus(record);
  gTypoXT->InstallMenus(record);
  return 0;
}

int32_t WirselXT::UpdateMenus(xt_menu_record*) {
  ApplyMenuState(ComputeMenuState(GetTextRange()));
  return 0;
}

int32_t WirselXT::DoMenuCommand(xt_menu_record* record) {
  gHyphXT->DoMenuCommand(record);
  gDictXT->DoMenuCommand(record);
  gTypoXT->DoMenuCommand(record);
  return 0;
}

int32_t WirselXT::Notify(xt_language_record* record) {
  RetitleMenuItems();
  gHyphXT->Notify(record);
  gDictXT->Notify(record);
  gTypoXT->Notify(record);
  return 0;
}

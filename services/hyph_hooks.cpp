// The hyphenation module's host entries: held for the module and registered
// at start-up, each call guarded.
#include "services/guard.h"
#include "services/services.h"
#include "services/xt40_shell.h"

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

void RegisterHyphenationHooks(xt_registration* record) {
  if (gHyphenationHooks == nullptr) return;
  record->register_callback(record->host, XT_CB_HYPHENATE_WORD, HyphenateWordCallback, 5, 200,
                            0);
  record->register_callback(record->host, XT_CB_HYPH_METHODS, HyphenationMethodsCallback, 5,
                            200, 0);
  if (gHyphenationHooks->register_method) gHyphenationHooks->register_method();
}

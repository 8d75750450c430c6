// XTActivateCallback and every callback the host calls afterwards: the two
// activation stages and the dispatch of callbacks to the shell. No exception
// leaves these functions.
#include "shell/entry.h"

#include <new>

#include "dialogs/about.h"
#include "dialogs/xt40_dialog.h"
#include "hyph/hyph_module.h"
#include "services/guard.h"
#include "services/host.h"
#include "services/services.h"
#include "services/translate.h"
#include "shell/wirsel_shell.h"
#include "spell/spell_module.h"
#include "typo/typo_module.h"

namespace {

// Set while a menu update runs; a nested update returns at once.
bool gUpdatingMenus = false;

class ReentryFlag {
 public:
  explicit ReentryFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~ReentryFlag() { flag_ = false; }
  ReentryFlag(const ReentryFlag&) = delete;
  ReentryFlag& operator=(const ReentryFlag&) = delete;

 private:
  bool& flag_;
};

// The callbacks the shell registers when wanted, in registration order.
constexpr uint32_t kDispatched[] = {XT_CB_CLOSING,      XT_CB_3,        XT_CB_DIALOG_SERVICE,
                                    XT_CB_LANGUAGE,     XT_CB_10,       XT_CB_12,
                                    XT_CB_INSTALL_MENUS, XT_CB_UPDATE_MENUS, XT_CB_MENU_SELECT};

void DestroyRegisteredDialogs() {
  for (int slot = 0; slot < kDialogSlots; ++slot) {
    XT40xdlog* dialog = gShell->DialogAt(slot);
    if (dialog == nullptr) continue;
    gShell->ClearDialogSlot(slot);
    delete dialog;
  }
}

template <typename Each>
void ForEachOpenDialog(Each&& each) {
  for (int slot = 0; slot < kDialogSlots; ++slot) {
    XT40xdlog* dialog = gShell->DialogAt(slot);
    if (XT40Root::IsValid(dialog) && dialog->IsOpen()) each(dialog);
  }
}

int32_t OfferToDialogs(xt_menu_record* record) {
  if (record->item == 0) return 0;
  for (int slot = 0; slot < kDialogSlots; ++slot) {
    XT40xdlog* dialog = gShell->DialogAt(slot);
    if (XT40Root::IsValid(dialog) && dialog->OwnsMenuItem(record->item)) {
      dialog->HandleMenuItem(record->item);
      return 1;
    }
  }
  return 0;
}

int32_t Dispatch(void* raw) {
  auto* record = static_cast<xt_record*>(raw);
  switch (record->id) {
    case XT_CB_3:
      gShell->Callback3(record);
      return 0;
    case XT_CB_CLOSING:
      gShell->Callback4(record);
      DestroyRegisteredDialogs();
      return 0;
    case XT_CB_LANGUAGE: {
      auto* language = static_cast<xt_language_record*>(raw);
      gShell->SetInterfaceLanguage(language->language);
      gShell->SetLanguageRecord(language->value64, language->value16);
      return gShell->Notify(language);
    }
    case XT_CB_INSTALL_MENUS:
      gShell->SetInterfaceLanguage(gEnvironmentSuite->interface_language());
      return gShell->InstallMenus(static_cast<xt_menu_record*>(raw));
    case XT_CB_UPDATE_MENUS: {
      if (gUpdatingMenus) return 0;
      ReentryFlag guard(gUpdatingMenus);
      ForEachOpenDialog([](XT40xdlog* dialog) { dialog->UpdateMenuState(); });
      return gShell->UpdateMenus(static_cast<xt_menu_record*>(raw));
    }
    case XT_CB_10:
      return gShell->Callback10(record);
    case XT_CB_12:
      return gShell->Callback12(record);
    case XT_CB_DIALOG_SERVICE:
      ForEachOpenDialog([](XT40xdlog* dialog) {
        if (dialog->WantsService()) dialog->Service();
      });
      return 0;
    case XT_CB_MENU_SELECT: {
      auto* menu = static_cast<xt_menu_record*>(raw);
      if (OfferToDialogs(menu)) return 0;
      return gShell->DoMenuCommand(menu);
    }
    default:
      return 0;
  }
}

}  // namespace

std::array<ProofingModule*, 3> Modules() { return {gHyphXT, gDictXT, gTypoXT}; }

int32_t DispatchCallback(void* record) {
  if (gShell == nullptr || record == nullptr) return 0;
  return GuardedEntry([&] { return Dispatch(record); });
}

int32_t GenericCallback(void* record) {
  if (gShell == nullptr || record == nullptr) return 0;
  return GuardedEntry([&] { return gShell->OnCallback(static_cast<xt_record*>(record)); });
}

int32_t StartupCallback(void* raw) {
  if (gShell == nullptr || raw == nullptr) return 0;
  return GuardedEntry([&]() -> int32_t {
    auto* record = static_cast<xt_registration*>(raw);
    gRegistration = record;
    if (record->version_major != XT_VERSION_MAJOR || record->version_minor != XT_VERSION_MINOR ||
        record->version_api != XT_VERSION_API ||
        record->version_api_minor != XT_VERSION_API_MINOR || !BindHostSuites(record)) {
      return XT_REFUSED;
    }
    for (uint32_t id : kDispatched) {
      if (gShell->IsWanted(id)) {
        record->register_callback(record->host, id, DispatchCallback, 5, 200, 0);
      }
    }
    const int32_t status = gShell->RegisterCallbacks(record);
    ShowPendingAlerts();
    return status;
  });
}

int32_t ShutdownCallback(void* raw) {
  if (gShell == nullptr || raw == nullptr) return 0;
  const int32_t status =
      GuardedEntry([&] { return gShell->Shutdown(static_cast<xt_registration*>(raw)); });
  // Shut-down is the last call the host makes before it unloads the library:
  // free everything activation made, so nothing outlives the library.
  ReleasePlugin();
  return status;
}

void ReleasePlugin() {
  ReleaseAboutDialog();
  delete gShell;
  delete gHyphXT;
  delete gDictXT;
  delete gTypoXT;
  gHyphXT = nullptr;
  gDictXT = nullptr;
  gTypoXT = nullptr;
  ReleaseTranslations();
  DiscardPendingAlerts();
  gRegistration = nullptr;
  UnbindHostSuites();
}

extern "C" __attribute__((visibility("default"))) int32_t XTActivateCallback(
    xt_activation* activation) {
  if (activation == nullptr) return XT_REFUSED;
  return GuardedEntry([&]() -> int32_t {
    ReleasePlugin();
    gHyphXT = new HyphXT();
    gDictXT = new DictXT();
    gTypoXT = new TypoXT();
    new WirselXT(ShellEntries{StartupCallback, ShutdownCallback, GenericCallback});  // gShell
    StorePluginFolder();
    gPluginId = activation->plugin_id;
    return gShell->Activate(activation);
  });
}

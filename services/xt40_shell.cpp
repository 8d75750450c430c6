// The framework shell's state: construction, the dialog slots, the
// wanted-callback set, identity strings and the first activation stage.
#include "services/xt40_shell.h"

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "base/profile.h"
#include "platform/paths.h"
#include "services/host.h"

XT40shell* gShell = nullptr;

namespace {

// Copies `text` into `out` when it fits (size includes the NUL); false otherwise.
bool CopyIfFits(char* out, size_t size, const char* text) {
  const size_t length = std::strlen(text);
  if (length >= size) return false;
  std::memcpy(out, text, length + 1);
  return true;
}

const char* CopyOut(const char* field, char* buffer, size_t size) {
  if (buffer == nullptr) return field;
  if (size > 0) std::snprintf(buffer, size, "%s", field);
  return buffer;
}

}  // namespace

XT40shell::XT40shell(const ShellEntries& entries) : entries_(entries) {
  Init();
  gShell = this;
  SetCreator("KMV:");
}

XT40shell::~XT40shell() {
  if (gShell == this) gShell = nullptr;
}

void XT40shell::Init() {
  std::memset(dialogs_, 0, sizeof dialogs_);
  folder_writable_ = 1;
  log_level_ = 0;
  creator_[0] = product_name_[0] = platform_product_name_[0] = 0;
  log_path_[0] = host_folder_[0] = file_version_[0] = host_tag_[0] = 0;
  alert_dialogs_ = AlertDialogNumbers{};
  std::memset(wanted_, 0, sizeof wanted_);
  language_ = 0;
  language_value64_ = 0;
  language_value16_ = 0;
  flag8_ = 0;
  SetProfileTarget(nullptr, "Prefs");
  SetHostKind(0);
  for (uint32_t id : {XT_CB_CLOSING, XT_CB_3, XT_CB_DIALOG_SERVICE, XT_CB_LANGUAGE,
                      XT_CB_INSTALL_MENUS, XT_CB_UPDATE_MENUS, XT_CB_MENU_SELECT}) {
    SetWanted(id, true);
  }
  SetFileVersion(platform::FileVersion());
  char path[kPathSize];
  if (!platform::HostFolder(path, sizeof path)) path[0] = 0;
  SetHostFolder(path);
  if (std::snprintf(path, sizeof path, "%sSylvantekXT.log", host_folder_) <
      static_cast<int>(sizeof path)) {
    CopyIfFits(log_path_, sizeof log_path_, path);
  }
}

int32_t XT40shell::Activate(xt_activation* activation) {
  gHostInfo = activation->host_info;
  SetHostKind(gHostInfo.product_id);
  if (!activation->admit(activation->host, kDeveloperCode, 0, 11, 0x42A20014, 0)) {
    return XT_REFUSED;
  }
  activation->set_callback_param(activation->host, 200);
  activation->register_startup(activation->host, entries_.startup, 5, 200, 0);
  activation->register_shutdown(activation->host, entries_.shutdown, 5, 200, 0);
  if (activation->size >= offsetof(xt_activation, describe) + sizeof activation->describe &&
      activation->describe != nullptr) {
    activation->describe(activation->host, product_name_, file_version_);
  }
  return 0;
}

int32_t XT40shell::RegisterCallback(uint32_t id) {
  if (gRegistration == nullptr) return XT_REFUSED;
  return gRegistration->register_callback(gRegistration->host, id, entries_.generic, 5, 200, 0);
}

int32_t XT40shell::RegisterXdlog(XT40xdlog* dialog) {
  for (XT40xdlog*& slot : dialogs_) {
    if (slot == nullptr) {
      slot = dialog;
      break;
    }
  }
  return 0;
}

int32_t XT40shell::UnregisterXdlog(XT40xdlog* dialog) {
  for (int i = 0; i < kDialogSlots; ++i) {
    if (dialog != nullptr && dialogs_[i] == dialog) {
      dialogs_[i] = nullptr;
      return i;
    }
  }
  return kDialogSlots;
}

void XT40shell::SetCreator(const char* code) { CopyIfFits(creator_, sizeof creator_, code); }

const char* XT40shell::GetCreator(char* buffer, size_t size) const {
  return CopyOut(creator_, buffer, size);
}

const char* XT40shell::GetProductName(char* buffer, size_t size) const {
  return CopyOut(product_name_, buffer, size);
}

void XT40shell::SetHostFolder(const char* folder) {
  if (!CopyIfFits(host_folder_, sizeof host_folder_, folder)) host_folder_[0] = 0;
}

void XT40shell::SetHostTag(const char* tag) {
  std::snprintf(host_tag_, sizeof host_tag_, "%s", tag);
}

void XT40shell::SetHostKind(uint8_t product_id) {
  SetHostTag(product_id == 2 ? "QCDWIN4" : "QUARKWIN4");
}

void XT40shell::SetFileVersion(const char* version) {
  std::snprintf(file_version_, sizeof file_version_, "%s", version);
}

void XT40shell::SetWanted(uint32_t id, bool on) {
  if (id >= XT_CB_LIMIT) return;
  const uint32_t bit = 1u << (id % 32);
  if (on) {
    wanted_[id / 32] |= bit;
  } else {
    wanted_[id / 32] &= ~bit;
  }
}

bool XT40shell::IsWanted(uint32_t id) const {
  return id < XT_CB_LIMIT && (wanted_[id / 32] >> (id % 32)) & 1u;
}

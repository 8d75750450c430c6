// Where the settings file and the user files live: the choice between the
// host's XTensions folder and the per-user data folder, made once while the
// shell is constructed, and the moving of user files out of folders that
// cannot be written.
#include <cstdio>
#include <cstring>
#include <string>

#include "base/charset.h"
#include "base/macce.h"
#include "base/profile.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "services/services.h"
#include "services/xt40_shell.h"

namespace {

char gPluginFolder[kPathSize];

// Joins folder and name into out; "" and false when it does not fit.
bool Join(char* out, size_t size, const char* folder, const char* name) {
  return platform::PathJoin(out, size, folder, name);
}

// Copies the whole of `text` into `out` or leaves `out` alone.
bool Replace(char* out, size_t size, const char* text) {
  const size_t length = std::strlen(text);
  if (out == nullptr || length >= size) return false;
  std::memmove(out, text, length + 1);
  return true;
}

}  // namespace

int32_t LocateFile(const char* name, char* out, size_t out_size, int where) {
  char folder[kPathSize];
  bool built = false;
  if (where == 0) {
    built = name[0] == '/' ? Replace(out, out_size, name)
                           : platform::UserDataFolder(folder, sizeof folder) &&
                                 Join(out, out_size, folder, name);
  } else if (gShell != nullptr && gShell->GetHostFolder()[0] != 0) {
    const char* host = gShell->GetHostFolder();
    if (where == 1 || where == 3) {
      built = Join(folder, sizeof folder, host, where == 1 ? "XTension" : "XTensions") &&
              Join(out, out_size, folder, name);
    } else {
      built = Join(out, out_size, host, name);
    }
  }
  if (!built) {
    if (out_size > 0) out[0] = 0;
    return kFileNotFound;
  }
  return platform::FileExists(out) ? 0 : kFileNotFound;
}

int32_t CopySettingsFile(const char* source, const char* destination) {
  platform::ClearReadOnly(source);
  return platform::CopyFileOver(source, destination) == 0 ? 0 : 1;
}

int32_t MakeWritablePath(char* path, size_t path_size, char* out, size_t out_size) {
  const bool existed = platform::FileExists(path);
  char folder[kPathSize];
  if (!platform::FolderOf(path, folder, sizeof folder, false)) return 0;
  if (folder[0] == 0) std::strcpy(folder, path[0] == '/' ? "/" : ".");
  char moved[kPathSize];
  if (!platform::FolderWritable(folder)) {
    char user[kPathSize];
    if (!platform::UserDataFolder(user, sizeof user) ||
        !Join(moved, sizeof moved, user, platform::FileNameOf(path)) ||
        std::strlen(moved) >= path_size) {
      Replace(out, out_size, path);
      return 0;
    }
    if (existed && !platform::FileExists(moved)) {
      platform::ClearReadOnly(path);
      if (platform::CopyFileNew(path, moved) != 0) {
        Replace(out, out_size, path);
        return 0;
      }
      platform::RemoveFile(path);
    }
    Replace(path, path_size, moved);
  }
  Replace(out, out_size, path);
  return 0;
}

void StorePluginFolder() {
  char path[kPathSize];
  if (!platform::ModulePathOf(reinterpret_cast<const void*>(&PluginFolder), path,
                              sizeof path) ||
      !platform::FolderOf(path, gPluginFolder, sizeof gPluginFolder, false)) {
    gPluginFolder[0] = 0;
  }
}

const char* PluginFolder() { return gPluginFolder; }

void XT40shell::SetProductName(const char* name) {
  std::snprintf(product_name_, sizeof product_name_, "%s", name);
  // The platform name is a display name: cut to its field when "Win" does not fit.
  const std::string platform_name =
      std::string(product_name_) + (std::strstr(product_name_, "Win") ? "" : "Win");
  std::snprintf(platform_product_name_, sizeof platform_product_name_, "%s",
                platform_name.c_str());
  // The log goes beside the host; where the host's folder cannot be written,
  // into the per-user data folder, so that the user can still find it.
  char log_folder[kPathSize];
  if (host_folder_[0] != 0 && platform::FolderWritable(host_folder_)) {
    std::snprintf(log_folder, sizeof log_folder, "%s", host_folder_);
  } else if (!platform::UserDataFolder(log_folder, sizeof log_folder)) {
    log_folder[0] = 0;
  }
  char file_name[80];
  std::snprintf(file_name, sizeof file_name, "%s.log", product_name_);
  if (log_folder[0] == 0 || !Join(log_path_, sizeof log_path_, log_folder, file_name)) {
    log_path_[0] = 0;
  }
  ChooseSettingsFile(product_name_);
}

void XT40shell::ChooseSettingsFile(const char* name) {
  char file_name[80];
  std::snprintf(file_name, sizeof file_name, "%s.ini", name);
  SetProfileTarget(file_name, nullptr);

  if (folder_writable_) {
    char folder[kPathSize];
    if (host_folder_[0] == 0 || !Join(folder, sizeof folder, host_folder_, "XTensions") ||
        !platform::FolderWritable(folder)) {
      Log("%s", ToWindowsText(MACCE("Brak przywileju pisania do teczki XTension, preferencje "
                                    "będą czytane z teczki uzytkownika")));
      folder_writable_ = 0;
    }
  }

  char user_path[kPathSize];
  const bool user_exists = LocateFile(file_name, user_path, sizeof user_path, 0) == 0;
  if (!folder_writable_) {
    // The folder's settings move with user.dic and PLHYPH.USR (copied once,
    // since the folder cannot be written), so no preference silently resets.
    char folder_path[kPathSize];
    if (!user_exists && LocateFile(file_name, folder_path, sizeof folder_path, 3) == 0) {
      platform::CopyFileNew(folder_path, user_path);
    }
    SetProfileTarget(user_path, nullptr);
    return;
  }
  char folder_path[kPathSize];
  const bool folder_exists = LocateFile(file_name, folder_path, sizeof folder_path, 3) == 0;
  SetProfileTarget(folder_path, nullptr);
  if (!user_exists || folder_exists || folder_path[0] == 0) return;
  if (CopySettingsFile(user_path, folder_path) == 0) return;
  SetProfileTarget(user_path, nullptr);
  Alert(1, "",
        MACCE("Nie udała się próba przekopiowania poprzednich ustawień rozszerzenia "
              "('cPrefsFilePath', 'cXTensionFilePath')."));
  WriteForcedLogLine("%s: cPrefsFilePath='%s', cXTensionFilePath='%s'",
                     ToWindowsText(MACCE("Kopiowanie preferencji się nie powiodło")), user_path,
                     folder_path);
}

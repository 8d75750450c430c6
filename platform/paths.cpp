// Folder lookups over POSIX: XDG data folder, /proc/self/exe, dladdr.
#include "platform/paths.h"

#include <dlfcn.h>
#include <pwd.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/files.h"

namespace platform {
namespace {

bool CopyBounded(char* out, size_t out_size, const char* text) {
  size_t length = strlen(text);
  if (length >= out_size) return false;
  memcpy(out, text, length + 1);
  return true;
}

bool Fail(char* out, size_t out_size) {
  if (out && out_size) out[0] = 0;
  return false;
}

// The home folder: $HOME, else the password database entry of this user.
bool HomeFolder(char* out, size_t out_size) {
  const char* home = getenv("HOME");
  if (home && *home) return CopyBounded(out, out_size, home);
  long hint = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> scratch(hint > 0 ? static_cast<size_t>(hint) : 16384);
  struct passwd entry;
  struct passwd* found = nullptr;
  if (getpwuid_r(geteuid(), &entry, scratch.data(), scratch.size(), &found) != 0 || !found ||
      !found->pw_dir || !*found->pw_dir) {
    return false;
  }
  return CopyBounded(out, out_size, found->pw_dir);
}

// mkdir -p with mode 0700 for every missing level; true when `path` is a folder.
bool MakeFolders(char* path) {
  for (char* p = path + 1; *p; ++p) {
    if (*p != '/') continue;
    *p = 0;
    bool ok = mkdir(path, 0700) == 0 || errno == EEXIST;
    *p = '/';
    if (!ok) return false;
  }
  if (mkdir(path, 0700) != 0 && errno != EEXIST) return false;
  struct stat st;
  return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

bool UserDataFolder(char* out, size_t out_size) {
  if (!out || out_size == 0) return false;
  char base[PATH_MAX];
  const char* xdg = getenv("XDG_DATA_HOME");
  if (xdg && xdg[0] == '/') {
    if (!CopyBounded(base, sizeof base, xdg)) return Fail(out, out_size);
  } else {
    char home[PATH_MAX];
    if (!HomeFolder(home, sizeof home) || !PathJoin(base, sizeof base, home, ".local/share")) {
      return Fail(out, out_size);
    }
  }
  char folder[PATH_MAX];
  if (!PathJoin(folder, sizeof folder, base, "Wirsel13") || !MakeFolders(folder) ||
      !CopyBounded(out, out_size, folder)) {
    return Fail(out, out_size);
  }
  return true;
}

bool HostFolder(char* out, size_t out_size) {
  if (!out || out_size == 0) return false;
  const char* forced = getenv("WIRSEL_HOST_DIR");
  if (forced && *forced) {
    if (!PathJoin(out, out_size, forced, "")) return Fail(out, out_size);
    return true;
  }
  char exe[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", exe, sizeof exe);
  if (length <= 0 || static_cast<size_t>(length) >= sizeof exe) return Fail(out, out_size);
  exe[length] = 0;
  if (!FolderOf(exe, out, out_size, true) || !*out) return Fail(out, out_size);
  return true;
}

bool ModulePathOf(const void* symbol, char* out, size_t out_size) {
  if (!out || out_size == 0) return false;
  Dl_info info = {};
  if (!dladdr(symbol, &info) || !info.dli_fname || !*info.dli_fname) return Fail(out, out_size);
  char resolved[PATH_MAX];
  const char* file = info.dli_fname;
  // The main program may be reported by its bare name.
  if (!strchr(file, '/')) file = "/proc/self/exe";
  if (!realpath(file, resolved) || !CopyBounded(out, out_size, resolved)) return Fail(out, out_size);
  return true;
}

const char* FileVersion() { return WIRSEL_VERSION; }

}  // namespace platform

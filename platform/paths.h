// Where things are: the per-user data folder, the host folder, the file a
// symbol was loaded from and the plug-in's version. Results are written into
// the caller's buffer; a path that does not fit is a failure.
#pragma once

#include <cstddef>

namespace platform {

// $XDG_DATA_HOME/Wirsel13, else $HOME/.local/share/Wirsel13 (HOME unset: the
// password database), created with mode 0700 (and its parents) when missing.
// No trailing '/'. False (out = "") when it cannot be determined or created.
bool UserDataFolder(char* out, size_t out_size);

// The folder of the running executable with a trailing '/'; the environment
// variable WIRSEL_HOST_DIR overrides it ('/' added when missing).
bool HostFolder(char* out, size_t out_size);

// The absolute, resolved path of the shared object or executable that
// contains `symbol`.
bool ModulePathOf(const void* symbol, char* out, size_t out_size);

// The plug-in's file version ("0.1.0"), set by the build.
const char* FileVersion();

}  // namespace platform

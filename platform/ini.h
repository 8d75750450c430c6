// Private-profile (INI) files with the Windows semantics the settings store
// relies on: section and key names match case-insensitively (first match
// wins), a missing file, section or key gives the default, values are bytes
// (no re-encoding), CR LF and LF lines both read. Every write replaces the
// whole file through a temporary file in the same folder and a rename, so a
// crash or a full disk never leaves a half-written file.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

// Copies the value of `key` in `section` into `out` (bounded by out_size,
// NUL-terminated): blanks around it trimmed, one pair of enclosing ' or "
// removed. The default (also bounded) when the file cannot be read or has no
// such key. Returns the length copied.
size_t IniRead(const char* file, const char* section, const char* key, const char* def,
               char* out, size_t out_size);

// Sets `key` in `section` to `value` (CR and LF stored as blanks; a value
// enclosed in one kind of quote gets one more pair so it reads back as is).
// A null value deletes the key, a null key the whole section. Creates the
// file, never its folder. The rest of the file is kept byte for byte; new
// lines take the file's line ending (CR LF for a new file). Returns 0 or an
// errno value (ENOENT for an empty path, ENAMETOOLONG for one over PATH_MAX).
int IniWrite(const char* file, const char* section, const char* key, const char* value);

// Several changes in one write of the file, applied in order; `legacy`
// (when given) first rewrites the text read, say, into another encoding.
struct IniChange {
  const char* section;
  const char* key;    // null: delete the section
  const char* value;  // null: delete the key
};
int IniWriteMany(const char* file, const IniChange* changes, size_t count,
                 void (*legacy)(std::string* data));

}  // namespace platform

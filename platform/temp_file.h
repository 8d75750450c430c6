// Internal to platform/: a temporary file beside a target, written in full,
// flushed, then moved into place; removed again on any failure.
#pragma once

#include <climits>
#include <cstddef>

namespace platform {

struct TempFile {
  int fd = -1;
  char path[PATH_MAX] = {};
};

// Creates a fresh temporary in the folder of `target` under an unpredictable
// name that carries this process's id (O_CREAT|O_EXCL|O_NOFOLLOW, `mode` less
// the umask). 0 or an errno value.
int CreateTempBeside(const char* target, unsigned mode, TempFile* temp);
// Removes the temporaries that processes no longer running left in the folder
// of `target` (only files of this user).
void RemoveStaleTemps(const char* target);
// Writes all bytes, retrying short writes; honours FailWritesAfter and the
// fault switch. 0 or errno.
int WriteAll(int fd, const void* data, size_t size);
// fsync and close; 0 or errno (the file is then closed either way).
int FinishTemp(TempFile* temp);
// Renames the finished temporary over `target`; the fault switch counts it.
int RenameTemp(TempFile* temp, const char* target);
// Closes (when open) and removes the temporary.
void DiscardTemp(TempFile* temp);

}  // namespace platform

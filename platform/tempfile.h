// Internal to platform/: a temporary file beside a target, written in full,
// flushed, then moved into place; removed again on any failure.
#pragma once

#include <climits>
#include <cstddef>
#include <string>

namespace platform {

struct TempFile {
  int fd = -1;
  char path[PATH_MAX] = {};
};

// Creates a fresh temporary in the folder of `target` (O_CREAT|O_EXCL, mode
// 0666 less the umask). 0 or an errno value.
int CreateTempBeside(const char* target, TempFile* temp);
// Writes all bytes, retrying short writes; honours FailWritesAfter. 0 or errno.
int WriteAll(int fd, const void* data, size_t size);
// fsync and close; 0 or errno (the file is then closed either way).
int FinishTemp(TempFile* temp);
// Closes (when open) and removes the temporary.
void DiscardTemp(TempFile* temp);

// Reads a whole regular file of at most `limit` bytes into `out`.
// 0 or errno (EFBIG beyond the limit, EISDIR for a folder).
int ReadWholeFile(const char* path, size_t limit, std::string* out);

}  // namespace platform

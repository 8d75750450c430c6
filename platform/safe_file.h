// Files people own: the one way every writer (documents, -o, --in-place, user
// dictionaries, exception lists, settings) replaces a file, the lock for
// read-merge-write updates, and standard input and output as GNU tools treat
// them. Results are 0 or an errno value; say them with std::strerror.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace platform {

// Mode of a new file before the umask: documents as any editor makes them,
// the user's words readable by others but never writable by them.
inline constexpr unsigned kNewDocumentMode = 0666;
inline constexpr unsigned kNewUserFileMode = 0644;

// Makes `size` bytes the whole content of the file `path` names:
// - a regular file (or none yet) is replaced atomically: a temporary file in
//   the same folder, created exclusively under an unpredictable name with the
//   final mode from the start (the old file's mode, and its owner and group
//   when run as root; a new file `new_mode` less the umask), written, synced,
//   renamed over the file, and the folder synced;
// - a symbolic link is followed: the file it points to is written so, the
//   link stays;
// - anything else (a character device, a FIFO, /dev/stdout) is written
//   directly, never replaced.
// On any failure the old file is untouched and no temporary is left.
// Temporaries left by killed processes in that folder are removed first.
int WriteFileReplacing(const char* path, const void* data, size_t size, unsigned new_mode);

// Writes all bytes to an open descriptor, retrying short writes; injected
// write faults count.
int WriteToDescriptor(int fd, const void* data, size_t size);

// The file `path` finally names once every symbolic link is followed (a
// dangling link names the file it would create). ELOOP after 40 links.
int ResolveLinks(const char* path, char* out, size_t out_size);

// Whether WriteFileReplacing could write `path`, checked before any work:
// the folder exists and can be written (an existing device or FIFO: the file
// itself can be written). 0, or ENOENT (no such folder), ENOTDIR, EISDIR,
// EACCES or EROFS.
int CheckWritable(const char* path);

// Both paths name one file (symbolic and hard links followed).
bool SameFile(const char* a, const char* b);

// An exclusive advisory lock for a read-merge-write update of the file
// `path` names. It is held on that file's folder, so it also covers a file
// that does not exist yet and survives the rename that replaces the file.
// Blocks until granted.
struct UpdateLock {
  int fd = -1;
};
int LockForUpdate(const char* path, UpdateLock* lock);
void Unlock(UpdateLock* lock);

// Reads a whole file (a regular file, or a FIFO or device until its end) of
// at most `limit` bytes. 0 or errno (EFBIG beyond the limit, EISDIR for a
// folder).
int ReadWholeFile(const char* path, size_t limit, std::string* out);
// Reads all of an open descriptor (standard input) up to `limit` bytes
// (EFBIG beyond it).
int ReadDescriptor(int fd, size_t limit, std::string* out);
// Reads `fd` to its end and hands each chunk to `take`, which answers an
// errno (0 to go on); an interrupted read is retried. Answers 0 at the end,
// else the first errno.
int ReadChunks(int fd, const std::function<int(const char* chunk, size_t size)>& take);

// Flushes and closes standard output as GNU tools do at exit: 0, or the
// errno of a failed write, flush or close (EBADF of a closed descriptor that
// was never written to counts as success).
int CloseStandardOutput();

// The descriptor is a terminal.
bool IsTerminal(int fd);

}  // namespace platform

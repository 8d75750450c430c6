// Safe replacement of files, update locks and standard streams over POSIX.
#include "platform/safe_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <stdio_ext.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include "platform/files.h"
#include "platform/temp_file.h"

namespace platform {
namespace {

constexpr int kMaxLinks = 40;

bool Copy(char* out, size_t out_size, const char* text) {
  const size_t length = strlen(text);
  if (length >= out_size) return false;
  memcpy(out, text, length + 1);
  return true;
}

// The folder of `path` for opening: "." when it has none.
bool FolderForOpen(const char* path, char* out, size_t out_size) {
  if (!FolderOf(path, out, out_size, false)) return false;
  if (!out[0]) return Copy(out, out_size, ".");
  return true;
}

// fsync of a folder, so that a rename in it is on disk. File systems that
// cannot sync a folder (EINVAL) are taken as done.
int SyncFolder(const char* path) {
  char folder[PATH_MAX];
  if (!FolderForOpen(path, folder, sizeof folder)) return ENAMETOOLONG;
  const int fd = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  int error = fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
  close(fd);
  return error;
}

int WriteDirectly(const char* path, const void* data, size_t size) {
  const int fd = open(path, O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return errno;
  int error = WriteToDescriptor(fd, data, size);
  if (close(fd) != 0 && error == 0) error = errno;
  return error;
}

int ReplaceRegular(const char* path, const void* data, size_t size, const struct stat* old,
                   unsigned new_mode) {
  char folder[PATH_MAX];
  if (!FolderForOpen(path, folder, sizeof folder)) return ENAMETOOLONG;
  if (FolderForcedReadOnly(folder)) return EACCES;
  RemoveStaleTemps(path);
  TempFile temp;
  // An existing file's mode is set once its owner is: until then the
  // temporary is the runner's alone.
  int error = CreateTempBeside(path, old ? 0600 : new_mode, &temp);
  if (error != 0) return error;
  if (old) {
    if (geteuid() == 0 && fchown(temp.fd, old->st_uid, old->st_gid) != 0) error = errno;
    if (error == 0 && fchmod(temp.fd, old->st_mode & 07777) != 0) error = errno;
  }
  if (error == 0) error = WriteAll(temp.fd, data, size);
  if (error == 0) error = FinishTemp(&temp);
  if (error == 0) error = RenameTemp(&temp, path);
  if (error != 0) {
    DiscardTemp(&temp);
    return error;
  }
  return SyncFolder(path);
}

}  // namespace

int ResolveLinks(const char* path, char* out, size_t out_size) {
  if (!path || !*path) return ENOENT;
  char current[PATH_MAX];
  if (!Copy(current, sizeof current, path)) return ENAMETOOLONG;
  for (int hop = 0; hop <= kMaxLinks; ++hop) {
    struct stat st;
    if (lstat(current, &st) != 0 || !S_ISLNK(st.st_mode)) {
      return Copy(out, out_size, current) ? 0 : ENAMETOOLONG;
    }
    char link[PATH_MAX];
    const ssize_t length = readlink(current, link, sizeof link - 1);
    if (length < 0) return errno;
    link[length] = 0;
    char next[PATH_MAX];
    if (link[0] == '/') {
      if (!Copy(next, sizeof next, link)) return ENAMETOOLONG;
    } else {
      char folder[PATH_MAX];
      if (!FolderOf(current, folder, sizeof folder, true) ||
          !PathJoin(next, sizeof next, folder, link)) {
        return ENAMETOOLONG;
      }
    }
    memcpy(current, next, sizeof current);
  }
  return ELOOP;
}

int WriteFileReplacing(const char* path, const void* data, size_t size, unsigned new_mode) {
  char target[PATH_MAX];
  if (int error = ResolveLinks(path, target, sizeof target)) return error;
  struct stat st;
  if (stat(target, &st) != 0) {
    if (errno != ENOENT) return errno;
    return ReplaceRegular(target, data, size, nullptr, new_mode);
  }
  if (S_ISDIR(st.st_mode)) return EISDIR;
  if (!S_ISREG(st.st_mode)) return WriteDirectly(target, data, size);
  return ReplaceRegular(target, data, size, &st, new_mode);
}

int WriteToDescriptor(int fd, const void* data, size_t size) { return WriteAll(fd, data, size); }

int CheckWritable(const char* path) {
  char target[PATH_MAX];
  if (int error = ResolveLinks(path, target, sizeof target)) return error;
  struct stat st;
  if (stat(target, &st) == 0) {
    if (S_ISDIR(st.st_mode)) return EISDIR;
    if (!S_ISREG(st.st_mode)) return access(target, W_OK) == 0 ? 0 : errno;
  } else if (errno != ENOENT) {
    return errno;
  }
  char folder[PATH_MAX];
  if (!FolderForOpen(target, folder, sizeof folder)) return ENAMETOOLONG;
  if (stat(folder, &st) != 0) return errno;
  if (!S_ISDIR(st.st_mode)) return ENOTDIR;
  if (FolderForcedReadOnly(folder)) return EACCES;
  return access(folder, W_OK | X_OK) == 0 ? 0 : errno;
}

bool SameFile(const char* a, const char* b) {
  struct stat sa;
  struct stat sb;
  return a && b && stat(a, &sa) == 0 && stat(b, &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

int LockForUpdate(const char* path, UpdateLock* lock) {
  lock->fd = -1;
  char target[PATH_MAX];
  if (int error = ResolveLinks(path, target, sizeof target)) return error;
  char folder[PATH_MAX];
  if (!FolderForOpen(target, folder, sizeof folder)) return ENAMETOOLONG;
  const int fd = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  while (flock(fd, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    const int error = errno;
    close(fd);
    return error;
  }
  lock->fd = fd;
  return 0;
}

void Unlock(UpdateLock* lock) {
  if (lock->fd >= 0) close(lock->fd);  // closing releases the lock
  lock->fd = -1;
}

int ReadChunks(int fd, const std::function<int(const char* chunk, size_t size)>& take) {
  char buffer[65536];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return errno;
    if (got == 0) return 0;
    if (const int error = take(buffer, static_cast<size_t>(got)); error != 0) return error;
  }
}

int ReadDescriptor(int fd, size_t limit, std::string* out) {
  out->clear();
  return ReadChunks(fd, [&](const char* chunk, size_t size) {
    if (out->size() + size > limit) {
      out->clear();
      return EFBIG;
    }
    out->append(chunk, size);
    return 0;
  });
}

int CloseStandardOutput() {
  const bool had_error = ferror(stdout) != 0;
  const bool was_written = __fpending(stdout) != 0;
  errno = 0;
  int error = fflush(stdout) != 0 ? errno : 0;
  if (had_error && error == 0) error = EIO;
  if (fclose(stdout) != 0 && error == 0 && !(errno == EBADF && !was_written)) error = errno;
  return error;
}

bool IsTerminal(int fd) { return isatty(fd) == 1; }

}  // namespace platform

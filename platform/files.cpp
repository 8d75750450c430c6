// Files and folders over POSIX: existence, the writability probe, the
// read-only attribute, temporary-file copies and path helpers.
#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/faults.h"
#include "platform/safe_file.h"
#include "platform/temp_file.h"

namespace platform {
namespace {

// Temporaries are named <kTempPrefix><pid>-<random><kTempSuffix>.
constexpr char kTempPrefix[] = ".wirsel-";
constexpr char kTempSuffix[] = ".tmp";

long long gWriteBudget = -1;  // bytes left before writes fail; -1: no limit
std::atomic<unsigned> gUniqueCounter{0};

// Length of `folder` without trailing slashes (a lone "/" stays).
size_t TrimmedLength(const char* folder, size_t length) {
  while (length > 1 && folder[length - 1] == '/') --length;
  return length;
}

// A name no other call of this process uses: <prefix>.<pid>.<counter>.
bool UniqueName(char* out, size_t out_size, const char* prefix) {
  unsigned n = gUniqueCounter.fetch_add(1);
  int written = snprintf(out, out_size, "%s.%ld.%u.tmp", prefix, static_cast<long>(getpid()), n);
  return written > 0 && static_cast<size_t>(written) < out_size;
}

bool TargetFolderForcedReadOnly(const char* target) {
  char folder[PATH_MAX];
  if (!FolderOf(target, folder, sizeof folder, false)) return false;
  return FolderForcedReadOnly(folder[0] ? folder : ".");
}

int CopyIntoTemp(const char* from, const char* to, TempFile* temp) {
  if (TargetFolderForcedReadOnly(to)) return EACCES;
  int in = open(from, O_RDONLY | O_CLOEXEC);
  if (in < 0) return errno;
  struct stat st;
  int error = fstat(in, &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : S_ISREG(st.st_mode) ? 0 : EINVAL;
  if (error != 0) {
    close(in);
    return error;
  }
  error = CreateTempBeside(to, kNewUserFileMode, temp);
  if (error == 0) {
    error = ReadChunks(in, [&](const char* chunk, size_t size) {
      return WriteAll(temp->fd, chunk, size);
    });
  }
  close(in);
  if (error == 0) error = FinishTemp(temp);
  if (error != 0) DiscardTemp(temp);
  return error;
}

}  // namespace

int CreateTempBeside(const char* target, unsigned mode, TempFile* temp) {
  // Not named after the target: a long file name plus a suffix could pass
  // the file system's name limit.
  char folder[PATH_MAX];
  if (!FolderOf(target, folder, sizeof folder, true)) return ENAMETOOLONG;
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned char random[10];
    if (getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) return EAGAIN;
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz234567";
    char token[sizeof random + 1];
    for (size_t i = 0; i < sizeof random; ++i) token[i] = kLetters[random[i] & 31];
    token[sizeof random] = 0;
    int written = snprintf(temp->path, sizeof temp->path, "%s%s%ld-%s%s", folder, kTempPrefix,
                           static_cast<long>(getpid()), token, kTempSuffix);
    if (written < 0 || static_cast<size_t>(written) >= sizeof temp->path) return ENAMETOOLONG;
    temp->fd = open(temp->path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode & 07777);
    if (temp->fd >= 0) return 0;
    if (errno != EEXIST) {
      temp->path[0] = 0;
      return errno;
    }
  }
  temp->path[0] = 0;
  return EEXIST;
}

void RemoveStaleTemps(const char* target) {
  char folder[PATH_MAX];
  if (!FolderOf(target, folder, sizeof folder, false)) return;
  DIR* dir = opendir(folder[0] ? folder : ".");
  if (!dir) return;
  const size_t prefix = strlen(kTempPrefix);
  const size_t suffix = strlen(kTempSuffix);
  while (const dirent* entry = readdir(dir)) {
    const char* name = entry->d_name;
    const size_t length = strlen(name);
    if (length <= prefix + suffix || strncmp(name, kTempPrefix, prefix) != 0 ||
        strcmp(name + length - suffix, kTempSuffix) != 0) {
      continue;
    }
    char* end = nullptr;
    const long pid = strtol(name + prefix, &end, 10);
    if (pid <= 0 || !end || *end != '-' || pid == getpid()) continue;
    if (kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
    struct stat st;
    if (fstatat(dirfd(dir), name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
        st.st_uid != geteuid()) {
      continue;
    }
    unlinkat(dirfd(dir), name, 0);
  }
  closedir(dir);
}

int WriteAll(int fd, const void* data, size_t size) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    if (int fault = InjectedFault(FaultPoint::kWrite)) return fault;
    size_t chunk = size;
    if (gWriteBudget >= 0) {
      if (gWriteBudget == 0) return ENOSPC;
      if (static_cast<unsigned long long>(gWriteBudget) < chunk) chunk = static_cast<size_t>(gWriteBudget);
    }
    ssize_t put = write(fd, bytes, chunk);
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) return errno;
    if (put == 0) return EIO;
    if (gWriteBudget >= 0) gWriteBudget -= put;
    bytes += put;
    size -= static_cast<size_t>(put);
  }
  return 0;
}

int FinishTemp(TempFile* temp) {
  int error = InjectedFault(FaultPoint::kSync);
  if (error == 0 && fsync(temp->fd) != 0) error = errno;
  if (close(temp->fd) != 0 && error == 0) error = errno;
  temp->fd = -1;
  return error;
}

int RenameTemp(TempFile* temp, const char* target) {
  if (int fault = InjectedFault(FaultPoint::kRename)) return fault;
  if (rename(temp->path, target) != 0) return errno;
  temp->path[0] = 0;
  return 0;
}

void DiscardTemp(TempFile* temp) {
  if (temp->fd >= 0) close(temp->fd);
  temp->fd = -1;
  if (temp->path[0]) unlink(temp->path);
  temp->path[0] = 0;
}

int ReadWholeFile(const char* path, size_t limit, std::string* out) {
  out->clear();
  int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  struct stat st;
  int error = 0;
  if (fstat(fd, &st) != 0) error = errno;
  else if (S_ISDIR(st.st_mode)) error = EISDIR;
  else if (S_ISREG(st.st_mode) && static_cast<unsigned long long>(st.st_size) > limit) error = EFBIG;
  else if (S_ISREG(st.st_mode)) out->reserve(static_cast<size_t>(st.st_size));
  if (error == 0) {
    error = ReadChunks(fd, [&](const char* chunk, size_t size) {
      if (out->size() + size > limit) return EFBIG;
      out->append(chunk, size);
      return 0;
    });
  }
  close(fd);
  if (error != 0) out->clear();
  return error;
}

bool FileExists(const char* path) {
  if (!path || !*path) return false;
  int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st;
  bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  close(fd);
  return regular;
}

bool FolderForcedReadOnly(const char* folder) {
  const char* list = getenv("WIRSEL_READONLY_DIRS");
  if (!list || !folder) return false;
  size_t wanted = TrimmedLength(folder, strlen(folder));
  while (*list) {
    const char* end = strchr(list, ':');
    size_t length = end ? static_cast<size_t>(end - list) : strlen(list);
    size_t trimmed = TrimmedLength(list, length);
    if (length > 0 && trimmed == wanted && memcmp(list, folder, wanted) == 0) return true;
    if (!end) break;
    list = end + 1;
  }
  return false;
}

bool FolderWritable(const char* folder) {
  if (!folder) return false;
  const char* where = *folder ? folder : ".";
  if (FolderForcedReadOnly(where)) return false;
  char prefix[PATH_MAX];
  if (!PathJoin(prefix, sizeof prefix, where, ".wirsel-probe")) return false;
  char probe[PATH_MAX];
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (!UniqueName(probe, sizeof probe, prefix)) return false;
    int fd = open(probe, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
      close(fd);
      unlink(probe);
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

void ClearReadOnly(const char* path) {
  struct stat st;
  if (!path || stat(path, &st) != 0 || !S_ISREG(st.st_mode)) return;
  if (st.st_uid != geteuid() || (st.st_mode & S_IWUSR)) return;
  (void)chmod(path, (st.st_mode & 07777) | S_IWUSR);
}

int CopyFileOver(const char* from, const char* to) {
  if (!from || !to || !*to) return EINVAL;
  TempFile temp;
  int error = CopyIntoTemp(from, to, &temp);
  if (error != 0) return error;
  error = RenameTemp(&temp, to);
  if (error != 0) DiscardTemp(&temp);
  return error;
}

int CopyFileNew(const char* from, const char* to) {
  if (!from || !to || !*to) return EINVAL;
  if (access(to, F_OK) == 0) return EEXIST;
  TempFile temp;
  int error = CopyIntoTemp(from, to, &temp);
  if (error != 0) return error;
  if (link(temp.path, to) != 0) {
    error = errno;
    // File systems without hard links can still refuse to replace a name.
    if ((error == EPERM || error == ENOTSUP) &&
        renameat2(AT_FDCWD, temp.path, AT_FDCWD, to, RENAME_NOREPLACE) == 0) {
      temp.path[0] = 0;
      error = 0;
    }
  }
  DiscardTemp(&temp);
  return error;
}

int RemoveFile(const char* path) {
  if (!path || !*path) return ENOENT;
  return unlink(path) == 0 ? 0 : errno;
}

void FailWritesAfter(long long bytes) { gWriteBudget = bytes < 0 ? -1 : bytes; }

bool PathJoin(char* out, size_t out_size, const char* folder, const char* name) {
  if (!out || out_size == 0) return false;
  size_t folder_length = folder ? strlen(folder) : 0;
  const char* separator = folder_length == 0 || folder[folder_length - 1] == '/' ? "" : "/";
  int written = snprintf(out, out_size, "%s%s%s", folder ? folder : "", separator, name ? name : "");
  if (written < 0 || static_cast<size_t>(written) >= out_size) {
    out[0] = 0;
    return false;
  }
  return true;
}

bool FolderOf(const char* path, char* out, size_t out_size, bool with_slash) {
  if (!out || out_size == 0) return false;
  out[0] = 0;
  if (!path) return true;
  const char* slash = strrchr(path, '/');
  if (!slash) return true;
  size_t length = static_cast<size_t>(slash - path) + (with_slash ? 1 : 0);
  if (!with_slash && length == 0) length = 1;  // the root keeps its '/'
  if (length >= out_size) return false;
  memcpy(out, path, length);
  out[length] = 0;
  return true;
}

const char* FileNameOf(const char* path) {
  if (!path) return "";
  const char* slash = strrchr(path, '/');
  return slash ? slash + 1 : path;
}

}  // namespace platform

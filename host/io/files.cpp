// Whole-file reads with a size limit, and writes through a temporary file
// renamed over the target.
#include "host/io/files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

#include "host/io/io_error.h"

namespace wirsel::io {

namespace {

std::string SystemReason(const char* what) {
  return std::string(what) + ": " + std::strerror(errno);
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) throw IoError(path, 0, "is a folder");
  const std::string too_large =
      "file too large (over " + std::to_string(kMaxInputBytes >> 20) + " MiB)";
  if (std::filesystem::is_regular_file(path, error) &&
      std::filesystem::file_size(path, error) > kMaxInputBytes) {
    throw IoError(path, 0, too_large);
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) throw IoError(path, 0, SystemReason("cannot open"));
  std::string bytes;
  char chunk[1 << 16];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    if (bytes.size() + static_cast<std::size_t>(in.gcount()) > kMaxInputBytes) {
      throw IoError(path, 0, too_large);
    }
    bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) throw IoError(path, 0, SystemReason("cannot read"));
  return bytes;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::filesystem::path target(path);
  std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  int fd = mkstemp(pattern.data());
  if (fd < 0) throw IoError(path, 0, SystemReason("cannot create a temporary file"));
  // The new file keeps the mode of the one it replaces, else the usual one.
  struct stat old_file;
  if (::stat(path.c_str(), &old_file) == 0) {
    ::fchmod(fd, old_file.st_mode & 07777);
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
  }
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  bool ok = true;
  while (ok && left > 0) {
    ssize_t written = ::write(fd, data, left);
    if (written < 0 && errno == EINTR) continue;
    ok = written > 0;
    if (ok) {
      data += written;
      left -= static_cast<std::size_t>(written);
    }
  }
  std::string reason = ok ? "" : SystemReason("cannot write");
  if (::close(fd) != 0 && ok) {
    ok = false;
    reason = SystemReason("cannot write");
  }
  if (ok && std::rename(pattern.c_str(), path.c_str()) != 0) {
    ok = false;
    reason = SystemReason("cannot replace the file");
  }
  if (!ok) {
    std::remove(pattern.c_str());
    throw IoError(path, 0, reason);
  }
}

}  // namespace wirsel::io

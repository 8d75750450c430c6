// Whole-file reads with a size limit, and writes through platform/'s writer.
#include "host/io/files.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

#include "host/io/io_error.h"
#include "platform/safe_file.h"

namespace wirsel::io {

namespace {

std::string TooLarge() {
  return "file too large (over " + std::to_string(kMaxInputBytes >> 20) + " MiB)";
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
  std::string bytes;
  int error = 0;
  if (IsStandardStream(path)) {
    error = platform::ReadDescriptor(STDIN_FILENO, kMaxInputBytes, &bytes);
  } else {
    error = platform::ReadWholeFile(path.c_str(), kMaxInputBytes, &bytes);
  }
  const std::string shown = IsStandardStream(path) ? "standard input" : path;
  if (error == EFBIG) throw IoError(shown, 0, TooLarge());
  if (error == EISDIR) throw IoError(shown, 0, "is a folder");
  if (error != 0) throw IoError(shown, 0, std::string("cannot read: ") + std::strerror(error));
  return bytes;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  if (IsStandardStream(path)) {
    std::cout.flush();
    const int error = platform::WriteToDescriptor(STDOUT_FILENO, bytes.data(), bytes.size());
    if (error != 0) {
      throw IoError("standard output", 0, std::string("cannot write: ") + std::strerror(error));
    }
    return;
  }
  const int error = platform::WriteFileReplacing(path.c_str(), bytes.data(), bytes.size(),
                                                 platform::kNewDocumentMode);
  if (error != 0) throw IoError(path, 0, std::string("cannot write: ") + std::strerror(error));
}

void CheckOutputPath(const std::string& path) {
  if (IsStandardStream(path)) return;
  const int error = platform::CheckWritable(path.c_str());
  if (error == ENOENT) throw IoError(path, 0, "cannot write: the folder does not exist");
  if (error != 0) throw IoError(path, 0, std::string("cannot write: ") + std::strerror(error));
}

}  // namespace wirsel::io

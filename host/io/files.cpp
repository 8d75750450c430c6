// Whole-file reads with a size limit, and writes through platform/'s writer.
#include "host/io/files.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

#include "host/io/io_error.h"
#include "host/messages/messages.h"
#include "platform/safe_file.h"

namespace wirsel::io {

namespace {

std::string TooLarge() {
  return Msg("file too large (over {1} MiB)", std::to_string(kMaxInputBytes >> 20));
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
  const std::string shown = IsStandardStream(path) ? Msg("standard input") : path;
  if (error == EFBIG) throw IoError(shown, 0, TooLarge());
  if (error == EISDIR) throw IoError(shown, 0, Msg("is a folder"));
  if (error != 0) throw IoError(shown, 0, Msg("cannot read: {1}", std::strerror(error)));
  return bytes;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  if (IsStandardStream(path)) {
    std::cout.flush();
    const int error = platform::WriteToDescriptor(STDOUT_FILENO, bytes.data(), bytes.size());
    if (error != 0) {
      throw IoError(Msg("standard output"), 0, Msg("cannot write: {1}", std::strerror(error)));
    }
    return;
  }
  const int error = platform::WriteFileReplacing(path.c_str(), bytes.data(), bytes.size(),
                                                 platform::kNewDocumentMode);
  if (error != 0) throw IoError(path, 0, Msg("cannot write: {1}", std::strerror(error)));
}

void CheckOutputPath(const std::string& path) {
  if (IsStandardStream(path)) return;
  const int error = platform::CheckWritable(path.c_str());
  if (error == ENOENT) throw IoError(path, 0, Msg("cannot write: the folder does not exist"));
  if (error != 0) throw IoError(path, 0, Msg("cannot write: {1}", std::strerror(error)));
}

}  // namespace wirsel::io

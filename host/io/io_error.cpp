// The message of an IoError reads "file:line: reason" (or "file: reason").
#include "host/io/io_error.h"

namespace wirsel::io {

namespace {

std::string Message(const std::string& file, int line, const std::string& reason) {
  std::string where = line > 0 ? file + ":" + std::to_string(line) : file;
  return where + ": " + reason;
}

}  // namespace

IoError::IoError(std::string file, int line, std::string reason)
    : std::runtime_error(Message(file, line, reason)),
      file_(std::move(file)),
      line_(line),
      reason_(std::move(reason)) {}

}  // namespace wirsel::io

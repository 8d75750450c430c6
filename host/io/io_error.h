// The one error every reader and writer of host/io throws: which file, which
// line (1-based; 0 when the fault is not tied to a line) and why.
#pragma once

#include <stdexcept>
#include <string>

namespace wirsel::io {

class IoError : public std::runtime_error {
 public:
  IoError(std::string file, int line, std::string reason);
  const std::string& file() const { return file_; }
  int line() const { return line_; }
  const std::string& reason() const { return reason_; }

 private:
  std::string file_;
  int line_;
  std::string reason_;
};

}  // namespace wirsel::io

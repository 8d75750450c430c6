// Blocks of whole lines from a file descriptor.
#include "host/line_blocks.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "host/io/io_error.h"

namespace {

constexpr std::size_t kReadSize = std::size_t{64} << 10;

}  // namespace

LineBlockReader::LineBlockReader(int fd, std::size_t block_bytes)
    : fd_(fd), block_bytes_(block_bytes == 0 ? 1 : block_bytes) {}

bool LineBlockReader::Fill(const std::string& name) {
  if (at_end_) return false;
  const std::size_t old = pending_.size();
  pending_.resize(old + kReadSize);
  ssize_t got = 0;
  do {
    got = read(fd_, pending_.data() + old, kReadSize);
  } while (got < 0 && errno == EINTR);
  if (got < 0) {
    pending_.resize(old);
    throw wirsel::io::IoError(name, 0, std::string("cannot read: ") + std::strerror(errno));
  }
  pending_.resize(old + static_cast<std::size_t>(got));
  if (got == 0) at_end_ = true;
  return got > 0;
}

bool LineBlockReader::Next(std::string& block, const std::string& name) {
  for (;;) {
    // Finds the line ends in what is read; a CR at the very end waits for the
    // next byte, which may be its LF.
    while (scanned_ < pending_.size()) {
      const char c = pending_[scanned_];
      if (c == '\n') {
        cut_ = ++scanned_;
        ++pending_lines_;
      } else if (c == '\r') {
        if (scanned_ + 1 == pending_.size() && !at_end_) break;
        scanned_ += scanned_ + 1 < pending_.size() && pending_[scanned_ + 1] == '\n' ? 2 : 1;
        cut_ = scanned_;
        ++pending_lines_;
      } else {
        ++scanned_;
      }
    }
    if (cut_ >= block_bytes_ || (at_end_ && !pending_.empty())) {
      const std::size_t take = at_end_ && scanned_ == pending_.size() ? pending_.size() : cut_;
      block.assign(pending_, 0, take);
      pending_.erase(0, take);
      scanned_ -= take;
      cut_ = 0;
      lines_ += pending_lines_;
      pending_lines_ = 0;
      return true;
    }
    if (!Fill(name) && pending_.empty()) return false;
  }
}

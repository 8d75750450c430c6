// Reading a byte stream in blocks of whole lines, so that a filter can work
// on a long input paragraph by paragraph with memory bounded by the block
// size and the longest line rather than by the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class LineBlockReader {
 public:
  // Reads file descriptor `fd` (not closed). Blocks hold at least
  // `block_bytes` bytes unless the input ends first.
  LineBlockReader(int fd, std::size_t block_bytes);

  // The next block: whole lines, each with its line end (LF, CR LF or a lone
  // CR, never split between blocks); the last block may end without one.
  // False at the end of the input. Throws IoError (named `name`) on a read
  // error.
  bool Next(std::string& block, const std::string& name);
  // Line ends in the blocks handed out so far.
  int64_t lines() const { return lines_; }

 private:
  // Appends up to one read's worth to pending_; false at the end of input.
  bool Fill(const std::string& name);

  int fd_;
  std::size_t block_bytes_;
  std::string pending_;
  std::size_t scanned_ = 0;    // pending_[0, scanned_) is looked at
  std::size_t cut_ = 0;        // pending_[0, cut_) is whole lines
  int64_t pending_lines_ = 0;  // line ends in pending_[0, cut_)
  int64_t lines_ = 0;
  bool at_end_ = false;
};

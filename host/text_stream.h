// A command as a filter: standard input read a block of whole paragraphs at a
// time, each block opened as a text document of its own, worked on, written
// out and closed, so that memory is bounded by the longest paragraph rather
// than by the input. Line ends are written in the style of the stream's
// first one, as for a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>

// Blocks are cut at the first line end after this many bytes, or after
// WIRSEL_STREAM_BLOCK bytes when that is set (1 makes every line a block).
std::size_t StreamBlockBytes();

// Output formats a stream can be written in block by block: "" (text),
// "text", "txt" and "tex".
bool StreamableFormat(const std::string& format);

// What is done to each block, in front: `first_line` is the number of the
// block's first line in the whole stream. False (with `error`, or with the
// failure already reported) stops the stream.
using BlockAction = std::function<bool(int64_t first_line, std::string& error)>;

// Where a stream's result goes: standard output ("" or "-"), or a file that
// is replaced only once the whole stream is written (OUT.part beside it
// meanwhile, removed when the stream fails).
class StreamOutput {
 public:
  StreamOutput() = default;
  ~StreamOutput();
  StreamOutput(const StreamOutput&) = delete;
  StreamOutput& operator=(const StreamOutput&) = delete;

  bool Open(const std::string& path, std::string& error);
  std::ostream& stream();
  // Puts the file in place; false with `error` when it cannot be.
  bool Commit(std::string& error);
  // The name reports give the output: the file, or "-".
  std::string name() const { return path_.empty() ? "-" : path_; }

 private:
  std::string path_;
  std::string part_;
  std::ofstream file_;
};

// Reads `fd` to its end; `name` names the input in errors. False with
// `error` set (or empty when `act` reported its failure itself).
bool RunTextStream(int fd, std::ostream& out, const std::string& format, const std::string& name,
                   std::size_t block_bytes, const BlockAction& act, std::string& error);

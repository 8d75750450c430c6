// Text streams block by block through the workspace.
#include "host/text_stream.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "host/io/io_error.h"
#include "host/io/text_format.h"
#include "host/line_blocks.h"
#include "host/messages/messages.h"
#include "host/session.h"

namespace model = wirsel::model;

namespace {

std::string LineEndBytes(wirsel::io::LineEnd line_end) {
  switch (line_end) {
    case wirsel::io::LineEnd::kCrLf: return "\r\n";
    case wirsel::io::LineEnd::kCr: return "\r";
    case wirsel::io::LineEnd::kLf: break;
  }
  return "\n";
}

// Closes the front document when the block is done, also on an error.
class FrontDocumentScope {
 public:
  explicit FrontDocumentScope(std::unique_ptr<model::Document> document)
      : index_(Session().workspace.Open(std::move(document))) {}
  ~FrontDocumentScope() { Session().workspace.Close(index_); }
  FrontDocumentScope(const FrontDocumentScope&) = delete;
  FrontDocumentScope& operator=(const FrontDocumentScope&) = delete;

 private:
  int16_t index_;
};

}  // namespace

StreamOutput::~StreamOutput() {
  if (part_.empty()) return;
  file_.close();
  std::remove(part_.c_str());
}

bool StreamOutput::Open(const std::string& path, std::string& error) {
  if (path.empty() || path == "-") return true;
  path_ = path;
  part_ = path + ".part";
  file_.open(part_, std::ios::binary | std::ios::trunc);
  if (file_) return true;
  error = Msg("cannot write {1}", part_);
  part_.clear();
  return false;
}

std::ostream& StreamOutput::stream() { return path_.empty() ? std::cout : file_; }

bool StreamOutput::Commit(std::string& error) {
  if (path_.empty()) {
    std::cout.flush();
    if (std::cout) return true;
    error = Msg("cannot write to standard output");
    return false;
  }
  file_.close();
  if (!file_ || std::rename(part_.c_str(), path_.c_str()) != 0) {
    error = Msg("cannot write {1}", path_);
    return false;
  }
  part_.clear();
  return true;
}

std::size_t StreamBlockBytes() {
  constexpr std::size_t kDefault = std::size_t{64} << 10;
  const char* set = std::getenv("WIRSEL_STREAM_BLOCK");
  if (!set || !*set) return kDefault;
  char* end = nullptr;
  const unsigned long long bytes = std::strtoull(set, &end, 10);
  return *end == 0 && bytes > 0 ? static_cast<std::size_t>(bytes) : kDefault;
}

bool StreamableFormat(const std::string& format) {
  return format.empty() || format == "text" || format == "txt" || format == "tex";
}

bool RunTextStream(int fd, std::ostream& out, const std::string& format, const std::string& name,
                   std::size_t block_bytes, const BlockAction& act, std::string& error) {
  const auto flavor =
      format == "tex" ? wirsel::io::TextFlavor::kTex : wirsel::io::TextFlavor::kText;
  LineBlockReader reader(fd, block_bytes);
  bool line_end_known = false;
  auto line_end = wirsel::io::LineEnd::kLf;
  // In TeX a paragraph end inside the text is a blank line, the last one a
  // line end only: the line end a block ended on gets its blank line once
  // another block follows.
  bool ended_paragraph = false;
  std::string block;
  try {
    for (;;) {
      const int64_t first_line = reader.lines() + 1;
      if (!reader.Next(block, name)) break;
      wirsel::io::TextFile text;
      try {
        text = wirsel::io::ParseText(block, name);
      } catch (const wirsel::io::IoError& e) {
        throw wirsel::io::IoError(name, e.line() > 0 ? e.line() + static_cast<int>(first_line) - 1 : 0,
                                  e.reason());
      }
      if (!line_end_known && block.find_first_of("\r\n") != std::string::npos) {
        line_end_known = true;
        line_end = text.line_end;
      }
      text.document->SetUndoKept(false);
      text.document->SetCurrentBox(text.document->FirstTextBox());
      FrontDocumentScope scope(std::move(text.document));
      if (!act(first_line, error)) return false;
      const model::Document* document = FrontDocument();
      const model::Story* story = document->story(document->StoryOfBox(document->FirstTextBox()));
      if (flavor == wirsel::io::TextFlavor::kTex && ended_paragraph) out << LineEndBytes(line_end);
      out << wirsel::io::RenderStory(*story, flavor, line_end);
      ended_paragraph = story->CharAt(story->length() - 1) == model::kParagraphEnd;
      out.flush();
      if (!out) {
        error = Msg("cannot write the output");
        return false;
      }
    }
  } catch (const wirsel::io::IoError& e) {
    error = e.what();
    return false;
  }
  return true;
}

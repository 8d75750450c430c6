// A LaTeX, HTML or Markdown source opened as a host document: one text box
// whose story is the source's prose, and the map that writes the story back
// into the source after the passes changed it and locates story positions in
// the source for reports.
#pragma once

#include <memory>
#include <string>

#include "host/model/document.h"
#include "host/model/gap_buffer.h"
#include "host/source/source_text.h"

namespace wirsel::source {

class SourceDocument : public model::EditObserver {
 public:
  // Reads the file's bytes as `kind` (throws io::IoError as the readers do)
  // and builds the document, which then reports its edits here.
  SourceDocument(SourceKind kind, std::string bytes, const std::string& name,
                 const ReaderSettings& settings = {});
  ~SourceDocument() override;
  SourceDocument(const SourceDocument&) = delete;
  SourceDocument& operator=(const SourceDocument&) = delete;

  // The document to open (once); it keeps reporting to this object, which
  // must outlive it or be detached with Detach().
  std::unique_ptr<model::Document> TakeDocument();
  void Detach();

  const SourceText& source() const { return source_; }
  model::StoryId story_id() const { return story_; }

  // The source with the story's current prose; with `plain` the prose alone
  // as UTF-8 text.
  std::string Write(const model::Document& document, bool plain = false) const;
  // Line and column in the source of the story character at `pos` (or of
  // the next one that came from the source).
  void Locate(int32_t pos, int64_t& line, int64_t& column) const;

  void Inserted(model::StoryId story, int32_t pos, int32_t count) override;
  void Erased(model::StoryId story, int32_t start, int32_t end) override;

 private:
  SourceText source_;
  LineIndex lines_;
  std::unique_ptr<model::Document> document_;
  model::Document* observed_ = nullptr;
  model::StoryId story_ = model::kNoStory;
  model::GapBuffer<int32_t> origins_;  // piece of each story character, -1 when new
};

}  // namespace wirsel::source

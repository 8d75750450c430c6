// Source files as host documents.
#include "host/source/source_document.h"

#include "host/io/io_error.h"

namespace wirsel::source {

SourceDocument::SourceDocument(SourceKind kind, std::string bytes, const std::string& name,
                               const ReaderSettings& settings)
    : source_(ReadSource(kind, std::move(bytes), name, settings)), lines_(source_.bytes) {
  const std::u16string text = source_.StoryText();
  if (text.size() > static_cast<size_t>(model::kMaxStoryLength)) {
    throw io::IoError(name, 0, "text too long for one story");
  }
  document_ = std::make_unique<model::Document>(name);
  document_->AddSpread(1);
  const model::BoxId box = document_->AddBox(model::BoxKind::kText, 1, 1);
  story_ = document_->StoryOfBox(box);
  document_->story(story_)->Insert(0, text, model::CharAttributes{});
  document_->SetCurrentBox(box);
  const std::vector<int32_t> pieces = source_.StoryPieces();
  origins_.Insert(0, pieces.data(), pieces.size());
  observed_ = document_.get();
  observed_->set_edit_observer(this);
}

SourceDocument::~SourceDocument() { Detach(); }

std::unique_ptr<model::Document> SourceDocument::TakeDocument() { return std::move(document_); }

void SourceDocument::Detach() {
  if (observed_ && observed_->edit_observer() == this) observed_->set_edit_observer(nullptr);
  observed_ = nullptr;
}

void SourceDocument::Inserted(model::StoryId story, int32_t pos, int32_t count) {
  if (story != story_ || pos < 0 || count <= 0 || static_cast<size_t>(pos) > origins_.size()) {
    return;
  }
  origins_.InsertFill(static_cast<size_t>(pos), -1, static_cast<size_t>(count));
}

void SourceDocument::Erased(model::StoryId story, int32_t start, int32_t end) {
  if (story != story_ || start < 0 || end < start || static_cast<size_t>(end) > origins_.size()) {
    return;
  }
  origins_.Erase(static_cast<size_t>(start), static_cast<size_t>(end));
}

std::string SourceDocument::Write(const model::Document& document, bool plain) const {
  const model::Story* story = document.story(story_);
  std::vector<StoryChar> chars;
  if (story) {
    const std::u16string text = story->Text();
    chars.resize(text.size());
    const bool tracked = origins_.size() == text.size();
    for (size_t i = 0; i < text.size(); ++i) {
      chars[i].code = text[i];
      chars[i].non_breaking =
          (story->Attribute(static_cast<int32_t>(i), model::kStyleKind) & model::kNonBreakingFlag) != 0;
      chars[i].piece = tracked ? origins_[i] : -1;
    }
  }
  return plain ? WriteProseText(source_, chars) : WriteSource(source_, chars);
}

void SourceDocument::Locate(int32_t pos, int64_t& line, int64_t& column) const {
  uint32_t offset = static_cast<uint32_t>(source_.bytes.size());
  for (size_t i = pos < 0 ? 0 : static_cast<size_t>(pos); i < origins_.size(); ++i) {
    const int32_t piece = origins_[i];
    if (piece >= 0 && static_cast<size_t>(piece) < source_.pieces.size()) {
      offset = source_.pieces[static_cast<size_t>(piece)].start;
      break;
    }
  }
  lines_.Locate(offset, line, column);
}

}  // namespace wirsel::source

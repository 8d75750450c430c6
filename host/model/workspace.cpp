// Open documents, the front one, tool, redraw, busy cursor and the change
// bracket of the host.
#include "host/model/workspace.h"

namespace wirsel::model {

int16_t Workspace::Open(std::unique_ptr<Document> document) {
  documents_.push_back(std::move(document));
  front_ = static_cast<int16_t>(documents_.size() - 1);
  return front_;
}

Result Workspace::Close(int16_t index) {
  Document* closing = document(index);
  if (!closing) return Result::kNoDocument;
  if (closing == bracket_document_) bracket_document_ = nullptr;
  documents_.erase(documents_.begin() + index);
  front_ = static_cast<int16_t>(documents_.size()) - 1;
  return Result::kOk;
}

Document* Workspace::document(int16_t index) {
  if (index < 0 || index >= document_count()) return nullptr;
  return documents_[static_cast<std::size_t>(index)].get();
}

Document* Workspace::front() { return document(front_); }

const Document* Workspace::front() const {
  return front_ < 0 ? nullptr : documents_[static_cast<std::size_t>(front_)].get();
}

Result Workspace::SetFront(int16_t index) {
  if (!document(index)) return Result::kNoDocument;
  front_ = index;
  return Result::kOk;
}

Result Workspace::SetTool(int16_t tool) {
  if (tool != kContentTool && tool != kItemTool) return Result::kBadValue;
  tool_ = tool;
  return Result::kOk;
}

void Workspace::BeginUndoableChange() {
  if (depth_++ == 0) bracket_document_ = front();
  if (bracket_document_) bracket_document_->BeginChange();
}

void Workspace::EndUndoableChange() {
  if (depth_ == 0) return;
  if (bracket_document_) bracket_document_->EndChange();
  if (--depth_ == 0) bracket_document_ = nullptr;
}

}  // namespace wirsel::model

// Story edits over parallel gap buffers, and the queries the host answers
// from them.
#include "host/model/story.h"

#include <algorithm>

#include "host/model/document.h"

namespace wirsel::model {

namespace {

bool ValidKind(int kind) { return kind >= 0 && kind < kAttributeKinds; }

// Appends `count` values of an optional buffer (null = all zero) to `out`,
// leaving `out` empty while every value is zero.
template <typename T>
std::vector<T> CopyRange(const GapBuffer<T>* buffer, int32_t start, int32_t end) {
  std::vector<T> out;
  if (!buffer) return out;
  bool any = false;
  for (int32_t i = start; i < end && !any; ++i) any = (*buffer)[static_cast<std::size_t>(i)] != 0;
  if (!any) return out;
  out.resize(static_cast<std::size_t>(end - start));
  buffer->CopyOut(static_cast<std::size_t>(start), out.size(), out.data());
  return out;
}

// A journal entry of `type` over [start, end) of `story`.
Edit RangeEdit(Edit::Type type, StoryId story, int32_t start, int32_t end, int kind = 0) {
  Edit edit;
  edit.type = type;
  edit.story = story;
  edit.start = start;
  edit.end = end;
  edit.kind = kind;
  return edit;
}

}  // namespace

Story::Story(Document& owner, StoryId id) : owner_(owner), id_(id) {}

char16_t Story::CharAt(int32_t pos) const {
  if (pos < 0 || pos >= length()) return 0;
  return chars_[static_cast<std::size_t>(pos)];
}

int32_t Story::Read(int32_t pos, int32_t count, char16_t* out) const {
  if (count < 1 || pos < 0 || pos >= length()) return 0;
  int32_t n = std::min(count, length() - pos);
  chars_.CopyOut(static_cast<std::size_t>(pos), static_cast<std::size_t>(n), out);
  return n;
}

std::u16string Story::Text() const {
  std::u16string text(static_cast<std::size_t>(length()), u'\0');
  Read(0, length(), text.data());
  return text;
}

uint32_t Story::Attribute(int32_t pos, int kind) const {
  if (!ValidKind(kind) || pos < 0 || pos >= length() || !attributes_[kind]) return 0;
  return (*attributes_[kind])[static_cast<std::size_t>(pos)];
}

CharAttributes Story::Attributes(int32_t pos) const {
  CharAttributes words{};
  for (int kind = 0; kind < kAttributeKinds; ++kind) words[kind] = Attribute(pos, kind);
  return words;
}

CharAttributes Story::SelectionAttributes() const {
  if (selection_.end > selection_.start) return Attributes(selection_.start);
  if (selection_.start > 0) return Attributes(selection_.start - 1);
  return Attributes(0);
}

int32_t Story::NextPosition(int32_t pos) const {
  return pos >= 0 && pos < length() ? pos + 1 : -1;
}

int32_t Story::PreviousPosition(int32_t pos) const {
  return pos > 0 && pos <= length() ? pos - 1 : -1;
}

int32_t Story::ParagraphEndFrom(int32_t pos) const {
  for (int32_t i = std::max(pos, 0); i < length(); ++i) {
    if (chars_[static_cast<std::size_t>(i)] == kParagraphEnd) return i;
  }
  return -1;
}

int32_t Story::ParagraphHjAtEnd(int32_t end) const {
  if (end < 0) return last_paragraph_hj_;
  return paragraph_hj_ ? (*paragraph_hj_)[static_cast<std::size_t>(end)] : 0;
}

Paragraph Story::ParagraphAt(int32_t pos) const {
  pos = std::clamp(pos, 0, length());
  Paragraph paragraph;
  for (int32_t i = pos - 1; i >= 0; --i) {
    if (chars_[static_cast<std::size_t>(i)] == kParagraphEnd) {
      paragraph.start = i + 1;
      break;
    }
  }
  int32_t end = ParagraphEndFrom(pos);
  paragraph.end = end < 0 ? length() : end + 1;
  paragraph.hj = ParagraphHjAtEnd(end);
  return paragraph;
}

int32_t Story::ParagraphCount() const {
  int32_t count = 1;
  for (int32_t i = 0; i < length(); ++i) {
    if (chars_[static_cast<std::size_t>(i)] == kParagraphEnd) ++count;
  }
  return count;
}

BoxId Story::AnchoredBoxAt(int32_t pos) const {
  if (!anchors_ || pos < 0 || pos >= length()) return kNoBox;
  return (*anchors_)[static_cast<std::size_t>(pos)];
}

Result Story::FindAnchored(int32_t start, int32_t end, int32_t n, int32_t* position,
                           BoxId* box) const {
  if (!ValidRange(start, end) || n < 0) return Result::kBadPosition;
  int32_t from = start;
  int32_t skip = n;
  const AnchorCursor& last = anchor_cursor_;
  if (last.changes == changes_ && last.start == start && last.end == end && last.n <= n) {
    from = last.n == n ? last.position : last.position + 1;
    skip = last.n == n ? 0 : n - last.n - 1;
  }
  for (int32_t i = from; anchors_ && i < end; ++i) {
    BoxId found = (*anchors_)[static_cast<std::size_t>(i)];
    if (found == kNoBox || skip-- > 0) continue;
    anchor_cursor_ = {changes_, start, end, n, i};
    if (position) *position = i;
    if (box) *box = found;
    return Result::kOk;
  }
  return Result::kNoSuchBox;
}

bool Story::ValidRange(int32_t start, int32_t end) const {
  return start >= 0 && start <= end && end <= length();
}

GapBuffer<uint32_t>& Story::KindBuffer(int kind) {
  auto& buffer = attributes_[kind];
  if (!buffer) buffer = std::make_unique<GapBuffer<uint32_t>>(chars_.size(), 0u);
  return *buffer;
}

GapBuffer<int32_t>& Story::ParagraphBuffer() {
  if (!paragraph_hj_) paragraph_hj_ = std::make_unique<GapBuffer<int32_t>>(chars_.size(), 0);
  return *paragraph_hj_;
}

void Story::ShiftSelectionForInsert(int32_t pos, int32_t count) {
  if (selection_.start > pos) selection_.start += count;
  if (selection_.end > pos) selection_.end += count;
}

void Story::ShiftSelectionForErase(int32_t start, int32_t end) {
  auto shift = [&](int32_t& p) {
    if (p > end) p -= end - start;
    else if (p > start) p = start;
  };
  shift(selection_.start);
  shift(selection_.end);
}

Result Story::Insert(int32_t pos, std::u16string_view chars, const CharAttributes& attributes) {
  if (chars.size() > static_cast<std::size_t>(kMaxStoryLength)) return Result::kTooLong;
  return Insert(pos, chars.data(), static_cast<int32_t>(chars.size()), attributes);
}

Result Story::Insert(int32_t pos, const char16_t* chars, int32_t count,
                     const CharAttributes& attributes) {
  if (pos < 0 || pos > length() || count < 0) return Result::kBadPosition;
  if (count > kMaxStoryLength - length()) return Result::kTooLong;
  if (count == 0) return Result::kOk;
  for (int kind = 0; kind < kAttributeKinds; ++kind) {
    if (attributes[kind] != 0) KindBuffer(kind);
  }
  const auto at = static_cast<std::size_t>(pos);
  const auto n = static_cast<std::size_t>(count);
  chars_.Insert(at, chars, n);
  for (int kind = 0; kind < kAttributeKinds; ++kind) {
    if (attributes_[kind]) attributes_[kind]->InsertFill(at, attributes[kind], n);
  }
  if (anchors_) anchors_->InsertFill(at, kNoBox, n);
  if (paragraph_hj_) paragraph_hj_->InsertFill(at, 0, n);
  // New paragraph ends split the paragraph they land in; each part keeps its
  // H&J specification.
  ++changes_;
  const bool new_paragraph_end =
      std::find(chars, chars + count, kParagraphEnd) != chars + count;
  if (new_paragraph_end && (paragraph_hj_ || last_paragraph_hj_ != 0)) {
    int32_t hj = ParagraphHjAtEnd(ParagraphEndFrom(pos + count));
    for (int32_t i = 0; hj != 0 && i < count; ++i) {
      if (chars[i] == kParagraphEnd) ParagraphBuffer().Set(at + static_cast<std::size_t>(i), hj);
    }
  }
  ShiftSelectionForInsert(pos, count);
  if (owner_.edit_observer_) owner_.edit_observer_->Inserted(id_, pos, count);
  if (owner_.journal_.recording()) {
    owner_.journal_.Record(RangeEdit(Edit::Type::kInsert, id_, pos, pos + count));
  }
  return Result::kOk;
}

Result Story::Erase(int32_t start, int32_t end) {
  if (!ValidRange(start, end)) return Result::kBadPosition;
  if (start == end) return Result::kOk;
  if (owner_.edit_observer_) owner_.edit_observer_->Erased(id_, start, end);
  if (owner_.journal_.recording()) {
    auto collapses = [&](int32_t p) { return p > start && p <= end; };
    if (collapses(selection_.start) || collapses(selection_.end)) {
      owner_.journal_.RecordSelection(id_, selection_);
    }
    Edit edit = RangeEdit(Edit::Type::kErase, id_, start, end);
    edit.removed = Extract(start, end);
    RawErase(start, end);
    owner_.journal_.Record(std::move(edit));
  } else {
    RawErase(start, end);
  }
  return Result::kOk;
}

Result Story::SetSelection(int32_t start, int32_t end) {
  if (!ValidRange(start, end)) return Result::kBadPosition;
  Selection wanted{start, end};
  if (wanted == selection_) return Result::kOk;
  if (owner_.journal_.recording()) owner_.journal_.RecordSelection(id_, selection_);
  selection_ = wanted;
  return Result::kOk;
}

Result Story::SetAttribute(int32_t start, int32_t end, int kind, uint32_t value) {
  if (!ValidKind(kind)) return Result::kBadValue;
  if (!ValidRange(start, end)) return Result::kBadPosition;
  if (start == end || (value == 0 && !attributes_[kind])) return Result::kOk;
  auto& buffer = KindBuffer(kind);
  if (owner_.journal_.recording()) {
    Edit edit = RangeEdit(Edit::Type::kAttribute, id_, start, end, kind);
    edit.old_values.resize(static_cast<std::size_t>(end - start));
    buffer.CopyOut(static_cast<std::size_t>(start), edit.old_values.size(),
                   edit.old_values.data());
    owner_.journal_.Record(std::move(edit));
  }
  for (int32_t i = start; i < end; ++i) buffer.Set(static_cast<std::size_t>(i), value);
  return Result::kOk;
}

Result Story::ToggleFlags(int32_t start, int32_t end, int kind, uint32_t flags) {
  if (!ValidKind(kind)) return Result::kBadValue;
  if (!ValidRange(start, end)) return Result::kBadPosition;
  if (start == end || flags == 0) return Result::kOk;
  auto& buffer = KindBuffer(kind);
  for (int32_t i = start; i < end; ++i) {
    auto at = static_cast<std::size_t>(i);
    buffer.Set(at, buffer[at] ^ flags);
  }
  if (owner_.journal_.recording()) {
    Edit edit = RangeEdit(Edit::Type::kToggle, id_, start, end, kind);
    edit.flags = flags;
    owner_.journal_.Record(std::move(edit));
  }
  return Result::kOk;
}

Result Story::SetParagraphHj(int32_t pos, int32_t hj) {
  if (pos < 0 || pos > length()) return Result::kBadPosition;
  if (hj < 0 || hj >= owner_.hj_count()) return Result::kBadValue;
  Paragraph paragraph = ParagraphAt(pos);
  int32_t end = paragraph.end > paragraph.start &&
                        CharAt(paragraph.end - 1) == kParagraphEnd
                    ? paragraph.end - 1
                    : -1;
  if (owner_.journal_.recording()) {
    Edit edit;
    edit.type = Edit::Type::kParagraphHj;
    edit.story = id_;
    edit.start = end;
    edit.old_value = paragraph.hj;
    owner_.journal_.Record(std::move(edit));
  }
  RawSetParagraphHj(end, hj);
  return Result::kOk;
}

StoryFragment Story::Extract(int32_t start, int32_t end) const {
  StoryFragment fragment;
  fragment.chars.resize(static_cast<std::size_t>(end - start));
  Read(start, end - start, fragment.chars.data());
  for (int kind = 0; kind < kAttributeKinds; ++kind) {
    fragment.attributes[kind] = CopyRange(attributes_[kind].get(), start, end);
  }
  fragment.anchors = CopyRange(anchors_.get(), start, end);
  fragment.paragraph_hj = CopyRange(paragraph_hj_.get(), start, end);
  return fragment;
}

void Story::RawErase(int32_t start, int32_t end) {
  const auto from = static_cast<std::size_t>(start);
  const auto to = static_cast<std::size_t>(end);
  ++changes_;
  if (anchors_) {
    for (std::size_t i = from; i < to; ++i) {
      if ((*anchors_)[i] != kNoBox) owner_.SetAttached((*anchors_)[i], false);
    }
    anchors_->Erase(from, to);
  }
  chars_.Erase(from, to);
  for (auto& buffer : attributes_) {
    if (buffer) buffer->Erase(from, to);
  }
  if (paragraph_hj_) paragraph_hj_->Erase(from, to);
  ShiftSelectionForErase(start, end);
}

void Story::RawInsert(int32_t pos, const StoryFragment& fragment) {
  const auto at = static_cast<std::size_t>(pos);
  const std::size_t n = fragment.chars.size();
  ++changes_;
  // Buffers are made before the characters go in, at the old length.
  for (int kind = 0; kind < kAttributeKinds; ++kind) {
    if (!fragment.attributes[kind].empty()) KindBuffer(kind);
  }
  if (!fragment.anchors.empty() && !anchors_) {
    anchors_ = std::make_unique<GapBuffer<BoxId>>(chars_.size(), kNoBox);
  }
  if (!fragment.paragraph_hj.empty()) ParagraphBuffer();
  chars_.Insert(at, fragment.chars.data(), n);
  for (int kind = 0; kind < kAttributeKinds; ++kind) {
    if (!attributes_[kind]) continue;
    const auto& values = fragment.attributes[kind];
    if (values.empty()) attributes_[kind]->InsertFill(at, 0, n);
    else attributes_[kind]->Insert(at, values.data(), n);
  }
  if (anchors_) {
    if (fragment.anchors.empty()) {
      anchors_->InsertFill(at, kNoBox, n);
    } else {
      anchors_->Insert(at, fragment.anchors.data(), n);
      for (BoxId box : fragment.anchors) {
        if (box != kNoBox) owner_.SetAttached(box, true);
      }
    }
  }
  if (paragraph_hj_) {
    if (fragment.paragraph_hj.empty()) paragraph_hj_->InsertFill(at, 0, n);
    else paragraph_hj_->Insert(at, fragment.paragraph_hj.data(), n);
  }
  ShiftSelectionForInsert(pos, static_cast<int32_t>(n));
}

void Story::RawSetAttribute(int32_t pos, int kind, uint32_t value) {
  KindBuffer(kind).Set(static_cast<std::size_t>(pos), value);
}

void Story::RawSetParagraphHj(int32_t end, int32_t hj) {
  if (end < 0) last_paragraph_hj_ = hj;
  else ParagraphBuffer().Set(static_cast<std::size_t>(end), hj);
}

void Story::SetAnchor(int32_t pos, BoxId box) {
  if (!anchors_) anchors_ = std::make_unique<GapBuffer<BoxId>>(chars_.size(), kNoBox);
  anchors_->Set(static_cast<std::size_t>(pos), box);
  ++changes_;
}

}  // namespace wirsel::model

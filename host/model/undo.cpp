// Recording, merging and reverting the edits of change brackets.
#include "host/model/undo.h"

#include <algorithm>

#include "host/model/document.h"

namespace wirsel::model {

namespace {

// Values of one optional per-character array (empty = all zero) for a
// fragment of `size` characters.
template <typename T>
void ExpandTo(std::vector<T>& values, std::size_t size) {
  if (values.empty()) values.assign(size, T{});
}

template <typename T>
void Concatenate(std::vector<T>& front, std::size_t front_size, std::vector<T>&& back,
                 std::size_t back_size) {
  if (front.empty() && back.empty()) return;
  ExpandTo(front, front_size);
  ExpandTo(back, back_size);
  front.insert(front.end(), back.begin(), back.end());
}

// front followed by back, as one fragment, left in front.
void Concatenate(StoryFragment& front, StoryFragment&& back) {
  const std::size_t front_size = front.chars.size();
  const std::size_t back_size = back.chars.size();
  for (int kind = 0; kind < kAttributeKinds; ++kind) {
    Concatenate(front.attributes[kind], front_size, std::move(back.attributes[kind]), back_size);
  }
  Concatenate(front.anchors, front_size, std::move(back.anchors), back_size);
  Concatenate(front.paragraph_hj, front_size, std::move(back.paragraph_hj), back_size);
  front.chars += back.chars;
}

}  // namespace

void UndoJournal::SetKeeping(bool on) {
  keeping_ = on;
  if (on) return;
  open_.clear();
  selection_saved_.clear();
  steps_.clear();
}

void UndoJournal::End() {
  if (depth_ == 0) return;
  if (--depth_ > 0) return;
  if (!open_.empty()) steps_.push_back(std::move(open_));
  open_.clear();
  selection_saved_.clear();
}

void UndoJournal::Record(Edit edit) {
  if (!open_.empty() && Merge(open_.back(), edit)) {
    const Edit& last = open_.back();
    if (last.type == Edit::Type::kInsert && last.start == last.end) open_.pop_back();
    return;
  }
  open_.push_back(std::move(edit));
}

void UndoJournal::RecordSelection(StoryId story, const Selection& old_selection) {
  if (std::find(selection_saved_.begin(), selection_saved_.end(), story) !=
      selection_saved_.end()) {
    return;
  }
  selection_saved_.push_back(story);
  Edit edit;
  edit.type = Edit::Type::kSelection;
  edit.story = story;
  edit.old_selection = old_selection;
  open_.push_back(std::move(edit));
}

bool UndoJournal::Merge(Edit& last, Edit& edit) {
  if (last.story != edit.story) return false;
  const int32_t count = edit.end - edit.start;
  if (last.type == Edit::Type::kInsert) {
    // Typing inside or at either edge of freshly inserted text.
    if (edit.type == Edit::Type::kInsert && edit.start >= last.start && edit.start <= last.end) {
      last.end += count;
      return true;
    }
    // Erasing text this step inserted: nothing is left to undo of it.
    if (edit.type == Edit::Type::kErase && edit.start >= last.start && edit.end <= last.end) {
      last.end -= count;
      return true;
    }
    return false;
  }
  // Flipping the same flags over a neighbouring range, as a walk does.
  if (last.type == Edit::Type::kToggle && edit.type == Edit::Type::kToggle &&
      last.kind == edit.kind && last.flags == edit.flags &&
      (edit.start == last.end || edit.end == last.start)) {
    last.start = std::min(last.start, edit.start);
    last.end = std::max(last.end, edit.end);
    return true;
  }
  if (last.type == Edit::Type::kErase && edit.type == Edit::Type::kErase) {
    if (edit.start == last.start) {  // deleting forward
      Concatenate(last.removed, std::move(edit.removed));
      return true;
    }
    if (edit.end == last.start) {  // backspacing
      Concatenate(edit.removed, std::move(last.removed));
      last.removed = std::move(edit.removed);
      last.start = edit.start;
      return true;
    }
  }
  return false;
}

bool UndoJournal::Undo(Document& document) {
  if (depth_ > 0 || steps_.empty()) return false;
  std::vector<Edit> step = std::move(steps_.back());
  steps_.pop_back();
  undoing_ = true;
  for (auto it = step.rbegin(); it != step.rend(); ++it) Revert(document, *it);
  undoing_ = false;
  return true;
}

void UndoJournal::Revert(Document& document, Edit& edit) {
  if (edit.type == Edit::Type::kHjAuto) {
    document.hjs_[static_cast<std::size_t>(edit.start)].auto_hyphenation = edit.old_value != 0;
    return;
  }
  Story* story = document.story(edit.story);
  if (!story) return;  // dropped by a link since
  switch (edit.type) {
    case Edit::Type::kInsert:
      story->RawErase(edit.start, edit.end);
      break;
    case Edit::Type::kErase:
      story->RawInsert(edit.start, edit.removed);
      break;
    case Edit::Type::kSelection:
      story->selection_.start = std::min(edit.old_selection.start, story->length());
      story->selection_.end = std::min(edit.old_selection.end, story->length());
      break;
    case Edit::Type::kAttribute:
      for (std::size_t i = 0; i < edit.old_values.size(); ++i) {
        story->RawSetAttribute(edit.start + static_cast<int32_t>(i), edit.kind,
                               edit.old_values[i]);
      }
      break;
    case Edit::Type::kToggle:
      for (int32_t i = edit.start; i < edit.end; ++i) {
        story->RawSetAttribute(i, edit.kind, story->Attribute(i, edit.kind) ^ edit.flags);
      }
      break;
    case Edit::Type::kParagraphHj:
      story->RawSetParagraphHj(edit.start, edit.old_value);
      break;
    case Edit::Type::kHjAuto:
      break;
  }
}

}  // namespace wirsel::model

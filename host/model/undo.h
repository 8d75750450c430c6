// The undo journal of a document: while a change bracket is open, every edit
// leaves a small delta (what was inserted, what an erase took out, the old
// selection or attribute words); the outermost bracket's deltas form one step,
// undone by applying them backwards. Stories are never copied whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/model/story.h"
#include "host/model/types.h"

namespace wirsel::model {

class Document;

struct Edit {
  enum class Type : uint8_t {
    kInsert,       // story [start, end) was inserted
    kErase,        // `removed` was taken out at start
    kSelection,    // the selection was `old_selection` when the step began
    kAttribute,    // kind's words over [start, end) were `old_values`
    kToggle,       // `flags` of kind were flipped over [start, end)
    kParagraphHj,  // the paragraph ending at `start` (-1: the last) had H&J `old_value`
    kHjAuto,       // H&J specification `start` had automatic hyphenation `old_value`
  };
  Type type = Type::kInsert;
  StoryId story = kNoStory;
  int32_t start = 0;
  int32_t end = 0;
  int kind = 0;
  uint32_t flags = 0;
  int32_t old_value = 0;
  Selection old_selection;
  std::vector<uint32_t> old_values;
  StoryFragment removed;
};

class UndoJournal {
 public:
  void Begin() { ++depth_; }
  // Closes one bracket; the outermost one files its edits as a step.
  void End();
  int32_t depth() const { return depth_; }
  std::size_t steps() const { return steps_.size(); }
  bool Undo(Document& document);

  bool recording() const { return depth_ > 0 && !undoing_ && keeping_; }
  // A journal that keeps nothing still counts brackets; programs that never
  // undo switch keeping off so that memory does not grow with the edits.
  void SetKeeping(bool on);
  // Records an edit, merging it with the previous one of the bracket when
  // they continue each other (typing, backspacing, insert-then-erase).
  void Record(Edit edit);
  // Records a story's selection before its first change in the open step;
  // undoing the step restores exactly that one.
  void RecordSelection(StoryId story, const Selection& old_selection);

 private:
  bool Merge(Edit& last, Edit& edit);
  static void Revert(Document& document, Edit& edit);

  int32_t depth_ = 0;
  bool undoing_ = false;
  bool keeping_ = true;
  std::vector<Edit> open_;
  std::vector<StoryId> selection_saved_;  // stories whose selection open_ holds
  std::vector<std::vector<Edit>> steps_;
};

}  // namespace wirsel::model

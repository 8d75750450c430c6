// A document (one layout): spreads of pages, the boxes placed on them, groups,
// text chains sharing a story, inline boxes anchored in stories, the H&J
// specifications, the current box, and the undo journal that turns each
// outermost change bracket into one undo step.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/model/story.h"
#include "host/model/types.h"
#include "host/model/undo.h"

namespace wirsel::model {

struct Bounds {
  double x = 0, y = 0, width = 0, height = 0;
  bool operator==(const Bounds&) const = default;
};

// Where a box sits: exactly one of these.
//  - top level of a spread (spread != 0),
//  - member of a group (group != kNoBox),
//  - anchored in a story (anchored_in != kNoStory, anchor character at a
//    position of that story; `attached` is false while that character is
//    deleted, and the box then counts as no longer valid).
struct Box {
  BoxId id = kNoBox;
  BoxKind kind = BoxKind::kText;
  int32_t spread = 0;       // 1..spread_count for a top-level box
  int32_t page = 0;         // page number in the document 1..page_count; 0 = pasteboard
  BoxId group = kNoBox;     // the group holding this box
  StoryId anchored_in = kNoStory;
  bool attached = true;
  Bounds bounds;
  // Text boxes: their story and their neighbours in its chain.
  StoryId story = kNoStory;
  BoxId previous_linked = kNoBox;
  BoxId next_linked = kNoBox;
  // Groups: their items, in order.
  std::vector<BoxId> items;
  // Index in the list that holds the box (its spread's items or its group's),
  // so that walks step to a sibling without searching.
  std::size_t slot = 0;
};

struct HJSpec {
  std::string name;  // UTF-8
  bool auto_hyphenation = true;
  bool operator==(const HJSpec&) const = default;
};

struct Spread {
  int32_t pages = 1;
  std::vector<BoxId> items;  // top-level boxes, back to front
};

// Which boxes a spread walk delivers.
enum class Walk : uint8_t {
  kTopLevel,      // the items of the spread; a group counts as one item
  kWithMembers,   // also the members of every group, right after the group
};

// Told of every insertion and erasure of story characters made through the
// public edits (not of undo): readers that keep something parallel to a
// story's characters, such as the source map of a LaTeX, HTML or Markdown
// file, follow the edits with it.
class EditObserver {
 public:
  virtual ~EditObserver() = default;
  virtual void Inserted(StoryId story, int32_t pos, int32_t count) = 0;
  // [start, end) is about to be erased.
  virtual void Erased(StoryId story, int32_t start, int32_t end) = 0;
};

class Document {
 public:
  // A document has at least one H&J specification; with none given it gets
  // "Standard" with automatic hyphenation.
  explicit Document(std::string name = {}, std::vector<HJSpec> hjs = {});
  ~Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  const std::string& name() const { return name_; }

  // ---- Spreads and pages ----
  // Appends a spread of `pages` pages (>= 1); answers its number (1-based).
  int32_t AddSpread(int32_t pages = 1);
  int32_t spread_count() const { return static_cast<int32_t>(spreads_.size()); }
  const Spread* spread(int32_t number) const;  // 1..count, else null
  int32_t page_count() const;

  // ---- Boxes ----
  // A top-level box on a spread. A text box gets a new empty story unless
  // `story` names an existing one, whose chain it then joins at the end.
  // `id` 0 = the next free id. Answers the id, or kNoBox when the spread,
  // page, id or story is not acceptable (see LastResult()).
  BoxId AddBox(BoxKind kind, int32_t spread, int32_t page = 0, Bounds bounds = {},
               BoxId id = kNoBox, StoryId story = kNoStory);
  // Makes a group of top-level boxes of one spread; the group takes the place
  // of the first of them. At least one item.
  BoxId AddGroup(const std::vector<BoxId>& items, BoxId id = kNoBox);
  // Inserts an anchor character at pos of the story and anchors a new box
  // there (taking the story's selection attributes).
  BoxId InsertAnchoredBox(StoryId story, int32_t pos, BoxKind kind, BoxId id = kNoBox,
                          StoryId box_story = kNoStory);
  // Anchors a new box at an anchor character already in the story (used by
  // readers, whose text holds the anchor characters).
  BoxId AttachAnchoredBox(StoryId story, int32_t pos, BoxKind kind, BoxId id = kNoBox,
                          StoryId box_story = kNoStory);
  // Links `next` after `previous` in a text chain: `next` must be a text box
  // at the end of its own chain with an empty story, which is dropped; from
  // then on both show one story.
  Result Link(BoxId previous, BoxId next);

  // Sets the page (0..page_count) and bounds of a box.
  Result SetBoxPlacement(BoxId id, int32_t page, Bounds bounds);

  const Box* box(BoxId id) const;
  // The box exists and is placed (an anchored box whose anchor character was
  // deleted is not valid).
  bool BoxValid(BoxId id) const;
  bool IsTextBox(BoxId id) const;
  bool IsGroup(BoxId id) const;
  std::vector<BoxId> BoxIds() const;  // every box, ascending id

  // ---- Stories ----
  // A new empty story (id 0 = next free); kNoStory when the id is taken.
  StoryId NewStory(StoryId id = kNoStory);
  Story* story(StoryId id);
  const Story* story(StoryId id) const;
  StoryId StoryOfBox(BoxId box) const;  // kNoStory unless a text box
  std::vector<StoryId> StoryIds() const;
  // The chain of a story, first box first.
  std::vector<BoxId> ChainOf(StoryId story) const;
  // Puts the boxes of a story's chain in this order; `boxes` must be exactly
  // the boxes that show the story.
  Result SetChainOrder(StoryId story, const std::vector<BoxId>& boxes);

  // ---- Walks ----
  BoxId FirstBoxOfSpread(int32_t spread, Walk walk) const;
  BoxId NextBox(BoxId box, Walk walk) const;
  // Boxes whose page is `page`, in spread order with group members.
  BoxId FirstBoxOfPage(int32_t page) const;
  BoxId NextBoxOnPage(BoxId box) const;
  // The first text box of the spreads, group members included: the box a
  // text file holds.
  BoxId FirstTextBox() const;

  // ---- H&J specifications ----
  int32_t hj_count() const { return static_cast<int32_t>(hjs_.size()); }
  const HJSpec* hj(int32_t index) const;
  Result SetHjAutoHyphenation(int32_t index, bool on);  // journaled

  // ---- Current box ----
  BoxId current_box() const { return current_box_; }
  Result SetCurrentBox(BoxId id);  // kNoBox clears it

  // ---- Undo ----
  // Brackets nest; edits between the outermost Begin and its End become one
  // undo step. Edits outside any bracket are not undoable (loading, setup).
  void BeginChange() { journal_.Begin(); }
  void EndChange() { journal_.End(); }
  int32_t change_depth() const { return journal_.depth(); }
  std::size_t undo_steps() const { return journal_.steps(); }
  // Undoes the last step; false when there is none or a bracket is open.
  bool Undo() { return journal_.Undo(*this); }
  // Off: brackets are still counted but no step is kept (and the steps kept
  // so far are dropped), for batch work that never undoes.
  void SetUndoKept(bool on) { journal_.SetKeeping(on); }

  // The observer of story edits (null: none); the document does not own it.
  void set_edit_observer(EditObserver* observer) { edit_observer_ = observer; }
  EditObserver* edit_observer() const { return edit_observer_; }

  // Why the last Add*/Attach*/NewStory answered none.
  Result LastResult() const { return last_result_; }

 private:
  friend class Story;
  friend class UndoJournal;

  BoxId TakeBoxId(BoxId wanted);
  StoryId TakeStoryId(StoryId wanted);
  Box* MutableBox(BoxId id);
  BoxId Fail(Result result);
  BoxId NewBox(BoxKind kind, BoxId id, StoryId story);
  void AppendToChain(Box& box, StoryId story);
  void SetAttached(BoxId box, bool attached);
  BoxId NextSibling(const Box& box) const;
  // The whole document in spread order, group members included.
  BoxId FirstInDocument() const;
  BoxId WalkNext(BoxId box) const;
  // Renumbers the slots of list[from..].
  void Renumber(const std::vector<BoxId>& list, std::size_t from);

  // First and last box of each story's chain.
  struct ChainEnds {
    BoxId first = kNoBox;
    BoxId last = kNoBox;
  };

  std::string name_;
  std::vector<Spread> spreads_;
  std::map<BoxId, Box> boxes_;
  std::map<StoryId, std::unique_ptr<Story>> stories_;
  std::map<StoryId, ChainEnds> chains_;
  int32_t pages_ = 0;
  std::vector<HJSpec> hjs_;
  BoxId current_box_ = kNoBox;
  BoxId next_box_id_ = 1;
  StoryId next_story_id_ = 1;
  Result last_result_ = Result::kOk;
  UndoJournal journal_;
  EditObserver* edit_observer_ = nullptr;
};

}  // namespace wirsel::model

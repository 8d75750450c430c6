// A story: the 16-bit characters of one text chain, a 32-bit attribute word
// per character for each attribute kind in use, the H&J specification of each
// paragraph, inline boxes anchored at positions, and its selection. Characters
// and attributes sit in parallel gap buffers; every edit is reported to the
// owning document's undo journal.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/model/gap_buffer.h"
#include "host/model/types.h"

namespace wirsel::model {

class Document;

struct Selection {
  int32_t start = 0;
  int32_t end = 0;
  bool operator==(const Selection&) const = default;
};

// One paragraph: characters [start, end), end including its paragraph end
// (code 13) when it has one; the last paragraph of a story may have none.
struct Paragraph {
  int32_t start = 0;
  int32_t end = 0;
  int32_t hj = 0;  // index of its H&J specification in the document
};

// Everything a range of a story holds, as taken out by an erase and put back
// by its undo.
struct StoryFragment {
  std::u16string chars;
  std::array<std::vector<uint32_t>, kAttributeKinds> attributes;  // empty: all 0
  std::vector<BoxId> anchors;        // empty: no anchored box in the range
  std::vector<int32_t> paragraph_hj; // empty: all 0
};

class Story {
 public:
  Story(Document& owner, StoryId id);
  Story(const Story&) = delete;
  Story& operator=(const Story&) = delete;

  StoryId id() const { return id_; }
  int32_t length() const { return static_cast<int32_t>(chars_.size()); }

  // Character at pos (0 <= pos < length), 0 outside.
  char16_t CharAt(int32_t pos) const;
  // Copies up to count characters from pos into out; answers how many were
  // copied (0 when pos is outside the story or count < 1).
  int32_t Read(int32_t pos, int32_t count, char16_t* out) const;
  std::u16string Text() const;

  // Attribute word of one kind at pos; 0 outside the story or the kinds.
  uint32_t Attribute(int32_t pos, int kind) const;
  CharAttributes Attributes(int32_t pos) const;
  // The attributes an inserted character takes: those of the first selected
  // character, else of the character before the insertion point, else of the
  // first character, else none.
  CharAttributes SelectionAttributes() const;

  // Plain +1 / -1 within 0..length; -1 past either end or outside.
  int32_t NextPosition(int32_t pos) const;
  int32_t PreviousPosition(int32_t pos) const;

  // The paragraph holding pos (0..length; pos == length is in the last one).
  Paragraph ParagraphAt(int32_t pos) const;
  int32_t ParagraphCount() const;

  // Box anchored at pos, or kNoBox.
  BoxId AnchoredBoxAt(int32_t pos) const;
  // The n-th (0-based) anchored box in [start, end), in story order.
  Result FindAnchored(int32_t start, int32_t end, int32_t n, int32_t* position,
                      BoxId* box) const;

  const Selection& selection() const { return selection_; }

  // ---- Edits (journaled when a change bracket is open) ----
  // Inserts count characters before pos, each with `attributes`.
  Result Insert(int32_t pos, const char16_t* chars, int32_t count,
                const CharAttributes& attributes);
  Result Insert(int32_t pos, std::u16string_view chars, const CharAttributes& attributes);
  // Erases [start, end).
  Result Erase(int32_t start, int32_t end);
  Result SetSelection(int32_t start, int32_t end);
  // Sets the attribute word of one kind over [start, end).
  Result SetAttribute(int32_t start, int32_t end, int kind, uint32_t value);
  // Flips `flags` in the attribute word of one kind over [start, end).
  Result ToggleFlags(int32_t start, int32_t end, int kind, uint32_t flags);
  // Sets the H&J specification of the paragraph holding pos.
  Result SetParagraphHj(int32_t pos, int32_t hj);

 private:
  friend class Document;
  friend class UndoJournal;

  bool ValidRange(int32_t start, int32_t end) const;
  // Raw edits without journaling, shared by the public edits and undo.
  StoryFragment Extract(int32_t start, int32_t end) const;
  void RawErase(int32_t start, int32_t end);
  void RawInsert(int32_t pos, const StoryFragment& fragment);
  void RawSetAttribute(int32_t pos, int kind, uint32_t value);
  void RawSetParagraphHj(int32_t end_or_length, int32_t hj);
  void SetAnchor(int32_t pos, BoxId box);
  GapBuffer<uint32_t>& KindBuffer(int kind);
  GapBuffer<int32_t>& ParagraphBuffer();
  void ShiftSelectionForInsert(int32_t pos, int32_t count);
  void ShiftSelectionForErase(int32_t start, int32_t end);
  int32_t ParagraphEndFrom(int32_t pos) const;  // position of the next 13 at or after pos, or -1
  int32_t ParagraphHjAtEnd(int32_t end) const;  // end: a 13's position, or -1 for the last

  Document& owner_;
  StoryId id_;
  GapBuffer<char16_t> chars_;
  std::array<std::unique_ptr<GapBuffer<uint32_t>>, kAttributeKinds> attributes_;
  std::unique_ptr<GapBuffer<BoxId>> anchors_;
  // H&J index of a paragraph, kept at its paragraph end; the last paragraph's
  // (after the final 13) in last_paragraph_hj_.
  std::unique_ptr<GapBuffer<int32_t>> paragraph_hj_;
  int32_t last_paragraph_hj_ = 0;
  Selection selection_;
  // Counts the changes to characters and anchors, so that a remembered
  // search result is known to be still good.
  uint64_t changes_ = 0;
  // The last anchored box FindAnchored found: asking for the next one of the
  // same range goes on from there, so a walk over all of them is linear.
  struct AnchorCursor {
    uint64_t changes = UINT64_MAX;
    int32_t start = 0, end = 0, n = 0, position = 0;
  };
  mutable AnchorCursor anchor_cursor_;
};

}  // namespace wirsel::model

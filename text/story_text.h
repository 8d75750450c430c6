// Story text access: the text-target rule, the document and story
// operations and the character operations through which every module reads
// and changes story text (the box walk is in text/box_walk.h). Characters cross
// as one byte of Windows-1250 (soft hyphen reads as 31); host codes outside
// Windows-1250 keep their 16-bit value in ReadChar and read as
// kForeignCharPlaceholder wherever text is narrowed to 8 bits.
#pragma once

#include <cstdint>

#include "xtapi/xtapi.h"

// The byte that stands for a host character with no Windows-1250 code in
// 8-bit text. It belongs to no character class and is never written back.
inline constexpr uint8_t kForeignCharPlaceholder = 0x7F;

inline constexpr int16_t kContentTool = XT_TOOL_CONTENT;

struct TextTarget {
  enum Kind { kNone, kGroup, kSelection, kWholeBox };
  Kind kind = kNone;
  bool document = false;   // D
  xt_box box = 0;          // current box when valid
  bool valid = false;      // B
  bool group = false;      // G
  bool text = false;       // T: a text box whose story has at least one character
  bool content_tool = false;  // E
  xt_story story = 0;
  int32_t sel_start = 0, sel_end = 0, length = 0;
};

TextTarget GetTextRange();
bool DocumentOpen();  // the front layout view is not -1 (tested as int16_t)
xt_box GetCurrentBox();
bool IsTextBox(xt_box box);
bool IsGroup(xt_box box);
int16_t GetCurrentTool();
void SetCurrentTool(int16_t tool);
void SetCurrentBox(xt_box box);
// The box before `box` in its text chain; 0 for the first.
xt_box PreviousLinkedBox(xt_box box);
// Pages 1..PageCount(); the boxes of a page in the host's order (0 at the end).
int32_t PageCount();
xt_box FirstBoxOfPage(int32_t page);
xt_box NextBoxOnPage(xt_box box);
// The host wants the story of this text box checked.
bool StoryWanted(xt_box box);

// Story positions: the neighbouring position (-1 when there is none), the
// text length, the selection and the attribute of `kind` at a position.
int32_t NextPosition(xt_story story, int32_t position);
int32_t PreviousPosition(xt_story story, int32_t position);
int32_t StoryLength(xt_story story);
int32_t SetStorySelection(xt_story story, int32_t start, int32_t end, int32_t show);
uint32_t CharAttribute(xt_story story, int32_t position, int32_t kind);
// Toggles `value` on the story's selection (see xt_story_suite).
int32_t ToggleStyle(xt_story story, int32_t selector, uint32_t value);
// The paragraph around `position` and its H&J index.
int32_t ParagraphAt(xt_story story, int32_t position, int32_t* start, int32_t* end,
                    int32_t* hj_index);

// box 0 = current box. Any output may be null. Non-zero status (outputs 0)
// when there is no such box or it is no text box.
int32_t GetStorySelection(xt_box box, xt_story* story, int32_t* start, int32_t* end,
                          int32_t* length);

void BeginUndoableChange();
void EndUndoableChange();
void SetBusyCursor(int32_t on);  // -1 on, 0 off

// While one lasts, ReadChar reads ahead a run of characters at a time
// instead of asking the host for each one: for a pass that reads a story
// character by character and changes its text only through the functions
// here. Scopes nest.
class StoryReadAhead {
 public:
  StoryReadAhead();
  ~StoryReadAhead();
  StoryReadAhead(const StoryReadAhead&) = delete;
  StoryReadAhead& operator=(const StoryReadAhead&) = delete;
};

uint16_t ReadChar(xt_story story, int32_t position);
int32_t ReadChars(xt_story story, int32_t start, int32_t count, uint8_t* buffer);
int32_t WriteChar(xt_story story, int32_t position, uint8_t character);
int32_t WriteCharInCurrentBox(int32_t position, uint8_t character);
int32_t WriteCharsInCurrentBox(int32_t position, int32_t count, const uint8_t* characters);
int32_t DeleteChars(xt_box box, int32_t start, int32_t end);  // 4 when no text box
// box 0 = current box.
void SetSelection(xt_box box, int32_t start, int32_t end, int32_t show);

// Replaces the character at `position` of the box's story (box 0 = current
// box) while keeping its formatting: selects it, inserts the new character
// after it (taking its attributes) and deletes the old one. The story keeps
// its length; returns the first non-zero host status.
int32_t ReplaceCharKeepingFormat(xt_box box, int32_t position, uint8_t character);

// Host code of an 8-bit character as written into a story: the exact inverse
// of ReadChar's conversion (a table hole b is written as U+00b itself).
uint16_t HostCodeOf(uint8_t character);

using BoxVisitor = int16_t (*)(xt_box box, void* context);
// Spreads 1..count ascending, or count..1 when direction is 0xFFFF; never
// calls the visitor with no box; a non-zero visitor result ends the walk.
int16_t ForEachBoxInDocument(uint8_t selector, BoxVisitor visitor, void* context,
                             uint16_t direction);

// Switches the host's redraw off (0) or on (1).
void SetRedraw(bool on);

// Scopes that always undo what they started, also when an exception passes:
// the undoable-change bracket, the busy cursor and redraw-off.
class UndoableChangeScope {
 public:
  UndoableChangeScope() { BeginUndoableChange(); }
  ~UndoableChangeScope() { EndUndoableChange(); }
  UndoableChangeScope(const UndoableChangeScope&) = delete;
  UndoableChangeScope& operator=(const UndoableChangeScope&) = delete;
};

class BusyCursorScope {
 public:
  BusyCursorScope() { SetBusyCursor(-1); }
  ~BusyCursorScope() { SetBusyCursor(0); }
  BusyCursorScope(const BusyCursorScope&) = delete;
  BusyCursorScope& operator=(const BusyCursorScope&) = delete;
};

class RedrawOffScope {
 public:
  RedrawOffScope() { SetRedraw(false); }
  ~RedrawOffScope() { SetRedraw(true); }
  RedrawOffScope(const RedrawOffScope&) = delete;
  RedrawOffScope& operator=(const RedrawOffScope&) = delete;
};

// Story text access over the host's document and story suites: the
// text-target rule, the 16-bit/8-bit character bridge and the box walk.
#include "text/story_text.h"

#include <algorithm>
#include <cstring>

#include "base/block_alloc.h"
#include "base/charset.h"
#include "services/host.h"

namespace {

inline constexpr uint16_t kSoftHyphen = 0x00AD;
inline constexpr uint16_t kDiscretionaryHyphen = 31;
inline constexpr uint16_t kNoCharacter = 0xEFEF;  // Windows-1250 table hole
inline constexpr int32_t kNoTextBox = 4;
inline constexpr int32_t kRunBufferSize = 256;

// While a StoryReadAhead lasts, ReadChar takes its characters from a run
// read at once, starting a little before the position asked for (an eighth
// of the run) so that a pass looking back finds them too. A change of text made through this file
// is made in the run too (or, where that is not simple, forgets it).
struct ReadAheadRun {
  int scopes = 0;
  xt_story story = 0;
  int32_t start = 0;
  int32_t count = 0;
  uint16_t codes[kRunBufferSize];
};
ReadAheadRun gReadAhead;
inline constexpr int32_t kShortestRun = 8;

void ForgetReadAhead() { gReadAhead.count = 0; }

// `count` host codes were inserted into `story` at `position`.
void InsertedInReadAhead(xt_story story, int32_t position, const uint16_t* codes, int32_t count) {
  ReadAheadRun& run = gReadAhead;
  if (run.count == 0 || story != run.story || position > run.start + run.count) return;
  if (position < run.start) {
    run.start += count;
    return;
  }
  const int32_t at = position - run.start;
  if (at + count > kRunBufferSize) {
    run.count = at;
    return;
  }
  const int32_t total = std::min(run.count + count, kRunBufferSize);
  std::memmove(run.codes + at + count, run.codes + at, sizeof(uint16_t) * size_t(total - at - count));
  std::memcpy(run.codes + at, codes, sizeof(uint16_t) * size_t(count));
  run.count = total;
}

// The characters of `story` from `start` to `end` were deleted.
void DeletedFromReadAhead(xt_story story, int32_t start, int32_t end) {
  ReadAheadRun& run = gReadAhead;
  if (run.count == 0 || story != run.story || start >= run.start + run.count) return;
  if (end <= run.start) {
    run.start -= end - start;
  } else if (start >= run.start && end <= run.start + run.count) {
    std::memmove(run.codes + (start - run.start), run.codes + (end - run.start),
                 sizeof(uint16_t) * size_t(run.start + run.count - end));
    run.count -= end - start;
  } else {
    ForgetReadAhead();
  }
}

// The host's insert and delete, kept in step with the run.
int32_t InsertCodes(xt_story story, int32_t position, const uint16_t* codes, int32_t count) {
  const int32_t status = gStorySuite->insert_chars(story, position, count, codes, 0);
  if (status == 0 && count > 0) {
    InsertedInReadAhead(story, position, codes, count);
  } else {
    ForgetReadAhead();
  }
  return status;
}

int32_t DeleteCodes(xt_story story, int32_t start, int32_t end) {
  const int32_t status = gStorySuite->delete_chars(story, start, end);
  if (status == 0 && start < end) {
    DeletedFromReadAhead(story, start, end);
  } else {
    ForgetReadAhead();
  }
  return status;
}

// The host's code at `position`; 0 outside the story.
uint16_t HostCode(xt_story story, int32_t position) {
  ReadAheadRun& run = gReadAhead;
  if (run.scopes == 0 || position < 0) {
    uint16_t code = 0;
    gStorySuite->read_chars(story, position, 1, &code);
    return code;
  }
  if (story != run.story || position < run.start || position >= run.start + run.count) {
    // The host shows how far a pass has come by where it reads: a run of
    // at most a 128th of the story lets it show every percent.
    const int32_t reach = std::clamp(StoryLength(story) / 128, kShortestRun, kRunBufferSize);
    run.story = story;
    run.start = std::max(0, position - reach / 8);
    run.count = std::max(0, gStorySuite->read_chars(story, run.start, reach, run.codes));
  }
  return position < run.start + run.count ? run.codes[position - run.start] : 0;
}

xt_story StoryOfCurrentBox() {
  xt_story story = 0;
  GetStorySelection(0, &story, nullptr, nullptr, nullptr);
  return story;
}

// A host block for a run longer than the fixed buffer; freed on every path.
class HostBlock {
 public:
  explicit HostBlock(size_t size) : block_(gMemorySuite->allocate(size)) {
    if (block_ == nullptr) throw BlockError(gMemorySuite->last_error());
    bytes_ = gMemorySuite->lock(block_);
    if (bytes_ == nullptr) {
      gMemorySuite->release(block_);
      throw BlockError(gMemorySuite->last_error());
    }
  }
  ~HostBlock() {
    gMemorySuite->unlock(block_);
    gMemorySuite->release(block_);
  }
  HostBlock(const HostBlock&) = delete;
  HostBlock& operator=(const HostBlock&) = delete;
  void* bytes() const { return bytes_; }

 private:
  xt_handle block_;
  void* bytes_;
};

}  // namespace

bool DocumentOpen() { return gDocumentSuite->current_layout_view() >= 0; }

xt_box GetCurrentBox() { return gDocumentSuite->current_box(); }

bool IsTextBox(xt_box box) { return box != 0 && gDocumentSuite->box_is_text(box) != 0; }

bool IsGroup(xt_box box) { return box != 0 && gDocumentSuite->box_is_group(box) != 0; }

int16_t GetCurrentTool() { return gEnvironmentSuite->current_tool(); }

void SetCurrentTool(int16_t tool) { gEnvironmentSuite->set_current_tool(tool); }

void SetCurrentBox(xt_box box) { gDocumentSuite->set_current_box(box); }

xt_box PreviousLinkedBox(xt_box box) { return gDocumentSuite->previous_linked_box(box); }

int32_t PageCount() { return gDocumentSuite->page_count(); }

xt_box FirstBoxOfPage(int32_t page) { return gDocumentSuite->first_box_of_page(page); }

xt_box NextBoxOnPage(xt_box box) { return gDocumentSuite->next_box_on_page(box); }

bool StoryWanted(xt_box box) {
  return gDocumentSuite->story_query(gDocumentSuite->story_of_box(box)) == 0;
}

int32_t NextPosition(xt_story story, int32_t position) {
  return gStorySuite->next_position(story, position);
}

int32_t PreviousPosition(xt_story story, int32_t position) {
  return gStorySuite->previous_position(story, position);
}

int32_t StoryLength(xt_story story) { return gStorySuite->story_length(story); }

int32_t SetStorySelection(xt_story story, int32_t start, int32_t end, int32_t show) {
  return gStorySuite->set_selection(story, start, end, show);
}

uint32_t CharAttribute(xt_story story, int32_t position, int32_t kind) {
  return gStorySuite->char_attribute(story, position, kind);
}

int32_t ToggleStyle(xt_story story, int32_t selector, uint32_t value) {
  return gStorySuite->toggle_style(story, selector, value);
}

int32_t ParagraphAt(xt_story story, int32_t position, int32_t* start, int32_t* end,
                    int32_t* hj_index) {
  return gStorySuite->paragraph_at(story, position, start, end, hj_index);
}

int32_t GetStorySelection(xt_box box, xt_story* story, int32_t* start, int32_t* end,
                          int32_t* length) {
  xt_story s = 0;
  int32_t a = 0, b = 0, n = 0;
  if (box == 0) box = GetCurrentBox();
  int32_t status = kNoTextBox;
  if (IsTextBox(box)) status = gStorySuite->get_selection(box, &s, &a, &b, &n);
  if (status != 0) s = a = b = n = 0;
  if (story) *story = s;
  if (start) *start = a;
  if (end) *end = b;
  if (length) *length = n;
  return status;
}

TextTarget GetTextRange() {
  TextTarget target;
  target.document = DocumentOpen();
  if (!target.document) return target;
  target.content_tool = GetCurrentTool() == kContentTool;
  const xt_box box = GetCurrentBox();
  if (box == 0 || gDocumentSuite->box_valid(box) == 0) return target;
  target.box = box;
  target.valid = true;
  if (IsGroup(box)) {
    target.group = true;
    target.kind = TextTarget::kGroup;
    return target;
  }
  if (GetStorySelection(box, &target.story, &target.sel_start, &target.sel_end,
                        &target.length) != 0 ||
      target.length <= 0) {
    return target;
  }
  target.text = true;
  target.kind = target.content_tool && target.sel_start != target.sel_end
                    ? TextTarget::kSelection
                    : TextTarget::kWholeBox;
  return target;
}

void BeginUndoableChange() { gEnvironmentSuite->begin_undoable_change(1, 0); }

void EndUndoableChange() { gEnvironmentSuite->end_undoable_change(); }

void SetBusyCursor(int32_t on) { gEnvironmentSuite->busy_cursor(on); }

void SetRedraw(bool on) { gStorySuite->set_redraw(on ? 1 : 0); }

StoryReadAhead::StoryReadAhead() { ++gReadAhead.scopes; }

StoryReadAhead::~StoryReadAhead() {
  if (--gReadAhead.scopes == 0) ForgetReadAhead();
}

uint16_t ReadChar(xt_story story, int32_t position) {
  const uint16_t code = HostCode(story, position);
  if (code == kSoftHyphen) return kDiscretionaryHyphen;
  if (code < 0x80) return code;
  const int32_t win = Win1250CodeOf(code);
  if (win >= 0) return static_cast<uint16_t>(win);
  // A table hole stands for the code point of the same value (written back
  // as such); any other Latin-1 character without a Windows-1250 code is
  // moved out of the 8-bit range so that it reads as no known character.
  if (code <= 0xFF) {
    return Win1250ToUnicode(static_cast<uint8_t>(code)) == kNoCharacter ? code
                                                                         : (0x100 | code);
  }
  return code;
}

int32_t ReadChars(xt_story story, int32_t start, int32_t count, uint8_t* buffer) {
  for (int32_t i = 0; i < count; ++i) {
    const uint16_t code = ReadChar(story, start + i);
    buffer[i] = code >= 0x100 ? kForeignCharPlaceholder : static_cast<uint8_t>(code);
  }
  return count;
}

uint16_t HostCodeOf(uint8_t character) { return Win1250ReadingOf(character); }

int32_t WriteChar(xt_story story, int32_t position, uint8_t character) {
  const uint16_t code = HostCodeOf(character);
  return InsertCodes(story, position, &code, 1);
}

int32_t WriteCharInCurrentBox(int32_t position, uint8_t character) {
  return WriteChar(StoryOfCurrentBox(), position, character);
}

int32_t WriteCharsInCurrentBox(int32_t position, int32_t count, const uint8_t* characters) {
  if (count <= 0) return 0;
  const xt_story story = StoryOfCurrentBox();
  uint16_t fixed[kRunBufferSize];
  auto convert = [&](uint16_t* codes) {
    for (int32_t i = 0; i < count; ++i) codes[i] = HostCodeOf(characters[i]);
    return InsertCodes(story, position, codes, count);
  };
  if (count <= kRunBufferSize) return convert(fixed);
  HostBlock block(static_cast<size_t>(count) * sizeof(uint16_t));
  return convert(static_cast<uint16_t*>(block.bytes()));
}

int32_t DeleteChars(xt_box box, int32_t start, int32_t end) {
  xt_story story = 0;
  if (GetStorySelection(box, &story, nullptr, nullptr, nullptr) != 0) return kNoTextBox;
  return DeleteCodes(story, start, end);
}

void SetSelection(xt_box box, int32_t start, int32_t end, int32_t show) {
  xt_story story = 0;
  if (GetStorySelection(box, &story, nullptr, nullptr, nullptr) != 0) return;
  gStorySuite->set_selection(story, start, end, show);
}

int32_t ReplaceCharKeepingFormat(xt_box box, int32_t position, uint8_t character) {
  xt_story story = 0;
  int32_t status = GetStorySelection(box, &story, nullptr, nullptr, nullptr);
  if (status == 0) status = gStorySuite->set_selection(story, position, position + 1, 0);
  if (status == 0) status = WriteChar(story, position + 1, character);
  if (status == 0) status = DeleteCodes(story, position, position + 1);
  return status;
}

int16_t ForEachBoxInDocument(uint8_t selector, BoxVisitor visitor, void* context,
                             uint16_t direction) {
  if (!DocumentOpen()) return 0;
  const int32_t count = gDocumentSuite->spread_count();
  const bool descending = direction == 0xFFFF;
  for (int32_t i = 0; i < count; ++i) {
    const int32_t spread = descending ? count - i : i + 1;
    for (xt_box box = gDocumentSuite->first_box_of_spread(spread, selector); box != 0;
         box = gDocumentSuite->next_box(box, selector)) {
      const int16_t result = visitor(box, context);
      if (result != 0) return result;
    }
  }
  return 0;
}

// The hyphenation commands: hyphenate and remove over a box, its anchored
// boxes or a group, removal over the whole document, the suggestion for the
// word at the caret, and the preferences.
#include "hyph/hyph_commands.h"

#include "base/macce.h"
#include "hyph/hyph_open.h"
#include "hyph/hyph_options.h"
#include "hyph/hyph_walk.h"
#include "text/box_walk.h"
#include "text/story_text.h"
#include "typo/typo_module.h"

namespace {

// The classes hyph_char_class gives for the suggestion's word scan.
constexpr uint16_t kSuggestLetter = 1, kSuggestDash = 2, kSuggestHyphen = 4;
constexpr uint8_t kEmDash = 0x97, kEnDash = 0x96;

uint16_t hyph_char_class(uint16_t value) {
  if (value == kDiscretionaryHyphen) return kSuggestHyphen;
  if (value == '-' || value == kEmDash || value == kEnDash) return kSuggestDash;
  return (StoryCharClass(value) & (kCharCapital | kCharSmall)) ? kSuggestLetter : 0;
}

// A current box that the box commands work on: a text box or a group.
xt_box CommandBox() {
  if (!DocumentOpen()) return 0;
  const xt_box box = GetCurrentBox();
  return box != 0 && (IsGroup(box) || IsTextBox(box)) ? box : 0;
}

// Restores the current box when a walk is done with it.
class CurrentBoxScope {
 public:
  CurrentBoxScope() : box_(GetCurrentBox()) {}
  ~CurrentBoxScope() {
    if (box_ != 0) SetCurrentBox(box_);
  }
  CurrentBoxScope(const CurrentBoxScope&) = delete;
  CurrentBoxScope& operator=(const CurrentBoxScope&) = delete;

 private:
  xt_box box_;
};

int16_t RemoveFromFirstBoxOfChain(xt_box box, void*) {
  if (!IsTextBox(box) || PreviousLinkedBox(box) != 0) return 0;
  return static_cast<int16_t>(ForEachTextBoxInSelection(box, RemoveHyphensFromStory));
}

}  // namespace

int32_t ForEachTextBoxInSelection(xt_box box, BoxWorker worker) {
  CurrentBoxScope keep_current;
  BoxWalk walk(box);
  for (xt_box current = walk.Next(); current != 0; current = walk.Next()) {
    if (const int32_t result = worker(current); result != 0) return result;
    walk.CoverSelection();
  }
  return 0;
}

void HyphenateCommand() {
  const xt_box box = CommandBox();
  if (box == 0 || EnsureHyphenationOpen(gHyphOptions.use_exceptions != 0) != 0) return;
  UndoableChangeScope change;
  BusyCursorScope busy;
  if (gHyphOptions.typography_first != 0) TypographyInBox();
  ForEachTextBoxInSelection(box, HyphenateBoxText);
}

void RemoveHyphensCommand() {
  const xt_box box = CommandBox();
  if (box == 0) return;
  UndoableChangeScope change;
  BusyCursorScope busy;
  ForEachTextBoxInSelection(box, RemoveHyphensFromBoxText);
}

int32_t RemoveHyphensFromDocument() {
  if (QuestionAlert(MACCE("Do you really want to remove all hyphenation points from this "
                          "document?"),
                    false) != XT_ANSWER_YES) {
    return -128;
  }
  UndoableChangeScope change;
  BusyCursorScope busy;
  CurrentBoxScope keep_current;
  ForEachBoxInDocument(1, RemoveFromFirstBoxOfChain, nullptr, 0);
  return 0;
}

int32_t SuggestForCaret(HyphSuggestion& suggestion) {
  suggestion = HyphSuggestion{};
  xt_story story = 0;
  int32_t caret = 0, length = 0;
  if (GetStorySelection(0, &story, &caret, nullptr, &length) != 0) return 0;
  int32_t start = caret;
  while (start > 0 && caret - start <= kSuggestWordCap &&
         hyph_char_class(ReadChar(story, start - 1))) {
    --start;
  }
  int32_t end = start;
  while (end < length && end - start <= kSuggestWordCap && hyph_char_class(ReadChar(story, end))) {
    ++end;
  }
  if (start >= length || start >= end || end - start > kSuggestWordCap) return 0;
  size_t plain = 0;
  for (int32_t p = start; p < end; ++p) {
    const char c = static_cast<char>(ReadChar(story, p));
    const bool hyphen = c == static_cast<char>(kDiscretionaryHyphen);
    suggestion.current[p - start] = hyphen ? '-' : c;
    if (!hyphen) suggestion.without_hyphens[plain++] = c;
  }
  HyphenateWord(suggestion.without_hyphens, suggestion.without_exceptions,
                sizeof suggestion.without_exceptions, false);
  HyphenateWord(suggestion.without_hyphens, suggestion.with_exceptions,
                sizeof suggestion.with_exceptions, true);
  return end - start;
}

void SuggestCommand() {
  if (!DocumentOpen()) return;
  const xt_box box = GetCurrentBox();
  if (box == 0 || !IsTextBox(box) || GetCurrentTool() != kContentTool) return;
  if (EnsureHyphenationOpen(true) != 0) return;
  HyphSuggestion suggestion;
  if (SuggestForCaret(suggestion) == 0) return;
  CHyphSuggDialog dialog(suggestion);
  dialog.Run();
}

void OpenHyphenationPreferences() {
  if (EnsureHyphenationOpen(true) != 0) return;
  CHyphPrefsDialog dialog;
  dialog.Run();
}

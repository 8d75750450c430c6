// The story hyphenation walk over the host's story text: words are read one
// character at a time, and discretionary hyphens are inserted and deleted in
// place so that each word's hyphens agree with the engine.
#include "hyph/hyph_walk.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/charset.h"
#include "hyph/hyph_dialogs.h"
#include "hyph/hyph_open.h"
#include "hyph/hyph_options.h"
#include "services/host.h"
#include "text/story_text.h"

namespace {

const CharsetConverter& Windows1250() {
  static const CharsetConverter converter(kCharsetWin, kCharsetWin);
  return converter;
}

bool IsLetter(uint16_t value) { return (StoryCharClass(value) & (kCharCapital | kCharSmall)) != 0; }
// What a word is made of: letters, digits and discretionary hyphens.
bool IsWordChar(uint16_t value) {
  return StoryCharClass(value) != 0 || value == kDiscretionaryHyphen;
}

void Select(xt_story story, int32_t start, int32_t end) {
  SetStorySelection(story, start, end, 0);
}

// The class of one character for WordCaseClass.
int CaseClassOf(uint8_t c) {
  const uint32_t bits = StoryCharClass(c);
  if ((bits & kCharDigit) || c == '.') return 1;
  if (bits & kCharSmall) return 2;
  if (bits & kCharCapital) return 4;
  return 16;
}

// A worker's final selection: a range taken from the selection becomes
// its start (kept inside the text) .. the range's new end; a caret, or a
// selection that did not limit the work, stays where it was while that is
// still inside the text, otherwise goes to 0.
void RestoreSelection(xt_story story, int32_t start, int32_t end, bool range_was_selection,
                      int32_t new_end) {
  {
    RedrawOffScope redraw_off;
    Select(story, 0, 0);
  }
  if (range_was_selection) {
    Select(story, std::min(start, new_end), new_end);
    return;
  }
  const int32_t length = StoryLength(story);
  const int32_t new_start = start <= length ? start : 0;
  Select(story, new_start, std::clamp(end, new_start, length));
}

// Every H&J specification of the paragraphs over start..end that has the
// host's automatic hyphenation on, each once, in story order.
std::vector<HyphenationSpec> CollectAutoHyphenated(xt_story story, int32_t start, int32_t end) {
  std::vector<HyphenationSpec> specs;
  int32_t position = start;
  do {
    int32_t paragraph_start = 0, paragraph_end = 0, index = 0;
    if (ParagraphAt(story, position, &paragraph_start, &paragraph_end, &index) != 0) {
      break;
    }
    char name[256] = {};
    int32_t on = 0;
    const bool known = std::any_of(specs.begin(), specs.end(),
                                   [&](const HyphenationSpec& hj_spec) { return hj_spec.index == index; });
    if (!known && gHJSuite->hj_get(index, name, sizeof name, &on) == 0 && on != 0) {
      specs.push_back(HyphenationSpec{name, index});
    }
    if (paragraph_end <= position) break;
    position = paragraph_end;
  } while (position < end);
  return specs;
}

bool AnySpecAutoHyphenates() {
  const int32_t count = gHJSuite->hj_count();
  for (int32_t i = 0; i < count; ++i) {
    int32_t on = 0;
    if (gHJSuite->hj_get(i, nullptr, 0, &on) == 0 && on != 0) return true;
  }
  return false;
}

int32_t RemoveHyphens(xt_box box, bool whole_story) {
  xt_story story = 0;
  int32_t start = 0, end = 0, length = 0;
  if (GetStorySelection(box, &story, &start, &end, &length) != 0 || length < 4) return 0;
  const StoryReadAhead read_ahead;
  Select(story, 0, 0);
  const bool from_selection = !whole_story && start != end;
  int32_t position = from_selection ? start : 0;
  int32_t range_end = from_selection ? end : length;
  while (position < range_end) {
    const uint16_t c = ReadChar(story, position);
    if (c == kDiscretionaryHyphen && DeleteChars(box, position, position + 1) == 0) {
      --range_end;
      continue;
    }
    if (c == kHardHyphen &&
        (CharAttribute(story, position, XT_ATTR_KIND_STYLE) & XT_ATTR_NONBREAKING)) {
      Select(story, position, position + 1);
      ToggleStyle(story, XT_STYLE_TOGGLE, XT_ATTR_NONBREAKING);
    }
    ++position;
  }
  RestoreSelection(story, start, end, from_selection, range_end);
  return 0;
}

}  // namespace

uint32_t StoryCharClass(uint16_t value) {
  if (value > 0xFF) return 0;
  return Windows1250().ClassOf(static_cast<uint8_t>(value)) & (kCharCapital | kCharSmall | kCharDigit);
}

int WordCaseClass(const char* word) {
  if (word[0] == 0) return 0;
  const int first = CaseClassOf(static_cast<uint8_t>(word[0]));
  int rest = 0;
  for (const char* p = word + 1; *p != 0; ++p) rest |= CaseClassOf(static_cast<uint8_t>(*p));
  if (first == rest) return first;
  if (first == 4 && rest == 2) return 34;
  if (first == 2 && rest == 4) return 70;
  return rest;
}

bool NextWord(StoryWalk& walk, WalkWord& word) {
  // A word that runs on before the range or past its end is not the range's
  // to change: its fragment would be hyphenated as a word of its own.
  bool touching_begin = walk.position == walk.begin && walk.begin > 0 &&
                        IsWordChar(ReadChar(walk.story, walk.begin - 1));
  while (walk.position < walk.end) {
    if (!IsLetter(ReadChar(walk.story, walk.position))) {
      if (!IsWordChar(ReadChar(walk.story, walk.position))) touching_begin = false;
      ++walk.position;
      continue;
    }
    const int32_t start = walk.position;
    int32_t position = start;
    bool at_range_end = false;
    uint16_t stopper = 0;
    for (;;) {
      if (position >= walk.end) {
        at_range_end = true;
        break;
      }
      const uint16_t c = ReadChar(walk.story, position);
      if (!IsWordChar(c)) {
        stopper = c;
        break;
      }
      const int32_t next = NextPosition(walk.story, position);
      if (next != position + 1) {
        position = next > position ? std::min(next, walk.end) : walk.end;
        break;
      }
      position = next;
    }
    walk.position = position;
    const bool cut_at_end = at_range_end && walk.end < StoryLength(walk.story) &&
                            IsWordChar(ReadChar(walk.story, walk.end));
    const bool cut = touching_begin || cut_at_end;
    touching_begin = false;
    if (cut) continue;

    word.start = start;
    word.end = std::min(position, start + kWalkWordCap);
    word.followed_by_hyphen = stopper == kHardHyphen && word.end == position;
    size_t n = 0;
    for (int32_t p = start; p < word.end; ++p) {
      const uint16_t c = ReadChar(walk.story, p);
      if (StoryCharClass(c) != 0) word.text[n++] = static_cast<char>(c);
    }
    word.text[n] = 0;
    return true;
  }
  return false;
}

int32_t InsertHyphensForWord(xt_box box, xt_story story, int32_t start, int32_t end,
                             const char* hyphenated, bool followed_by_hyphen) {
  int32_t change = 0;
  int32_t position = start;
  const char* h = hyphenated;
  while (position < end) {
    const bool story_hyphen = ReadChar(story, position) == kDiscretionaryHyphen;
    const bool word_hyphen = *h == '-';
    if (story_hyphen && !word_hyphen) {
      if (DeleteChars(box, position, position + 1) != 0) return change;
      --end;
      --change;
      continue;
    }
    if (!story_hyphen && word_hyphen && position > start) {
      Select(story, position - 1, position);
      if (WriteChar(story, position, kDiscretionaryHyphen) != 0) return change;
      ++end;
      ++change;
    }
    ++position;
    if (*h != 0) ++h;
  }
  if (!followed_by_hyphen || end >= StoryLength(story) || ReadChar(story, end) != kHardHyphen) {
    return change;
  }
  if (!(CharAttribute(story, end, XT_ATTR_KIND_STYLE) & XT_ATTR_NONBREAKING)) {
    Select(story, end, end + 1);
    ToggleStyle(story, XT_STYLE_TOGGLE, XT_ATTR_NONBREAKING);
  }
  const int32_t after = std::min(end + 2, StoryLength(story));
  Select(story, std::min(end + 1, after), after);
  if (WriteChar(story, end, kDiscretionaryHyphen) == 0) ++change;
  return change;
}

int32_t CheckAutoHyphenation(xt_box box, xt_story story, int32_t start, int32_t end) {
  if (!AnySpecAutoHyphenates()) return 0;
  const std::vector<HyphenationSpec> specs = CollectAutoHyphenated(story, start, end);
  if (specs.empty()) return 0;
  const AutoHyphenationChoice choice = gHyphOptions.auto_disable != 0
                                           ? AutoHyphenationChoice::kFix
                                           : AskAboutAutoHyphenation(specs);
  switch (choice) {
    case AutoHyphenationChoice::kFix:
      for (const HyphenationSpec& hj_spec : specs) gHJSuite->hj_set_auto(hj_spec.index, 0);
      return 0;
    case AutoHyphenationChoice::kContinue:
      return 0;
    case AutoHyphenationChoice::kCancel:
      break;
  }
  return kHyphStopped;
}

int32_t HyphenateBoxText(xt_box box) {
  xt_story story = 0;
  int32_t start = 0, end = 0, length = 0;
  if (GetStorySelection(box, &story, &start, &end, &length) != 0 || length < 2) return 0;
  const StoryReadAhead read_ahead;
  Select(story, 0, 0);
  const bool from_selection = start != end;
  StoryWalk walk;
  walk.box = box;
  walk.story = story;
  walk.begin = walk.position = from_selection ? start : 0;
  walk.end = from_selection ? end : length;
  const int32_t result = CheckAutoHyphenation(box, story, walk.begin, walk.end);
  if (result == 0) {
    const bool user = gHyphOptions.use_exceptions != 0;
    WalkWord word;
    char hyphenated[2 * kWalkWordCap + 2];
    while (NextWord(walk, word)) {
      const int case_class = WordCaseClass(word.text);
      if (gHyphOptions.skip_all_caps != 0 && case_class == kAllCapitals) continue;
      if (gHyphOptions.skip_mixed_case != 0 && IsMixedCaseClass(case_class)) continue;
      HyphenateWord(word.text, hyphenated, sizeof hyphenated, user);
      const int32_t change = InsertHyphensForWord(box, story, word.start, word.end, hyphenated,
                                                  word.followed_by_hyphen);
      walk.position += change;
      walk.end += change;
    }
  }
  RestoreSelection(story, start, end, from_selection, walk.end);
  return result;
}

int32_t RemoveHyphensFromBoxText(xt_box box) { return RemoveHyphens(box, false); }

int32_t RemoveHyphensFromStory(xt_box box) { return RemoveHyphens(box, true); }

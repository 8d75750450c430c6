// The story hyphenation walk: the two per-box workers of the hyphenation
// commands and the pieces they are made of (word iterator, case class,
// synchronising one word's discretionary hyphens, the check of the host's
// own automatic hyphenation).
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/xtapi.h"

// The discretionary hyphen of story text, and the hard hyphen.
inline constexpr uint16_t kDiscretionaryHyphen = 31;
inline constexpr uint16_t kHardHyphen = '-';
// Longest part of a word that is hyphenated, in story positions.
inline constexpr int32_t kWalkWordCap = 100;
// A worker's answer that stops the command.
inline constexpr int32_t kHyphStopped = -128;

// Story character classes: bit 1 capital, bit 2 small letter (ASCII and the
// nine Polish letters of each case), bit 4 digit. A value of 256 or more has
// no class.
inline constexpr uint32_t kCharCapital = 1, kCharSmall = 2, kCharDigit = 4;
uint32_t StoryCharClass(uint16_t value);

// Case classes of a word (Windows-1250): 4 all capitals, 34 capitalised, a
// class with both bits 2 and 4 mixed case; see the skip options.
int WordCaseClass(const char* word);
inline bool IsMixedCaseClass(int case_class) { return (case_class & 6) == 6; }
inline constexpr int kAllCapitals = 4;

// One walk over a range of a story; `end` moves as hyphens come and go.
struct StoryWalk {
  xt_box box = 0;
  xt_story story = 0;
  int32_t position = 0;
  int32_t begin = 0;  // where the range started
  int32_t end = 0;
  int32_t length = 0;  // text length when the walk started, less hyphens deleted
};

struct WalkWord {
  char text[kWalkWordCap + 1] = {};  // letters and digits, 31s left out
  int32_t start = 0;
  int32_t end = 0;  // of the part that is hyphenated (at most start + 100)
  bool followed_by_hyphen = false;
};

// The next word of the range that lies wholly inside it; false when none is
// left. The walk position moves to the word's real end.
bool NextWord(StoryWalk& walk, WalkWord& word);

// Makes the 31s of story[start, end) match the "-" of `hyphenated`, then
// marks the hard hyphen after the word when `followed_by_hyphen`. Answers the
// change in the story's length.
int32_t InsertHyphensForWord(xt_box box, xt_story story, int32_t start, int32_t end,
                             const char* hyphenated, bool followed_by_hyphen);

// 0 to go on, kHyphStopped when the user chose Cancel in the warning.
int32_t CheckAutoHyphenation(xt_box box, xt_story story, int32_t start, int32_t end);

// The workers: 0, or kHyphStopped when the command is to stop.
int32_t HyphenateBoxText(xt_box box);
int32_t RemoveHyphensFromBoxText(xt_box box);
// The same over the whole story whatever its selection (the document-wide
// removal).
int32_t RemoveHyphensFromStory(xt_box box);

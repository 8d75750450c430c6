// What a word is to the spell checker, for the plug-in's commands and the
// host alike: the word characters of 8-bit story text (Windows-1250), the one
// case classifier (word flags), the story word walk of the spell-check
// commands, and the case patterns given to replacements and suggestions.
// The host's walk over Unicode prose (base/prose_words.h) builds on the same
// letters and flags.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Word flag bits.
enum WordFlag : uint16_t {
  kWordCapitalised = 1,  // first character a capital, not all capitals
  kWordAllCapitals = 2,  // at least two capitals and no small letter
  kWordNoCapital = 4,
  kWordMixed = 8,   // a capital after the first character among small letters
  kWordOther = 16,  // a character that is neither letter nor digit (the hyphen)
  kWordDigit = 32,
};

// What one character of a word counts as for its flags.
enum class CharKind { kCapital, kSmall, kDigit, kOther };

// The case classifier: feed a word's characters in order, then read Flags().
class WordFlagBuilder {
 public:
  void Add(CharKind kind);
  uint16_t Flags() const;

 private:
  uint16_t raw_ = 0;
  bool first_ = true;
};

// Longest word text the walker keeps; a longer run of word characters is
// taken as one word marked too long, and is not checked.
inline constexpr size_t kWalkerWordMax = 319;

// Characters as the story delivers them (16-bit: values of 256 and more are
// host characters without a Windows-1250 code and never belong to a word).
// Letters are A-Z, a-z and the 18 Polish letters.
bool IsLetterChar(uint16_t c);
bool IsDigitChar(uint16_t c);
// Letters, digits, '-', the discretionary hyphen 31 and the codes 214, 215.
bool IsWordChar(uint16_t c);
// Word characters that belong to a word's range but not to its text.
bool IsSilentWordChar(uint16_t c);
CharKind KindOfChar(uint8_t c);

// Flags of Windows-1250 text.
uint16_t WordFlags(std::string_view word);

uint8_t SmallLetter(uint8_t c);
uint8_t CapitalLetter(uint8_t c);
std::string SmallLetters(const std::string& word);
// `text` in the case pattern of a word with `flags`: all capitals (flag 2),
// capital first letter (flag 1), otherwise unchanged.
std::string ApplyCasePattern(const std::string& text, uint16_t flags);

// One word taken from story text.
struct TakenWord {
  int32_t start = 0;  // story positions [start, end)
  int32_t end = 0;
  std::string text;       // letters, digits and hyphens (Windows-1250)
  bool too_long = false;  // the text would be longer than kWalkerWordMax
  uint16_t flags = 0;
};

// The spell-check commands' word walk: from `position` (moved on) up to
// `end`, skips to a letter, then takes letters, digits, "-" and the silent
// characters (left out of the text). `read(p)` gives the character at p,
// `step(p)` the next position (never beyond `end`). False when no word is
// left before `end`.
template <class Read, class Step>
bool TakeWord(Read&& read, Step&& step, int32_t& position, int32_t end, TakenWord& word) {
  while (position < end && !IsLetterChar(read(position))) position = step(position);
  if (position >= end) return false;
  word.start = position;
  word.text.clear();
  word.too_long = false;
  while (position < end) {
    const uint16_t c = read(position);
    if (!IsWordChar(c)) break;
    if (!IsSilentWordChar(c)) {
      if (word.text.size() < kWalkerWordMax) {
        word.text.push_back(static_cast<char>(c));
      } else {
        word.too_long = true;
      }
    }
    position = step(position);
  }
  word.end = position;
  word.flags = WordFlags(word.text);
  return true;
}

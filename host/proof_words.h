// The words of story text as the spell-check commands walk them, each with
// the line and column where it starts, for the reports of `wirsel proof` and
// `wirsel spell`.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Word flags, computed on the word's text.
enum WordFlag : uint32_t {
  kWordCapitalised = 1,  // first character a capital, not all capitals
  kWordAllCapitals = 2,  // two or more capitals and no small letter
  kWordNoCapital = 4,
  kWordMixed = 8,       // a capital after the first character among small letters
  kWordOtherChar = 16,  // a character that is neither letter nor digit (the hyphen)
  kWordDigit = 32,
};

uint32_t WordFlagsOf(std::string_view text);

struct StoryWord {
  int32_t start = 0;  // story positions [start, end)
  int32_t end = 0;
  std::string text;        // Windows-1250: letters, digits and hyphens
  bool full_stop = false;  // a "." follows inside the story
  int64_t line = 0;        // from the walker's first line; 13 and 10 end a line
  int64_t column = 0;      // from 1, in characters (a surrogate pair is one)
};

// Longest run of word characters taken as a word; a longer run is passed
// over whole.
inline constexpr int32_t kLongestWordRun = 319;

class WordWalker {
 public:
  // `text` is story characters; its first line is numbered `first_line`.
  WordWalker(std::u16string_view text, int64_t first_line);
  // The next word: skips to a letter, then takes letters, digits, "-" and the
  // codes 31, 214 and 215 (the last three stay out of the word's text).
  bool Next(StoryWord& word);
  // The first line after the text (where a following story starts): the
  // line after its last character, or the line it ends on after a line end.
  int64_t NextFreeLine();

 private:
  unsigned char At(size_t pos) const;
  // Moves the position one character on, counting lines and columns.
  void Step();

  std::u16string_view text_;
  size_t pos_ = 0;
  int64_t line_;
  int64_t column_ = 1;
};

// The words of story text as the host's spelling commands walk them (the
// rules of base/prose_words.h), each with the line and column where it
// starts, for the reports of `wirsel proof`.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/prose_words.h"

struct StoryWord : ProseWord {
  int64_t line = 0;    // from the walker's first line; 13 and 10 end a line
  int64_t column = 0;  // from 1, in characters (a surrogate pair is one)
};

class WordWalker {
 public:
  // `text` is story characters; its first line is numbered `first_line`.
  WordWalker(std::u16string_view text, int64_t first_line);
  // The next word; start16/end16 are its story positions.
  bool Next(StoryWord& word);
  // The first line after the text (where a following story starts): the
  // line after its last character, or the line it ends on after a line end.
  int64_t NextFreeLine();
  const ProseSkips& skips() const { return words_.skips(); }

 private:
  // Counts lines and columns up to story position `to`.
  void CountTo(size_t to);

  std::u16string_view text_;
  ProseWalker words_;
  size_t pos_ = 0;
  int64_t line_;
  int64_t column_ = 1;
};

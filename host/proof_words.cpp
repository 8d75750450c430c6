// Walking story text word by word with line and column numbers.
#include "host/proof_words.h"

namespace {

bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

WordWalker::WordWalker(std::u16string_view text, int64_t first_line)
    : text_(text), words_(text), line_(first_line) {}

void WordWalker::CountTo(size_t to) {
  for (; pos_ < to && pos_ < text_.size(); ++pos_) {
    const char16_t c = text_[pos_];
    if (c == 13 || c == 10) {
      ++line_;
      column_ = 1;
    } else if (!IsLowSurrogate(c) || pos_ == 0 || !IsHighSurrogate(text_[pos_ - 1])) {
      ++column_;
    }
  }
}

bool WordWalker::Next(StoryWord& word) {
  if (!words_.Next(word)) return false;
  CountTo(word.start16);
  word.line = line_;
  word.column = column_;
  return true;
}

int64_t WordWalker::NextFreeLine() {
  CountTo(text_.size());
  return column_ == 1 ? line_ : line_ + 1;
}

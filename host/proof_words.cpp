// Walking story text word by word with line and column numbers.
#include "host/proof_words.h"

#include "host/cp1250.h"
#include "spell/engine/letters.h"

namespace {

bool IsLetter(unsigned char c) { return c != '-' && LetterCode(c) != 0; }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool LeftOutOfText(unsigned char c) { return c == 31 || c == 214 || c == 215; }
bool IsWordChar(unsigned char c) {
  return IsLetter(c) || IsDigit(c) || c == '-' || LeftOutOfText(c);
}
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

uint32_t WordFlagsOf(std::string_view text) {
  uint32_t flags = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const uint8_t code = LetterCode(static_cast<unsigned char>(text[i]));
    if (IsSmallCode(code)) {
      flags |= kWordNoCapital;
    } else if (IsCapitalCode(code)) {
      flags |= i == 0 ? kWordCapitalised : kWordAllCapitals;
    } else if (IsDigit(static_cast<unsigned char>(text[i]))) {
      flags |= kWordDigit;
    } else {
      flags |= kWordOtherChar;
    }
  }
  if ((flags & kWordAllCapitals) && (flags & kWordNoCapital)) {
    flags = (flags & ~(kWordAllCapitals | kWordNoCapital)) | kWordMixed;
  }
  if (flags & kWordAllCapitals) flags &= ~kWordCapitalised;
  if ((flags & kWordNoCapital) && (flags & kWordCapitalised)) flags &= ~kWordNoCapital;
  return flags;
}

WordWalker::WordWalker(std::u16string_view text, int64_t first_line)
    : text_(text), line_(first_line) {}

unsigned char WordWalker::At(size_t pos) const {
  return static_cast<unsigned char>(StoryCharToWin1250(text_[pos]));
}

void WordWalker::Step() {
  const char16_t c = text_[pos_++];
  if (c == 13 || c == 10) {
    ++line_;
    column_ = 1;
  } else if (!IsLowSurrogate(c) || pos_ < 2 || text_[pos_ - 2] < 0xD800 ||
             text_[pos_ - 2] > 0xDBFF) {
    ++column_;
  }
}

bool WordWalker::Next(StoryWord& word) {
  while (pos_ < text_.size()) {
    if (!IsLetter(At(pos_))) {
      Step();
      continue;
    }
    word.start = static_cast<int32_t>(pos_);
    word.line = line_;
    word.column = column_;
    word.text.clear();
    for (; pos_ < text_.size() && IsWordChar(At(pos_)); Step()) {
      const unsigned char c = At(pos_);
      if (!LeftOutOfText(c) && word.text.size() <= size_t{kLongestWordRun})
        word.text.push_back(static_cast<char>(c));
    }
    word.end = static_cast<int32_t>(pos_);
    if (word.end - word.start > kLongestWordRun) continue;
    word.full_stop = pos_ < text_.size() && text_[pos_] == u'.';
    return true;
  }
  return false;
}

int64_t WordWalker::NextFreeLine() {
  while (pos_ < text_.size()) Step();
  return column_ == 1 ? line_ : line_ + 1;
}

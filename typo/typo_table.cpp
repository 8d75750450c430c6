// Builds the class table of the typography pass from the options.
#include "typo/typo_table.h"

namespace {

void SetClass(TypoCharTable& table, const char* members, uint16_t bits) {
  for (const unsigned char* c = reinterpret_cast<const unsigned char*>(members); *c != 0; ++c) {
    table.classes[*c] |= bits;
  }
}

struct NestedMarks {
  uint8_t open, close;
};
constexpr NestedMarks kNestedMarks[] = {
    {kCodeLowQuote, kCodeRightQuote},
    {kCodeApostrophe, kCodeApostrophe},
    {kCodeGuillemetLeft, kCodeGuillemetRight},
    {kCodeGuillemetRight, kCodeGuillemetLeft},
};

constexpr std::array<bool, 256> MakeLetters() {
  std::array<bool, 256> letters{};
  for (int c = 'A'; c <= 'Z'; ++c) letters[c] = true;
  for (int c = 'a'; c <= 'z'; ++c) letters[c] = true;
  // ĄĆĘŁŃÓŚŹŻ ąćęłńóśźż in Windows-1250.
  for (int c : {0xA5, 0xC6, 0xCA, 0xA3, 0xD1, 0xD3, 0x8C, 0x8F, 0xAF, 0xB9, 0xE6, 0xEA, 0xB3, 0xF1,
                0xF3, 0x9C, 0x9F, 0xBF}) {
    letters[c] = true;
  }
  return letters;
}
constexpr std::array<bool, 256> kLetters = MakeLetters();

}  // namespace

void BuildTypoCharTable(TypoCharTable& table, const TypographyOptions& o) {
  table.classes.fill(0);
  SetClass(table, "\x04\x07\x0A\x0B\x0D\x1D", kTypoBreak);
  SetClass(table, " \xA0\x0F\x10", kTypoSpace);
  SetClass(table, "\x09\x0B\x0C", kTypoTabLike);
  if (o.quotes) SetClass(table, "\x92\"\x84\x94\x93\xAB\xBB", kTypoQuote);
  if (o.remove_before) SetClass(table, o.remove_before_chars, kTypoRemoveSpaceBefore);
  if (o.remove_after) SetClass(table, o.remove_after_chars, kTypoRemoveSpaceAfter);
  if (o.insert_before) SetClass(table, o.insert_before_chars, kTypoInsertSpaceBefore);
  if (o.insert_after) SetClass(table, o.insert_after_chars, kTypoInsertSpaceAfter);
  if (o.delete_chars) SetClass(table, o.deleted_chars, kTypoDeleteChar);
  SetClass(table, "-\x97\x96", kTypoDash);
  SetClass(table, ".,:;?!", kTypoSentencePunct);
  SetClass(table, "([{", kTypoOpenBracket);
  SetClass(table, ")]}", kTypoCloseBracket);
  SetClass(table, "CDILMVX", kTypoRomanLetter);
  // Removing and inserting a space on the same side would undo each other
  // for ever; the removal comes first in the rules, so it wins.
  for (uint16_t& c : table.classes) {
    if (c & kTypoRemoveSpaceAfter) c &= ~kTypoInsertSpaceAfter;
    if (c & kTypoRemoveSpaceBefore) c &= ~kTypoInsertSpaceBefore;
  }
  if (o.nested_style >= 0 && o.nested_style <= 3) {
    table.nested_open = kNestedMarks[o.nested_style].open;
    table.nested_close = kNestedMarks[o.nested_style].close;
  }
}

bool IsTypoLetter(uint32_t code) { return code < 256 && kLetters[code]; }
bool IsTypoDigit(uint32_t code) { return code >= '0' && code <= '9'; }

// What a word is to the spell checker: word characters of story text, the
// word flags computed on a word's Windows-1250 text, and the case patterns
// applied to replacements and suggestions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Word flag bits.
enum WordFlag : uint16_t {
  kWordCapitalised = 1,  // first character a capital, not all capitals
  kWordAllCapitals = 2,  // at least two capitals and no small letter
  kWordNoCapital = 4,
  kWordMixed = 8,        // a capital after the first character among small letters
  kWordOther = 16,       // a character that is neither letter nor digit
  kWordDigit = 32,
};

// Longest word text the walker keeps (its buffer holds this and the NUL); a
// longer run of word characters is passed over unchecked.
inline constexpr size_t kWalkerWordMax = 319;

// Characters as the story delivers them (16-bit: values of 256 and more are
// host characters without a Windows-1250 code and never belong to a word).
bool IsLetterChar(uint16_t c);
bool IsDigitChar(uint16_t c);
// Letters, digits, '-', the discretionary hyphen 31 and the codes 214, 215.
bool IsWordChar(uint16_t c);
// Word characters that belong to a word's range but not to its text.
bool IsSilentWordChar(uint16_t c);

uint16_t WordFlags(const char* word);

uint8_t SmallLetter(uint8_t c);
uint8_t CapitalLetter(uint8_t c);
std::string SmallLetters(const std::string& word);
// `text` in the case pattern of a word with `flags`: all capitals (flag 2),
// capital first letter (flag 1), otherwise unchanged.
std::string ApplyCasePattern(const std::string& text, uint16_t flags);

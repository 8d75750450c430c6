// The Windows-1250 <-> letter code tables.
#include "spell/engine/letters.h"

namespace {

// Windows-1250 characters of the capitals A..Ż in code order (44..78).
constexpr uint8_t kCapitals[kAlphabetSize] = {
    'A',  0xA5, 'B',  'C', 0xC6, 'D', 'E', 0xCA, 'F', 'G', 'H', 'I', 'J', 'K', 'L', 0xA3, 'M', 'N',
    0xD1, 'O',  0xD3, 'P', 'Q',  'R', 'S', 0x8C, 'T', 'U', 'V', 'W', 'X', 'Y', 'Z', 0x8F, 0xAF};
// The small letters a..ż likewise (92..126).
constexpr uint8_t kSmalls[kAlphabetSize] = {
    'a',  0xB9, 'b',  'c', 0xE6, 'd', 'e', 0xEA, 'f', 'g', 'h', 'i', 'j', 'k', 'l', 0xB3, 'm', 'n',
    0xF1, 'o',  0xF3, 'p', 'q',  'r', 's', 0x9C, 't', 'u', 'v', 'w', 'x', 'y', 'z', 0x9F, 0xBF};

struct Tables {
  uint8_t to_code[256] = {};
  uint8_t to_char[256] = {};
  constexpr Tables() {
    for (int i = 0; i < kAlphabetSize; ++i) {
      to_code[kCapitals[i]] = uint8_t(kFirstCapital + i);
      to_code[kSmalls[i]] = uint8_t(kFirstSmall + i);
      to_char[kFirstCapital + i] = kCapitals[i];
      to_char[kFirstSmall + i] = kSmalls[i];
    }
    to_code[uint8_t('-')] = kHyphenCode;
    to_char[kHyphenCode] = '-';
  }
};
constexpr Tables kTables;

}  // namespace

uint8_t LetterCode(uint8_t cp1250) { return kTables.to_code[cp1250]; }
uint8_t LetterChar(uint8_t code) { return kTables.to_char[code]; }

int MapWord(const char* text, bool fold, uint8_t* out, size_t capacity) {
  size_t n = 0;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
    uint8_t code = LetterCode(*p);
    if (code == 0) break;
    if (n + 1 >= capacity) return -1;
    out[n++] = fold ? ToSmallCode(code) : code;
  }
  if (n >= capacity) return -1;
  out[n] = kEndCode;
  return int(n);
}

bool CodesToText(const uint8_t* codes, char* out, size_t capacity) {
  size_t n = 0;
  for (; codes[n] != kEndCode; ++n) {
    if (n + 1 >= capacity) return false;
    out[n] = char(LetterChar(codes[n]));
  }
  if (n >= capacity) return false;
  out[n] = 0;
  return true;
}

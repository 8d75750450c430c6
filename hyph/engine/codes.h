// Pattern codes: the one-byte alphabet of patterns and exception lists.
// a-z are themselves (capitals fold to them); the nine Polish letters, small
// and capital, are the codes A C E L N O S X Z (X is ź, Z is ż); every other
// character has no code (0) and is used as itself wherever a word is
// translated. Words read back from codes are lower case.
#pragma once

#include <array>
#include <cstdint>

namespace hyph_codes {

struct PolishLetter {
  uint8_t small, capital, code;  // Windows-1250 small and capital, pattern code
};
inline constexpr PolishLetter kPolish[] = {
    {0xB9, 0xA5, 'A'}, {0xE6, 0xC6, 'C'}, {0xEA, 0xCA, 'E'}, {0xB3, 0xA3, 'L'}, {0xF1, 0xD1, 'N'},
    {0xF3, 0xD3, 'O'}, {0x9C, 0x8C, 'S'}, {0x9F, 0x8F, 'X'}, {0xBF, 0xAF, 'Z'},
};

constexpr std::array<uint8_t, 256> BuildCharToCode() {
  std::array<uint8_t, 256> t{};
  for (int c = 'a'; c <= 'z'; ++c) t[c] = uint8_t(c);
  for (int c = 'A'; c <= 'Z'; ++c) t[c] = uint8_t(c - 'A' + 'a');
  for (const PolishLetter& p : kPolish) t[p.small] = t[p.capital] = p.code;
  return t;
}

constexpr std::array<uint8_t, 256> BuildCodeToChar() {
  std::array<uint8_t, 256> t{};
  for (int c = 'a'; c <= 'z'; ++c) t[c] = uint8_t(c);
  for (const PolishLetter& p : kPolish) t[p.code] = p.small;
  return t;
}

}  // namespace hyph_codes

// Windows-1250 character -> pattern code (0 = none).
inline constexpr std::array<uint8_t, 256> char_to_code = hyph_codes::BuildCharToCode();
// Pattern code -> lower-case Windows-1250 character (0 = none).
inline constexpr std::array<uint8_t, 256> code_to_char = hyph_codes::BuildCodeToChar();

// The character's code, or the character itself when it has none.
inline uint8_t hyph_code_of(uint8_t c) { return char_to_code[c] ? char_to_code[c] : c; }
// The code's character, or the code itself when it has none.
inline uint8_t hyph_char_of(uint8_t code) { return code_to_char[code] ? code_to_char[code] : code; }

// Letter codes of the spelling engine: every word inside the engine, in son.dic
// and in user dictionaries is a string of one-byte codes in Polish alphabetical
// order (capitals 44..78, small letters 92..126, hyphen 127) closed by code 1.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr uint8_t kEndCode = 1;
inline constexpr uint8_t kFirstCapital = 44;  // A
inline constexpr uint8_t kLastCapital = 78;   // Ż
inline constexpr uint8_t kFirstSmall = 92;    // a
inline constexpr uint8_t kLastSmall = 126;    // ż
inline constexpr uint8_t kHyphenCode = 127;
inline constexpr uint8_t kCaseDistance = 48;  // small = capital + 48
inline constexpr int kAlphabetSize = 35;

inline bool IsCapitalCode(uint8_t code) { return code >= kFirstCapital && code <= kLastCapital; }
inline bool IsSmallCode(uint8_t code) { return code >= kFirstSmall && code <= kLastSmall; }
// A small letter or the hyphen: what the main trees and the stem store hold.
inline bool IsSmallOrHyphen(uint8_t code) { return code >= kFirstSmall && code <= kHyphenCode; }
inline uint8_t ToCapitalCode(uint8_t code) {
  return IsSmallCode(code) ? code - kCaseDistance : code;
}
inline uint8_t ToSmallCode(uint8_t code) {
  return IsCapitalCode(code) ? code + kCaseDistance : code;
}

// Code of one Windows-1250 character with its case kept; 0 when it has none.
uint8_t LetterCode(uint8_t cp1250);
// Windows-1250 character of a letter code; 0 for codes without a letter.
uint8_t LetterChar(uint8_t code);

// Maps NUL-terminated Windows-1250 text to codes, stopping at the first
// character without a code, and closes the result with kEndCode. `fold` turns
// capitals into small letters. Returns the number of letter codes written
// (the end code not counted), or -1 when they and the end code do not fit in
// `capacity` bytes (out then holds nothing usable).
int MapWord(const char* text, bool fold, uint8_t* out, size_t capacity);
// Turns codes closed by kEndCode back into NUL-terminated Windows-1250 text;
// false when `capacity` is too small.
bool CodesToText(const uint8_t* codes, char* out, size_t capacity);

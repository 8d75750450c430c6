// Character sets: the Windows-1250 <-> UTF-16 bridge for story text, the
// converter between the three 8-bit Polish repertoires (ISO-8859-2,
// Windows-1250, Mac Central European) and the conversion of stored Mac Central European texts for display.
#pragma once

#include <cstddef>
#include <cstdint>

// Repertoire indices.
enum Charset : int { kCharsetIso = 0, kCharsetWin = 1, kCharsetMac = 2 };
inline constexpr int kCharsetCount = 3;

// Character classes of a converter's source repertoire.
enum CharClass : uint32_t {
  kClassUpper = 0x01,     // capital letter (ASCII or Polish)
  kClassLower = 0x02,     // lower-case letter (ASCII or Polish)
  kClassDigit = 0x04,     // '0'..'9'
  kClassSpace = 0x08,     // blank, tab, CR, LF, VT, FF
  kClassPunct = 0x10,     // ASCII punctuation
  kClassPolish = 0x100,   // one of the 18 Polish letters (with kClassUpper/kClassLower)
  kClassTypo = 0x200,     // one of the 13 typographic characters
};

class CharsetConverter {
 public:
  // Converts from the source to the target repertoire (an index outside the
  // Charset values selects ISO-8859-2).
  CharsetConverter(int source, int target);

  // Converts a NUL-terminated string in place; null or "" is returned as is.
  char* ConvertString(char* text) const;
  // Converts into `out` (at most out_size-1 bytes, always NUL-terminated when
  // out_size > 0; a null text gives ""); returns `out`.
  char* ConvertString(const char* text, char* out, size_t out_size) const;
  uint8_t ToLower(uint8_t code) const;          // within the source repertoire
  uint8_t ToUpper(uint8_t code) const;
  uint32_t ClassOf(uint8_t code) const;         // CharClass bits

 private:
  void BuildSourceTables(int source);
  void BuildConversionTables(int source, int target);
  // Converts `length` bytes of `text` into `out` (which may be `text`).
  void Convert(const char* text, char* out, size_t length) const;
  uint32_t class_[256];
  uint8_t lower_[256];
  uint8_t upper_[256];
  uint8_t forward_[256];
};

// Size of one scratch buffer of ToWindowsText and how many are rotated.
inline constexpr size_t kScratchSize = 512;
inline constexpr int kScratchCount = 16;

// A stored (Mac Central European) text as Windows-1250 in the next of 16
// rotating 512-byte scratch buffers: valid until sixteen more calls. At most
// 511 bytes are converted. Null gives null.
const char* ToWindowsText(const char* mac);
// The same into the caller's buffer (bounded by out_size); returns `out`.
char* ToWindowsText(const char* mac, char* out, size_t out_size);

// UTF-16 value -> Windows-1250 code: below 0x80 kept; a table character gives
// its code; any other value is returned unchanged (U+00AC thus gives 0xAC).
uint16_t UnicodeToWin1250(uint16_t value);
// Windows-1250 code -> UTF-16; 0xEFEF for 0x81 0x83 0x88 0x90 0x98 0xAC.
uint16_t Win1250ToUnicode(uint8_t code);
// The Windows-1250 code of a UTF-16 value, or -1 when the code page has none
// (U+00AC counts as 0xAC).
int32_t Win1250CodeOf(uint16_t value);

// The reading of every Windows-1250 byte: a table hole (0x81 0x83 0x88 0x90
// 0x98) and 0xAC read as the code point of the same value.
uint16_t Win1250ReadingOf(uint8_t code);
// The byte whose reading is `value` (see Win1250ReadingOf), or -1.
int32_t Win1250ByteOf(char32_t value);

// Converts `count` values (the low byte is kept where there is no code) into
// `out`, at most out_size-1 bytes, NUL-terminated; returns the bytes written.
size_t UnicodeToWin1250String(const uint16_t* values, size_t count, char* out,
                              size_t out_size);


// Character sets: the Windows-1250 <-> UTF-16 bridge for story text, the
// converter between the four 8-bit Polish repertoires ("bez", "iso", "win",
// "mac") and the conversion of stored Mac Central European texts for display.
#pragma once

#include <cstddef>
#include <cstdint>

// Repertoire indices.
enum Charset : int { kCharsetBez = 0, kCharsetIso = 1, kCharsetWin = 2, kCharsetMac = 3 };
inline constexpr int kCharsetCount = 4;
inline constexpr int kCharsetNone = -1;

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
  // Selects the source, then the target repertoire.
  CharsetConverter(int source, int target);

  // Short name ("bez", "iso", "win", "mac") of a repertoire; "" outside 0..3.
  static const char* Name(int index);

  // An index outside 0..3 selects 0; a change rebuilds the tables.
  void SelectSourceCharset(int index);
  void SelectTargetCharset(int index);
  int SourceCharset() const { return source_; }
  int TargetCharset() const { return target_; }

  // Converts a NUL-terminated string in place; null or "" is returned as is.
  char* ConvertString(char* text) const;
  // Converts into `out` (at most out_size-1 bytes, always NUL-terminated when
  // out_size > 0; a null text gives ""); returns `out`.
  char* ConvertString(const char* text, char* out, size_t out_size) const;
  // Converts exactly `count` bytes (count < 1: strlen) in place / into `out`
  // (which holds at least that many bytes); no NUL is appended.
  void ConvertChars(char* text, int count) const;
  void ConvertChars(const char* text, char* out, int count) const;

  uint8_t ConvertChar(uint8_t code) const;      // source -> target
  uint8_t ToLower(uint8_t code) const;          // within the source repertoire
  uint8_t ToUpper(uint8_t code) const;
  uint32_t ClassOf(uint8_t code) const;         // CharClass bits

  // Forgets both selections (the next selection rebuilds everything).
  // Until both are selected the conversion is the identity. A "bez" source
  // or target converts nothing in that direction.
  void Reset();

 private:
  void BuildSourceTables();
  void BuildConversionTables();
  // Converts `length` bytes of `text` into `out` (which may be `text`).
  void Convert(const char* text, char* out, size_t length) const;
  int source_ = kCharsetNone;
  int target_ = kCharsetNone;
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

// Converts `count` bytes (count < 0: up to the NUL) into `out`, at most
// out_count-1 values, and appends a 0 value; returns the values written.
size_t Win1250ToUnicodeString(const char* text, ptrdiff_t count, uint16_t* out,
                              size_t out_count);
// Converts `count` values (the low byte is kept where there is no code) into
// `out`, at most out_size-1 bytes, NUL-terminated; returns the bytes written.
size_t UnicodeToWin1250String(const uint16_t* values, size_t count, char* out,
                              size_t out_size);

inline constexpr int32_t kCodePageMacRoman = 10000;
inline constexpr int32_t kCodePageMacCentralEurope = 10029;
inline constexpr int32_t kConvertFailed = -50;

// Converts *value to one byte of code page `from` (0: 10000) and that byte
// back to UTF-16 through code page `to` (0: 10029), in place. 0 on success;
// kConvertFailed (value unchanged) when the character has no single byte in
// `from` or that byte is "?" (the placeholder for what cannot be converted),
// the byte has no character in `to`, or a code page is unknown.
int32_t ConvertCharByCodePages(uint16_t* value, int32_t from = kCodePageMacRoman,
                               int32_t to = kCodePageMacCentralEurope);

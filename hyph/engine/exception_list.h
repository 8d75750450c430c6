// Exception lists: a run of entries ended by one zero byte. An entry is
//   L (entry length, = n + h + 4), n, n letter codes, 0, h positions, 0
// where a position p allows a break after the p-th letter. Entries are sorted
// by n, longest first, then by the coded letters as unsigned bytes. Shared by
// the engine and the data compiler; every list these functions walk has been
// checked by exc_list_valid_length first.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr size_t kExcMaxHyphens = 49;
inline constexpr size_t kExcMaxEntry = 255;
inline constexpr size_t kExcMaxLetters = kExcMaxEntry - 4;  // n + h <= 251
// Longest word text (letters and hyphens) an edit accepts.
inline constexpr size_t kExcMaxWordText = 255;

// Builds the entry for a Windows-1250 word written with "-" at its breaks.
// Returns L, or 0 when the word is refused: no letters, more than 49 hyphens,
// an entry over 255 bytes, or a text over 255 characters.
size_t exc_entry_build(const char* word, uint8_t (&entry)[kExcMaxEntry]);

// Translates a word to codes; without_hyphens drops every "-". Returns the
// number of codes, or 0 when the word is empty or longer than kExcMaxLetters
// (such a word cannot be in any list).
size_t exc_word_codes(const char* word, bool without_hyphens, uint8_t (&codes)[kExcMaxLetters]);

// The well-formed start of bytes[0..size): every entry has L >= 4, zeros at
// n + 2 and L - 1, and positions <= n.
struct ExcScan {
  size_t entries;   // bytes of the whole well-formed entries
  bool terminated;  // a terminating zero follows them inside the bytes
};
ExcScan exc_list_scan(const uint8_t* bytes, size_t size);
// The list's length, terminator included, or 0 when it is not well formed.
inline size_t exc_list_valid_length(const uint8_t* bytes, size_t size) {
  const ExcScan scan = exc_list_scan(bytes, size);
  return scan.terminated ? scan.entries + 1 : 0;
}

struct ExcPlace {
  size_t offset;  // the entry found, or where an entry for the word belongs
  bool found;
};
// Finds the entry with exactly these letters, stopping early by the order.
ExcPlace exc_list_find(const uint8_t* list, const uint8_t* codes, size_t n);

// Writes the entry's letters (as lower-case characters) with "-" after each
// stored position, NUL-terminated; false when out_size is too small.
bool exc_entry_format(const uint8_t* entry, char* out, size_t out_size);

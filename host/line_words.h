// The words of one line of UTF-8 text, for the editor front ends (`wirsel
// spell` and `wirsel lsp`): each word as the engine checks it and as it
// stands in the line, with its offset in characters and in UTF-16 units.
// This is the one place these front ends split words; it walks with the
// host's word walker.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A line decoded leniently: every byte that is not part of valid UTF-8
// becomes one U+FFFD character, so the rest of the line can still be read.
struct DecodedLine {
  std::u32string chars;
  size_t bad_bytes = 0;
  size_t first_bad_byte = 0;  // byte offset of the first bad byte
};
DecodedLine DecodeLine(std::string_view utf8);
// The character that starts at utf8[i] and its length in bytes; a byte that
// does not start valid UTF-8 is U+FFFD of length 1.
char32_t DecodeCharAt(std::string_view utf8, size_t i, size_t& length);
std::string EncodeUtf8(std::u32string_view chars);

struct LineWord {
  std::string text;         // Windows-1250, invisible characters left out: what is checked
  std::string shown;        // UTF-8, exactly as it stands in the line
  std::string normal;       // UTF-8 in normal form C, as the user's word list holds it
  bool polish = false;      // every letter is one of the Polish alphabet
  bool full_stop = false;   // a "." follows the word
  size_t offset = 0;        // characters from the line start to the word's first character
  size_t length = 0;        // characters, invisible ones included
  size_t utf16_offset = 0;  // the same two in UTF-16 code units
  size_t utf16_length = 0;
};

// Characters that do not show and never split a word: the soft hyphen,
// zero-width space, non-joiner and joiner, word joiner, the byte-order mark.
bool IsInvisibleInWord(char32_t c);

// Words of `chars`, in order. Characters replaced by spaces (markup) split
// words as spaces do.
std::vector<LineWord> WordsOfLine(std::u32string_view chars);

// The words of Unicode prose as the host's spelling commands read them
// (`wirsel proof`, `wirsel spell`, editors through the ispell pipe and the
// language server). Unlike the plug-in's walk over 8-bit story text:
// - text is read in Unicode normal form C, and the ligatures ff fi fl ffi ffl
//   (U+FB00..U+FB04) as their letters; positions stay those of the original
//   text;
// - a word is a run of letters (of any script), digits, hyphens and
//   apostrophes that starts with a letter; an apostrophe belongs to it only
//   between letters; soft hyphens and zero-width joiners are read over;
// - URLs (any scheme, or starting "www."), e-mail addresses, file paths
//   ("/usr/share", "C:\", "~/x", "a/b/c", "src/main.c"), file names
//   ("texmf.cnf", ".bashrc"), "--options" and identifiers with "_" are not
//   words at all.
// Letters, flags and Windows-1250 text come from base/words.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/words.h"

struct ProseWord {
  size_t start = 0;    // [start, end) in code points of the original text
  size_t end = 0;
  size_t start16 = 0;  // the same in UTF-16 units
  size_t end16 = 0;
  std::string text;     // UTF-8 in normal form C, ligatures spelt out, soft hyphens left out
  std::string win1250;  // the same in Windows-1250 when `polish`, else empty
  bool polish = false;  // every letter is one of the Polish alphabet (A-Z and the 18)
  bool full_stop = false;  // a "." follows right after the word
  bool too_long = false;   // longer than kWalkerWordMax characters: not to be checked
  uint16_t flags = 0;      // word flags (base/words.h) of the word's characters
};

// What was left out of the words, counted for reports and measurements.
struct ProseSkips {
  int64_t urls = 0;
  int64_t emails = 0;
  int64_t paths = 0;
  int64_t file_names = 0;
  int64_t other = 0;  // --options and identifiers with "_"
};

class ProseWalker {
 public:
  // UTF-8 text; a byte that is not part of valid UTF-8 reads as U+FFFD.
  explicit ProseWalker(std::string_view utf8);
  // UTF-16 text (story text); an unpaired surrogate reads as U+FFFD.
  explicit ProseWalker(std::u16string_view utf16);

  bool Next(ProseWord& word);
  // The rest of the text as words are read from it (normal form C, ligatures
  // spelt out), its runs of white space as one space each.
  std::string NormalText();
  const ProseSkips& skips() const { return skips_; }

  // One character of the original text with where it stands.
  struct Char {
    char32_t cp;
    size_t index;    // code points before it
    size_t index16;  // UTF-16 units before it
  };
  // One character as the words are read, with the original characters it
  // came from: chunk_[first] .. chunk_[last].
  struct Read {
    char32_t cp;
    uint32_t first;
    uint32_t last;
  };

 private:
  bool Decode(Char& c);
  bool NextChunk();
  void Normalise();
  void MarkSkipped();
  void TakeWords();

  std::string_view utf8_;
  std::u16string_view utf16_;
  bool wide_ = false;
  size_t pos_ = 0;  // in bytes or UTF-16 units
  size_t index_ = 0;
  size_t index16_ = 0;

  std::vector<Char> chunk_;  // a run of characters without white space
  std::vector<Read> read_;   // the chunk normalised
  std::vector<bool> skipped_;
  std::vector<ProseWord> words_;  // the chunk's words, handed out in order
  size_t next_word_ = 0;
  ProseSkips skips_;
};

// Every word of one line (or text) of UTF-8.
std::vector<ProseWord> ProseWordsOf(std::string_view utf8);

// UTF-8 text in normal form C with the ligatures spelt out, as words are read.
std::string ProseNormalForm(std::string_view utf8);
// UTF-8 text in small letters, or in capitals.
std::string ProseSmallLetters(std::string_view utf8);
std::string ProseCapitals(std::string_view utf8);

// Debian's Polish word list (wpolish) in the two encodings the peers need:
// the lower-case words made of Polish letters only.
#pragma once

#include <string>
#include <vector>

inline constexpr const char* kPolishWordList = "/usr/share/dict/polish";

struct PolishWord {
  std::string cp1250;  // for hyph_word
  std::string iso;     // for libhyphen
};

// Every `step`-th qualifying word of the list; empty when it cannot be read.
std::vector<PolishWord> LoadPolishWords(size_t step);

// Break positions (after letter k) as a string of '0'/'1' per gap.
std::string BreaksOf(const char* hyphenated);

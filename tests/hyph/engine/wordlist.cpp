// Reading and converting the Polish word list.
#include "tests/hyph/engine/wordlist.h"

#include <fstream>

namespace {

struct Letter {
  unsigned code_point;
  char cp1250, iso;
};
constexpr Letter kPolish[] = {
    {0x105, char(0xB9), char(0xB1)}, {0x107, char(0xE6), char(0xE6)},
    {0x119, char(0xEA), char(0xEA)}, {0x142, char(0xB3), char(0xB3)},
    {0x144, char(0xF1), char(0xF1)}, {0xF3, char(0xF3), char(0xF3)},
    {0x15B, char(0x9C), char(0xB6)}, {0x17A, char(0x9F), char(0xBC)},
    {0x17C, char(0xBF), char(0xBF)},
};

bool Convert(const std::string& utf8, PolishWord* word) {
  for (size_t i = 0; i < utf8.size(); ++i) {
    const unsigned char c = utf8[i];
    if (c >= 'a' && c <= 'z') {
      word->cp1250 += char(c);
      word->iso += char(c);
      continue;
    }
    if ((c & 0xE0) != 0xC0 || i + 1 >= utf8.size()) return false;
    const unsigned cp = (c & 0x1Fu) << 6 | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
    const Letter* hit = nullptr;
    for (const Letter& l : kPolish) {
      if (l.code_point == cp) hit = &l;
    }
    if (!hit) return false;
    word->cp1250 += hit->cp1250;
    word->iso += hit->iso;
  }
  return !utf8.empty();
}

}  // namespace

std::vector<PolishWord> LoadPolishWords(size_t step) {
  std::vector<PolishWord> words;
  std::ifstream in(kPolishWordList);
  size_t seen = 0;
  for (std::string line; std::getline(in, line);) {
    PolishWord word;
    if (!Convert(line, &word)) continue;
    if (seen++ % step == 0) words.push_back(std::move(word));
  }
  return words;
}

std::string BreaksOf(const char* hyphenated) {
  std::string breaks;
  for (const char* p = hyphenated; *p; ++p) {
    if (*p == '-') breaks.back() = '1';
    else breaks += '0';
  }
  return breaks;
}

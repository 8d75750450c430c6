// Building, checking, searching and printing exception-list entries.
#include "hyph/engine/exception_list.h"

#include <cstring>

#include "hyph/engine/codes.h"

size_t exc_entry_build(const char* word, uint8_t (&entry)[kExcMaxEntry]) {
  if (!word || std::strlen(word) > kExcMaxWordText) return 0;
  uint8_t letters[kExcMaxEntry];
  uint8_t positions[kExcMaxHyphens];
  size_t n = 0;
  size_t h = 0;
  for (const char* p = word; *p; ++p) {
    const uint8_t c = uint8_t(*p);
    if (c == '-') {
      if (h == kExcMaxHyphens) return 0;
      positions[h++] = uint8_t(n);
    } else {
      if (n == kExcMaxLetters) return 0;
      letters[n++] = hyph_code_of(c);
    }
  }
  if (n == 0 || n + h > kExcMaxLetters) return 0;
  const size_t length = n + h + 4;
  entry[0] = uint8_t(length);
  entry[1] = uint8_t(n);
  std::memcpy(entry + 2, letters, n);
  entry[n + 2] = 0;
  std::memcpy(entry + n + 3, positions, h);
  entry[length - 1] = 0;
  return length;
}

size_t exc_word_codes(const char* word, bool without_hyphens, uint8_t (&codes)[kExcMaxLetters]) {
  size_t n = 0;
  for (const char* p = word; p && *p; ++p) {
    if (without_hyphens && *p == '-') continue;
    if (n == kExcMaxLetters) return 0;
    codes[n++] = hyph_code_of(uint8_t(*p));
  }
  return n;
}

ExcScan exc_list_scan(const uint8_t* bytes, size_t size) {
  size_t at = 0;
  while (at < size) {
    const size_t length = bytes[at];
    if (length == 0) return {at, true};
    if (length < 4 || length > size - at) break;
    const uint8_t* e = bytes + at;
    const size_t n = e[1];
    if (n + 4 > length || e[n + 2] != 0 || e[length - 1] != 0) break;
    for (size_t i = n + 3; i < length - 1; ++i) {
      if (e[i] > n) return {at, false};
    }
    at += length;
  }
  return {at, false};
}

ExcPlace exc_list_find(const uint8_t* list, const uint8_t* codes, size_t n) {
  size_t at = 0;
  for (; list[at] != 0; at += list[at]) {
    const size_t entry_n = list[at + 1];
    if (entry_n < n) break;
    if (entry_n > n) continue;
    const int order = std::memcmp(list + at + 2, codes, n);
    if (order == 0) return {at, true};
    if (order > 0) break;
  }
  return {at, false};
}

bool exc_entry_format(const uint8_t* entry, char* out, size_t out_size) {
  const size_t n = entry[1];
  const size_t h = size_t(entry[0]) - n - 4;
  if (out_size < n + h + 1) return false;
  const uint8_t* positions = entry + n + 3;
  size_t next = 0;
  char* o = out;
  for (size_t k = 0; k <= n; ++k) {
    while (next < h && positions[next] == k) {
      *o++ = '-';
      ++next;
    }
    if (k < n) *o++ = char(hyph_char_of(entry[2 + k]));
  }
  *o = 0;
  return true;
}

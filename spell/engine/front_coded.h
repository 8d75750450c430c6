// The search over a sorted front-coded list, the shape of the stem store's
// blocks and of the user dictionaries. An entry is a byte counting the
// letters it shares with the entry before, its own letters, then a fixed
// tail of bytes that are not letters (an end mark, or a stem's paradigm and
// variant); a 0 where an entry's first letter would stand ends the list.
// Every read is bounded by the list's size; a damaged list ends the search
// as "not found".
#pragma once

#include <cstddef>
#include <cstdint>

#include "spell/engine/letters.h"

// `IsLetter` tells an entry's letters from its tail of `kTail` bytes.
template <bool (*IsLetter)(uint8_t), size_t kTail>
struct FrontCodedList {
  const uint8_t* bytes;
  size_t size;

  bool AtEnd(size_t pos) const { return pos + 1 >= size || bytes[pos + 1] == 0; }

  // The offset just after the entry at `pos`, or `size` when it runs past.
  size_t Skip(size_t pos) const {
    size_t q = pos + 1;
    while (q < size && IsLetter(bytes[q])) ++q;
    return q + kTail <= size ? q + kTail : size;
  }

  // True when some entry's letters are a prefix of `word` (codes through
  // kEndCode) and `accepts(tail, rest)` holds for that entry's tail and the
  // rest of the word after its letters.
  template <typename Accepts>
  bool Find(const uint8_t* word, Accepts accepts) const {
    size_t pos = 0, m = 0;
    while (!AtEnd(pos)) {
      const size_t shared = bytes[pos];
      if (shared < m) return false;
      if (shared > m) {
        pos = Skip(pos);
        continue;
      }
      size_t q = pos + 1;
      while (q < size && IsLetter(bytes[q]) && bytes[q] == word[m]) {
        ++q;
        ++m;
      }
      if (q >= size) return false;
      if (!IsLetter(bytes[q])) {
        if (q + kTail > size) return false;
        if (accepts(bytes + q, word + m)) return true;
        pos = q + kTail;
        continue;
      }
      if (word[m] == kEndCode || bytes[q] > word[m]) return false;
      pos = Skip(pos);
      // The entries sharing letters with this one start with its smaller
      // first letter: go on at the next that shares none.
      if (m == 0) {
        while (!AtEnd(pos) && bytes[pos] != 0) pos = Skip(pos);
      }
    }
    return false;
  }
};

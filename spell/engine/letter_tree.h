// The walk over a letter tree (a letter array and a link array of equal
// reach): from base b the code c lands on position (b + c) mod 65536, which
// must hold c; its link is the next base. Positions outside the arrays hold
// nothing. Used for the word trees and the ending tree.
#pragma once

#include <cstddef>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "spell/engine/letters.h"

struct TreeView {
  static constexpr uint64_t kChildBits = (uint64_t(1) << 36) - 1;

  const uint8_t* letters = nullptr;
  const uint8_t* links = nullptr;  // big-endian u16 per position
  uint32_t reach = 0;              // positions present in both arrays

  TreeView() = default;
  TreeView(const uint8_t* letter_bytes, size_t letter_size, const uint8_t* link_bytes,
           size_t link_size)
      : letters(letter_bytes),
        links(link_bytes),
        reach(uint32_t(letter_size < link_size / 2 ? letter_size : link_size / 2)) {}

  // One step; false when `code` is not held at the next position.
  bool Step(uint32_t* base, uint8_t code) const {
    const uint32_t p = (*base + code) & 0xFFFFu;
    if (p >= reach || letters[p] != code) return false;
    *base = uint32_t(links[2 * p]) << 8 | links[2 * p + 1];
    return true;
  }
  // The codes first .. first+35 held below `base`, as bits 0..35 (bit k for
  // first+k): what Step would accept, found without a branch per code.
  uint64_t Children(uint32_t base, uint8_t first) const {
    constexpr uint32_t kWindow = 48;
    const uint32_t from = base + first;
#if defined(__SSE2__)
    if (from + kWindow <= reach && from + kWindow <= 0x10000u) {
      const __m128i step = _mm_set1_epi8(16);
      __m128i expect = _mm_add_epi8(_mm_set1_epi8(char(first)),
                                    _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15));
      uint64_t held = 0;
      for (uint32_t k = 0; k < kWindow; k += 16) {
        const __m128i got = _mm_loadu_si128(reinterpret_cast<const __m128i*>(letters + from + k));
        held |= uint64_t(uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(got, expect)))) << k;
        expect = _mm_add_epi8(expect, step);
      }
      return held & kChildBits;
    }
#endif
    uint64_t held = 0;
    for (uint32_t k = 0; k < 36; ++k) {
      const uint32_t p = (from + k) & 0xFFFFu;
      if (p < reach && letters[p] == uint8_t(first + k)) held |= uint64_t(1) << k;
    }
    return held;
  }
  // The next base after the code at bit k of Children(base, first).
  uint32_t ChildBase(uint32_t base, uint8_t first, int k) const {
    const uint32_t p = (base + first + uint32_t(k)) & 0xFFFFu;
    return uint32_t(links[2 * p]) << 8 | links[2 * p + 1];
  }
  // Asks the processor to fetch what Children(base, first) and ChildBase
  // read.
  void Prefetch(uint32_t base, uint8_t first) const {
    const uint32_t p = base + first;
    if (p + 47 < reach) {
      __builtin_prefetch(letters + p);
      __builtin_prefetch(letters + p + 47);
      __builtin_prefetch(links + 2 * p);
      __builtin_prefetch(links + 2 * p + 71);
    }
  }
  // Walks `codes` through its end code, starting from `base`.
  bool Holds(const uint8_t* codes, uint32_t base = 0) const {
    for (;; ++codes) {
      if (!Step(&base, *codes)) return false;
      if (*codes == kEndCode) return true;
    }
  }
};

// The walk over a letter tree (a letter array and a link array of equal
// reach): from base b the code c lands on position (b + c) mod 65536, which
// must hold c; its link is the next base. Positions outside the arrays hold
// nothing. Used for the word trees and the ending tree.
#pragma once

#include <cstddef>
#include <cstdint>

#include "spell/engine/letters.h"

struct TreeView {
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
  // Walks `codes` through its end code, starting from `base`.
  bool Holds(const uint8_t* codes, uint32_t base = 0) const {
    for (;; ++codes) {
      if (!Step(&base, *codes)) return false;
      if (*codes == kEndCode) return true;
    }
  }
};

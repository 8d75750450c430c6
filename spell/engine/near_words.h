// The wider search for suggestions: every word of the dictionary's letter
// trees within a cost bound of a typed word (two ordinary edits, or more of
// the cheap Polish ones), found by walking the trees position by position
// with one row of the weighted edit distance per letter, so that a branch is
// left as soon as no word below it can come within the bound. Internal to
// the spelling engine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "spell/engine/typo_cost.h"

class SonDictionary;

struct NearWord {
  std::basic_string<uint8_t> codes;  // as the tree holds it (capitals kept)
  int cost = 0;
};

// Appends to *out the words of the main and capitalised trees whose distance
// from `typed` is at most `bound`; stops after `limit` positions visited. A
// word may come more than once.
void FindNearWords(const SonDictionary& dict, const typo_cost::TypedWord& typed, int bound,
                   size_t limit, std::vector<NearWord>* out);

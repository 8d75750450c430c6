// How far a typed word is from a dictionary word, weighted by how people
// mistype Polish: a diacritic left out or added costs least, then the
// confusions of Polish spelling (u/ó, rz/ż, ch/h, ż/ź), then a nasal vowel
// written out (on/om for ą, en/em for ę), a letter doubled or undoubled, a
// neighbouring key, two letters swapped, a letter left out or typed extra,
// and last any other letter. Words are small-letter codes (letters.h).
// Internal to the spelling engine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "spell/engine/letters.h"

namespace typo_cost {

inline constexpr int kDiacritic = 2;     // a/ą c/ć e/ę l/ł n/ń o/ó s/ś z/ż z/ź
inline constexpr int kConfusion = 3;     // u/ó ż/ź rz/ż ch/h
inline constexpr int kDoubled = 4;       // a letter typed twice, or once for twice
inline constexpr int kNasal = 5;         // on/om/en/em for ą/ę
inline constexpr int kNeighbourKey = 6;  // a key beside the right one
inline constexpr int kTransposed = 6;    // two letters swapped
inline constexpr int kExtraNearKey = 5;  // an extra key beside its neighbour letter
inline constexpr int kMissing = 7;       // a letter left out
inline constexpr int kExtra = 7;         // a letter typed extra
inline constexpr int kOther = 10;        // any other letter

// The cost of typing `candidate` letter as `typed` letter (0 when equal).
int Substitution(uint8_t typed, uint8_t candidate);

// The weighted edit-distance table of one typed word (n small-letter codes),
// built a row per candidate letter, for walking candidates letter by letter:
// the costs of the typed word's letters against every letter are worked out
// once, so a row costs a few additions per typed letter. The caller keeps
// the rows (n+1 entries each) of the two letters before.
class TypedWord {
 public:
  TypedWord(const uint8_t* typed, size_t n);

  size_t size() const { return n_; }
  // The row for the empty candidate: the cost of typing typed[0..i) for
  // nothing. Answers its smallest entry.
  int FirstRow(int* row) const;
  // `cand` holds the candidate's first j letters (j >= 1, small-letter codes
  // or the hyphen); `row` receives the costs of turning typed[0..i) into
  // cand[0..j); `up` is the row for j-1 letters, `up2` the row for j-2
  // letters (ignored when j < 2). Answers the smallest entry of `row`.
  int NextRow(const uint8_t* cand, size_t j, const int* up2, const int* up, int* row) const;

  // Sets of candidate letters, bit (letter - kFirstSmall) for each small
  // letter and the hyphen.
  static constexpr uint64_t kEveryLetter = (uint64_t(1) << (kHyphenCode - kFirstSmall + 1)) - 1;
  // The letters whose NextRow after cand[0..j-1) (rows `up2` and `up`, the
  // smallest entry of `up` being `least`) can have an entry within `bound`;
  // the row of any other letter is all above it.
  uint64_t LettersWithin(const uint8_t* cand, size_t j, const int* up2, const int* up, int least,
                         int bound) const;
  // The letters after which the next row can come back within `bound` by
  // reaching over them to `up`, the row before them: the letter swapped with
  // the next one, or the first of a two-letter spelling. For any other
  // letter whose row is all above `bound`, so is every row after it.
  uint64_t LettersReachingBack(const int* up, int bound) const;
  // The whole distance from the typed word to `cand` (m letters).
  int Distance(const uint8_t* cand, size_t m) const;

 private:
  struct Pair {
    size_t i;     // typed[i-2..i) spells
    uint8_t one;  // this one letter
    int cost;
  };
  // The positions i (from 1) where typed[i-1] is `letter`.
  const size_t* PositionsBegin(uint8_t letter) const {
    return positions_.data() + first_position_[letter];
  }
  const size_t* PositionsEnd(uint8_t letter) const {
    return positions_.data() + first_position_[letter + 1];
  }

  const uint8_t* typed_;
  size_t n_;
  std::vector<int> substitution_;  // [letter * (n+1) + i]: typed[i-1] for letter
  std::vector<int> extra_;         // [i]: typed[i-1] typed extra
  std::vector<uint64_t> typed_bits_;  // [i]: typed[i] as a set of letters
  // [i * kSlacks + k + 1]: the letters that cost at most k for typed[i-1]
  // (k from -1, none, to kOther, all)
  static constexpr size_t kSlacks = kOther + 2;
  std::vector<uint64_t> within_;
  std::vector<Pair> pairs_;  // typed letter pairs that spell one letter
  std::vector<size_t> positions_;
  size_t first_position_[129] = {};
};

}  // namespace typo_cost

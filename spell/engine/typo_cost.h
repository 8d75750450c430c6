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

// One row of the weighted edit-distance table, for walking a candidate letter
// by letter (the caller keeps the rows of the two letters before). `typed` has
// n letters; `cand` holds the candidate's first j letters (j >= 1); `row` (n+1
// entries) receives the costs of turning typed[0..i) into cand[0..j); `up` is
// the row for j-1 letters, `up2` the row for j-2 letters (ignored when j < 2).
void NextRow(const uint8_t* typed, size_t n, const uint8_t* cand, size_t j, const int* up2,
             const int* up, int* row);
// The row for the empty candidate: the cost of typing typed[0..i) for nothing.
void FirstRow(const uint8_t* typed, size_t n, int* row);

// The whole distance from `typed` (n letters) to `cand` (m letters).
int Distance(const uint8_t* typed, size_t n, const uint8_t* cand, size_t m);

}  // namespace typo_cost

// The weights of Polish typing errors and the weighted edit distance (with
// swaps and the two-letter spellings rz, ch, on, om, en, em) built on them.
#include "spell/engine/typo_cost.h"

#include <algorithm>
#include <vector>

#include "spell/engine/letters.h"

namespace typo_cost {
namespace {

// Small-letter codes used by the rules.
constexpr uint8_t kA = 92, kAOgonek = 93, kC = 95, kCAcute = 96, kE = 98, kEOgonek = 99, kH = 102,
                  kL = 106, kLStroke = 107, kM = 108, kN = 109, kNAcute = 110, kO = 111,
                  kOAcute = 112, kR = 115, kS = 116, kSAcute = 117, kU = 119, kZ = 124,
                  kZAcute = 125, kZDot = 126;

// The plain letter of a letter with a diacritic, else the letter itself.
uint8_t Plain(uint8_t c) {
  switch (c) {
    case kAOgonek:
      return kA;
    case kCAcute:
      return kC;
    case kEOgonek:
      return kE;
    case kLStroke:
      return kL;
    case kNAcute:
      return kN;
    case kOAcute:
      return kO;
    case kSAcute:
      return kS;
    case kZAcute:
    case kZDot:
      return kZ;
    default:
      return c;
  }
}

// Key positions on a Polish (QWERTY) keyboard, the letters with diacritics
// on the key of their plain letter (typed with AltGr).
struct Key {
  int row = -1, column = 0;
};

Key KeyOf(uint8_t code) {
  static const char* const kRows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
  const uint8_t letter = LetterChar(Plain(code));
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; kRows[r][c]; ++c) {
      if (uint8_t(kRows[r][c]) == letter) return Key{r, c};
    }
  }
  return Key{};
}

// Keys beside each other: on one row next to each other, or touching across
// rows (each row sits half a key to the right of the row below it).
bool Neighbours(uint8_t a, uint8_t b) {
  const Key x = KeyOf(a), y = KeyOf(b);
  if (x.row < 0 || y.row < 0) return false;
  if (x.row == y.row) return x.column - y.column == 1 || y.column - x.column == 1;
  if (x.row - y.row == 1) return x.column == y.column || x.column == y.column - 1;
  if (y.row - x.row == 1) return y.column == x.column || y.column == x.column - 1;
  return false;
}

struct NeighbourTable {
  bool near[128][128] = {};
  NeighbourTable() {
    for (int a = kFirstSmall; a <= kLastSmall; ++a) {
      for (int b = kFirstSmall; b <= kLastSmall; ++b)
        near[a][b] = Neighbours(uint8_t(a), uint8_t(b));
    }
  }
};

bool Near(uint8_t a, uint8_t b) {
  static const NeighbourTable table;
  return a < 128 && b < 128 && table.near[a][b];
}

// The cost of a letter the candidate has and the typed word lacks.
int MissingCost(const uint8_t* cand, size_t j) {
  return j >= 2 && cand[j - 1] == cand[j - 2] ? kDoubled : kMissing;
}

// The cost of the typed letter typed[i-1] that the candidate lacks.
int ExtraCost(const uint8_t* typed, size_t n, size_t i) {
  const uint8_t c = typed[i - 1];
  const bool after = i >= 2, before = i < n;
  if ((after && typed[i - 2] == c) || (before && typed[i] == c)) return kDoubled;
  if ((after && Near(typed[i - 2], c)) || (before && Near(typed[i], c))) return kExtraNearKey;
  return kExtra;
}

// The two-letter spellings of one letter, and what writing them costs.
struct TwoForOne {
  uint8_t first, second, one;
  int cost;
};
constexpr TwoForOne kTwoForOne[] = {{kR, kZ, kZDot, kConfusion}, {kC, kH, kH, kConfusion},
                                    {kO, kN, kAOgonek, kNasal},  {kO, kM, kAOgonek, kNasal},
                                    {kE, kN, kEOgonek, kNasal},  {kE, kM, kEOgonek, kNasal}};

// A letter's bit in a set of letters (typo_cost.h); none for codes below
// the small letters.
uint64_t Bit(uint8_t letter) {
  return letter >= kFirstSmall && letter <= kHyphenCode ? uint64_t(1) << (letter - kFirstSmall) : 0;
}

// The one letter that `first` `second` spell, or nullptr. Asked for every
// row, so the second letter sorts out most pairs at once.
const TwoForOne* SpelledBy(uint8_t first, uint8_t second) {
  int at;
  switch (second) {
    case kZ: at = 0; break;
    case kH: at = 1; break;
    case kN: at = first == kO ? 2 : 4; break;
    case kM: at = first == kO ? 3 : 5; break;
    default: return nullptr;
  }
  return kTwoForOne[at].first == first ? &kTwoForOne[at] : nullptr;
}

}  // namespace

int Substitution(uint8_t typed, uint8_t candidate) {
  if (typed == candidate) return 0;
  const uint8_t a = ToSmallCode(typed), b = ToSmallCode(candidate);
  if (a == b) return 0;
  if ((a == kU && b == kOAcute) || (a == kOAcute && b == kU)) return kConfusion;
  if ((a == kZDot && b == kZAcute) || (a == kZAcute && b == kZDot)) return kConfusion;
  if (Plain(a) == Plain(b)) return kDiacritic;
  if (Near(a, b)) return kNeighbourKey;
  return kOther;
}

namespace {

// Substitution for every pair of codes below 128, worked out once.
struct SubstitutionTable {
  int8_t cost[128][128];
  SubstitutionTable() {
    for (int a = 0; a < 128; ++a) {
      for (int b = 0; b < 128; ++b) cost[a][b] = int8_t(Substitution(uint8_t(a), uint8_t(b)));
    }
  }
};

}  // namespace

TypedWord::TypedWord(const uint8_t* typed, size_t n)
    : typed_(typed),
      n_(n),
      substitution_(128 * (n + 1), 0),
      extra_(n + 1, 0),
      typed_bits_(n, 0),
      within_((n + 1) * kSlacks, 0) {
  static const SubstitutionTable table;
  for (size_t i = 1; i <= n; ++i) {
    const uint8_t t = typed[i - 1];
    uint64_t* within = within_.data() + i * kSlacks;
    for (int letter = 0; letter < 128; ++letter) {
      const int cost = t < 128 ? table.cost[t][letter] : Substitution(t, uint8_t(letter));
      substitution_[size_t(letter) * (n + 1) + i] = cost;
      within[cost + 1] |= Bit(uint8_t(letter));
    }
    for (size_t k = 1; k < kSlacks; ++k) within[k] |= within[k - 1];
  }
  for (size_t i = 1; i <= n; ++i) extra_[i] = ExtraCost(typed, n, i);
  for (size_t i = 0; i < n; ++i) typed_bits_[i] = Bit(typed[i]);
  for (size_t i = 2; i <= n; ++i) {
    if (const TwoForOne* t = SpelledBy(typed[i - 2], typed[i - 1])) {
      pairs_.push_back(Pair{i, t->one, t->cost});
    }
  }
  for (int letter = 0; letter < 128; ++letter) {
    first_position_[letter] = positions_.size();
    for (size_t i = 1; i <= n; ++i) {
      if (typed[i - 1] == letter) positions_.push_back(i);
    }
  }
  first_position_[128] = positions_.size();
}

int TypedWord::FirstRow(int* row) const {
  row[0] = 0;
  for (size_t i = 1; i <= n_; ++i) row[i] = row[i - 1] + extra_[i];
  return 0;
}

// Each entry is the cheapest of: a letter for a letter (up[i-1]), a letter
// left out (up[i]), a letter typed extra (row[i-1]), all taken in one sweep,
// and the rarer two typed letters for one (up[i-2]) or a swap and one letter
// for two (up2), which lower an entry afterwards and carry the saving on
// through the letters typed extra after it.
int TypedWord::NextRow(const uint8_t* cand, size_t j, const int* up2, const int* up,
                       int* row) const {
  const uint8_t v = cand[j - 1] & 127;
  const int* substitution = substitution_.data() + size_t(v) * (n_ + 1);
  const int* extra = extra_.data();
  const int missing = MissingCost(cand, j);
  int entry = up[0] + missing;
  int least = entry;
  row[0] = entry;
  for (size_t i = 1; i <= n_; ++i) {
    entry = std::min(std::min(up[i - 1] + substitution[i], up[i] + missing), entry + extra[i]);
    row[i] = entry;
    least = std::min(least, entry);
  }
  const auto lower = [&](size_t i, int cost) {
    if (cost >= row[i]) return;
    row[i] = cost;
    least = std::min(least, cost);
    for (++i; i <= n_ && row[i - 1] + extra[i] < row[i]; ++i) row[i] = row[i - 1] + extra[i];
  };
  for (const Pair& pair : pairs_) {
    if (pair.one == v) lower(pair.i, up[pair.i - 2] + pair.cost);
  }
  if (j >= 2) {
    const uint8_t before = cand[j - 2];
    // typed[i-2..i) is the candidate's last two letters the other way round.
    if (before != v) {
      for (const size_t* p = PositionsBegin(v); p != PositionsEnd(v); ++p) {
        const size_t i = *p + 1;
        if (i <= n_ && typed_[i - 1] == before) lower(i, up2[i - 2] + kTransposed);
      }
    }
    if (const TwoForOne* t = SpelledBy(before, v)) {
      for (const size_t* p = PositionsBegin(t->one); p != PositionsEnd(t->one); ++p) {
        lower(*p, up2[*p - 1] + t->cost);
      }
    }
  }
  return least;
}

uint64_t TypedWord::LettersWithin(const uint8_t* cand, size_t j, const int* up2, const int* up,
                                  int least, int bound) const {
  if (least + kMissing <= bound) return kEveryLetter;
  uint64_t letters = 0;
  // The letter before typed again: a letter doubled.
  if (j >= 2 && least + kDoubled <= bound) letters |= Bit(cand[j - 2]);
  // Without a branch per letter: a slack below 0 reads the empty set, one
  // of kOther or more every letter.
  const uint64_t* within = within_.data();
  for (size_t i = 1; i <= n_; ++i) {
    const int slack = std::clamp(bound - up[i - 1], -1, kOther);
    letters |= within[i * kSlacks + size_t(slack + 1)];
  }
  if (letters == kEveryLetter) return letters;
  for (const Pair& pair : pairs_) {
    if (up[pair.i - 2] + pair.cost <= bound) letters |= Bit(pair.one);
  }
  if (j >= 2) {
    const uint8_t before = cand[j - 2] & 127;
    for (const size_t* p = PositionsBegin(before); p != PositionsEnd(before); ++p) {
      if (*p >= 2 && up2[*p - 2] + kTransposed <= bound) letters |= Bit(typed_[*p - 2]);
    }
    for (const TwoForOne& t : kTwoForOne) {
      if (t.first != before) continue;
      for (const size_t* p = PositionsBegin(t.one); p != PositionsEnd(t.one); ++p) {
        if (up2[*p - 1] + t.cost <= bound) letters |= Bit(t.second);
      }
    }
  }
  return letters;
}

uint64_t TypedWord::LettersReachingBack(const int* up, int bound) const {
  uint64_t letters = 0;
  for (size_t i = 2; i <= n_; ++i) {
    letters |= -uint64_t(up[i - 2] + kTransposed <= bound) & typed_bits_[i - 1];
  }
  for (const TwoForOne& t : kTwoForOne) {
    for (const size_t* p = PositionsBegin(t.one); p != PositionsEnd(t.one); ++p) {
      if (up[*p - 1] + t.cost <= bound) letters |= Bit(t.first);
    }
  }
  return letters;
}

int TypedWord::Distance(const uint8_t* cand, size_t m) const {
  std::vector<int> rows(3 * (n_ + 1));
  int* r[3] = {rows.data(), rows.data() + (n_ + 1), rows.data() + 2 * (n_ + 1)};
  FirstRow(r[0]);
  for (size_t j = 1; j <= m; ++j) NextRow(cand, j, r[(j + 1) % 3], r[(j - 1) % 3], r[j % 3]);
  return r[m % 3][n_];
}

}  // namespace typo_cost

// The typed word's cost table against the edit distance written out cell by
// cell, and the letter sets the wider search prunes by: a letter left out of
// them must never have a row entry within the bound. Random words with a
// fixed seed, over the letters the rules treat specially.
#include "spell/engine/typo_cost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "spell/engine/letters.h"

namespace {

using Word = std::vector<uint8_t>;

// a ą c ć e ę h l ł m n ń o ó r s ś u z ź ż and the hyphen: the letters of
// the diacritic, confusion, nasal and two-letter rules, with their
// neighbours on the keyboard.
const uint8_t kLetters[] = {92,  93,  95,  96,  98,  99,  102, 106, 107, 108, 109,
                            110, 111, 112, 115, 116, 117, 119, 124, 125, 126, 127};

Word RandomWord(std::mt19937& rng, size_t min_size, size_t max_size) {
  std::uniform_int_distribution<size_t> size(min_size, max_size);
  std::uniform_int_distribution<size_t> pick(0, std::size(kLetters) - 1);
  Word word(size(rng));
  for (uint8_t& c : word) c = kLetters[pick(rng)];
  return word;
}

// The whole table, every rule tried at every cell.
int PlainDistance(const Word& typed, const Word& cand) {
  using namespace typo_cost;
  const size_t n = typed.size(), m = cand.size();
  std::vector<std::vector<int>> d(m + 1, std::vector<int>(n + 1));
  const TypedWord word(typed.data(), n);
  word.FirstRow(d[0].data());
  for (size_t j = 1; j <= m; ++j) {
    const int missing = j >= 2 && cand[j - 1] == cand[j - 2] ? kDoubled : kMissing;
    d[j][0] = d[j - 1][0] + missing;
    for (size_t i = 1; i <= n; ++i) {
      int best = d[j - 1][i - 1] + Substitution(typed[i - 1], cand[j - 1]);
      best = std::min(best, d[j - 1][i] + missing);
      best = std::min(best, d[j][i - 1] + (d[0][i] - d[0][i - 1]));
      if (i >= 2 && j >= 2 && typed[i - 1] == cand[j - 2] && typed[i - 2] == cand[j - 1] &&
          typed[i - 1] != cand[j - 1]) {
        best = std::min(best, d[j - 2][i - 2] + kTransposed);
      }
      auto spells = [](uint8_t a, uint8_t b, uint8_t one) {
        if (one == 126) return a == 115 && b == 124 ? kConfusion : 0;           // rz ż
        if (one == 102) return a == 95 && b == 102 ? kConfusion : 0;            // ch h
        if (one == 93) return a == 111 && (b == 109 || b == 108) ? kNasal : 0;  // on om ą
        if (one == 99) return a == 98 && (b == 109 || b == 108) ? kNasal : 0;   // en em ę
        return 0;
      };
      if (i >= 2) {
        if (const int c = spells(typed[i - 2], typed[i - 1], cand[j - 1])) {
          best = std::min(best, d[j - 1][i - 2] + c);
        }
      }
      if (j >= 2) {
        if (const int c = spells(cand[j - 2], cand[j - 1], typed[i - 1])) {
          best = std::min(best, d[j - 2][i - 1] + c);
        }
      }
      d[j][i] = best;
    }
  }
  return d[m][n];
}

TEST(TypoCost, RowsGiveTheDistanceOfTheWholeTable) {
  std::mt19937 rng(13);
  for (int round = 0; round < 3000; ++round) {
    const Word typed = RandomWord(rng, 1, 9);
    const Word cand = RandomWord(rng, 1, 9);
    const typo_cost::TypedWord word(typed.data(), typed.size());
    ASSERT_EQ(word.Distance(cand.data(), cand.size()), PlainDistance(typed, cand)) << round;
  }
}

TEST(TypoCost, LettersLeftOutOfTheSetsNeverComeWithinTheBound) {
  using typo_cost::TypedWord;
  std::mt19937 rng(17);
  for (int round = 0; round < 4000; ++round) {
    const Word typed = RandomWord(rng, 1, 8);
    const Word prefix = RandomWord(rng, 1, 6);
    const int bound = 6 + int(rng() % 15);
    const size_t n = typed.size(), depth = prefix.size();
    const TypedWord word(typed.data(), n);
    std::vector<std::vector<int>> rows(depth + 3, std::vector<int>(n + 1));
    std::vector<int> least(depth + 3);
    least[0] = word.FirstRow(rows[0].data());
    Word cand = prefix;
    cand.resize(depth + 2);
    for (size_t j = 1; j <= depth; ++j) {
      least[j] = word.NextRow(cand.data(), j, rows[j >= 2 ? j - 2 : 0].data(), rows[j - 1].data(),
                              rows[j].data());
    }
    const int* up2 = rows[depth >= 1 ? depth - 1 : 0].data();
    const uint64_t within =
        word.LettersWithin(cand.data(), depth + 1, up2, rows[depth].data(), least[depth], bound);
    const uint64_t back = word.LettersReachingBack(rows[depth].data(), bound);
    for (const uint8_t v : kLetters) {
      cand[depth] = v;
      const int row_least =
          word.NextRow(cand.data(), depth + 1, up2, rows[depth].data(), rows[depth + 1].data());
      const uint64_t bit = uint64_t(1) << (v - kFirstSmall);
      if ((within & bit) == 0) {
        EXPECT_GT(row_least, bound) << round << " letter " << int(v);
      }
      if (row_least <= bound || (back & bit) != 0) continue;
      // The row of v is all above the bound and v reaches back over
      // nothing: so is the row of every letter after it.
      for (const uint8_t w : kLetters) {
        cand[depth + 1] = w;
        EXPECT_GT(word.NextRow(cand.data(), depth + 2, rows[depth].data(), rows[depth + 1].data(),
                               rows[depth + 2].data()),
                  bound)
            << round << " letters " << int(v) << " " << int(w);
      }
    }
  }
}

// Typed "on" for "ą" far into a wrong candidate: only the two-letter rule
// brings "ą" within the bound, so the set must hold it.
TEST(TypoCost, TwoTypedLettersForOneKeepTheirLetterInTheSet) {
  const Word typed = {111, 109};  // o n
  Word cand = {117, 115, 93};     // ś r ą
  const typo_cost::TypedWord word(typed.data(), typed.size());
  std::vector<std::vector<int>> rows(4, std::vector<int>(3));
  std::vector<int> least(4);
  least[0] = word.FirstRow(rows[0].data());
  for (size_t j = 1; j <= 3; ++j) {
    least[j] = word.NextRow(cand.data(), j, rows[j >= 2 ? j - 2 : 0].data(), rows[j - 1].data(),
                            rows[j].data());
  }
  const int bound = least[3];
  const uint64_t within =
      word.LettersWithin(cand.data(), 3, rows[1].data(), rows[2].data(), least[2], bound);
  EXPECT_GT(least[2] + typo_cost::kMissing, bound);
  EXPECT_NE(within & (uint64_t(1) << (93 - kFirstSmall)), 0u);
}

}  // namespace

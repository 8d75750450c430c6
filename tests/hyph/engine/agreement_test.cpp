// hyph_word with the shipped PLHYPH.DAT against libhyphen on the same
// patterns (minimum fragments 2 and 2), on lower-case Polish words with no
// exception lists. The one designed difference: words beginning "wszcz"
// never break before their fifth letter. Every other difference is a fault
// of the compiler or the walk.
#include <gtest/gtest.h>
#include <hyphen.h>

#include <cstring>
#include <vector>

#include "tests/hyph/engine/hyph_test_util.h"
#include "tests/hyph/engine/wordlist.h"

namespace {

constexpr const char* kPatterns = "/usr/share/hyphen/hyph_pl_PL.dic";

struct Counts {
  size_t words = 0, differ = 0, differ_wszcz = 0;
  std::vector<std::string> unexplained;
};

Counts Compare(size_t step) {
  Counts counts;
  HyphenDict* dict = hnj_hyphen_load(kPatterns);
  EngineCloser e;
  if (!dict || hyph_open(WIRSEL_PLHYPH_DAT, &e.engine) != kHyphOk) {
    ADD_FAILURE() << "cannot load the patterns or PLHYPH.DAT";
    return counts;
  }
  char ours[600];
  std::vector<char> hyphens;
  for (const PolishWord& w : LoadPolishWords(step)) {
    ++counts.words;
    hyph_word(e.engine, w.cp1250.c_str(), ours, sizeof ours, false);
    const int n = int(w.iso.size());
    hyphens.assign(size_t(n) + 5, 0);
    char** rep = nullptr;
    int* pos = nullptr;
    int* cut = nullptr;
    hnj_hyphen_hyphenate2(dict, w.iso.c_str(), n, hyphens.data(), nullptr, &rep, &pos, &cut);
    std::string theirs(size_t(n), '0');
    for (int k = 0; k + 1 < n; ++k) theirs[size_t(k)] = (hyphens[size_t(k)] & 1) ? '1' : '0';
    // libhyphen applies the minimum fragments only through hyphenate3; 2/2 here.
    for (int k = 0; k < n; ++k) {
      if (k + 1 < 2 || k + 1 > n - 2) theirs[size_t(k)] = '0';
    }
    if (BreaksOf(ours) == theirs) continue;
    ++counts.differ;
    if (w.iso.rfind("wszcz", 0) == 0) ++counts.differ_wszcz;
    else if (counts.unexplained.size() < 20) counts.unexplained.push_back(Utf8(ours));
  }
  hnj_hyphen_free(dict);
  return counts;
}

void Report(const Counts& c) {
  std::printf("%zu words, %zu differ, all of them beginning \"wszcz\": %s (%zu)\n", c.words,
              c.differ, c.differ == c.differ_wszcz ? "yes" : "no", c.differ_wszcz);
  EXPECT_GT(c.words, 0u);
  EXPECT_EQ(c.differ, c.differ_wszcz) << "first unexplained: "
                                      << (c.unexplained.empty() ? "" : c.unexplained[0]);
}

TEST(Agreement, SampleOfTheVocabulary) { Report(Compare(97)); }

TEST(Agreement, WholeVocabulary) { Report(Compare(1)); }

}  // namespace

// The compiled son.dic against libhunspell with the same hunspell-pl data:
// every representable form hunspell accepts is accepted with the case
// variants the engine allows; and single edits of real forms that hunspell
// rejects are rejected. How often the suggestions hold the intended word,
// next to hunspell's, is measured by bench/spell/rank_bench.cpp. Label "slow".
#include <gtest/gtest.h>

#include <cstdio>
#include <hunspell/hunspell.hxx>
#include <random>
#include <unordered_set>

#include "spell/engine/letters.h"
#include "base/charset.h"
#include "spell/engine/spell.h"
#include "tests/spell/engine/spell_test_util.h"
#include "tools/mkdict/hunspell_affix.h"

namespace {

constexpr char kAff[] = "/usr/share/hunspell/pl_PL.aff";
constexpr char kDic[] = "/usr/share/hunspell/pl_PL.dic";

// Windows-1250 and ISO-8859-2 differ in six Polish letters; hunspell-pl
// speaks ISO-8859-2.
std::string ToIso2(std::string s) {
  static const CharsetConverter win_to_iso(kCharsetWin, kCharsetIso);
  win_to_iso.ConvertString(s.data());
  return s;
}
std::string Upper(std::string s, size_t count) {
  for (size_t i = 0; i < s.size() && i < count; ++i) {
    uint8_t code = LetterCode(uint8_t(s[i]));
    if (code) s[i] = char(LetterChar(ToCapitalCode(code)));
  }
  return s;
}

bool Representable(const std::string& w) {
  for (char c : w) {
    if (!LetterCode(uint8_t(c))) return false;
  }
  return !w.empty() && spell_case_class(w.c_str()) != CaseClass::kMixed;
}

class SpellCoverage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    hunspell_ = new Hunspell(kAff, kDic);
    HunspellAffixes affixes;
    std::vector<DictionaryEntry> entries;
    std::string error;
    ASSERT_TRUE(affixes.LoadAffixFile(kAff, &error)) << error;
    ASSERT_TRUE(affixes.LoadDictionary(kDic, &entries, &error)) << error;
    std::vector<WordForm> forms;
    std::unordered_set<std::string> seen;
    for (const DictionaryEntry& e : entries) {
      forms.clear();
      affixes.Expand(e, &forms);
      for (WordForm& f : forms) {
        if (seen.insert(f.text).second) forms_->push_back(std::move(f.text));
      }
    }
  }
  static void TearDownTestSuite() {
    delete hunspell_;
    forms_->clear();
  }
  void SetUp() override { ASSERT_EQ(spell_open(WIRSEL_SON_DIC), 0) << WIRSEL_SON_DIC; }
  void TearDown() override { spell_close(); }
  static bool Hun(const std::string& cp1250) { return hunspell_->spell(ToIso2(cp1250)); }

  static Hunspell* hunspell_;
  static std::vector<std::string>* forms_;
};
Hunspell* SpellCoverage::hunspell_ = nullptr;
std::vector<std::string>* SpellCoverage::forms_ = new std::vector<std::string>;

TEST_F(SpellCoverage, EveryFormHunspellAcceptsIsAcceptedWithItsCaseVariants) {
  size_t checked = 0, missed = 0, mixed = 0, mixed_missed = 0;
  std::string first_miss;
  for (const std::string& form : *forms_) {
    if (!Hun(form)) continue;
    if (!Representable(form)) {
      ++mixed;
      mixed_missed += spell_check_word(form.c_str()) ? 0 : 1;
      continue;
    }
    std::vector<std::string> variants{form};
    const CaseClass cls = spell_case_class(form.c_str());
    if (cls == CaseClass::kAllSmall) variants.push_back(Upper(form, 1));
    if (cls != CaseClass::kAllCapitals) variants.push_back(Upper(form, form.size()));
    for (const std::string& v : variants) {
      ++checked;
      if (!spell_check_word(v.c_str())) {
        ++missed;
        if (first_miss.empty()) first_miss = spelltest::Utf8(v);
      }
    }
  }
  std::printf(
      "coverage: %zu forms and case variants accepted by hunspell, %zu not accepted here "
      "(%.4f%%)\n",
      checked, missed, checked ? 100.0 * double(checked - missed) / double(checked) : 0.0);
  std::printf(
      "coverage: %zu mixed-case forms accepted by hunspell, %zu of them rejected here as written\n",
      mixed, mixed_missed);
  EXPECT_EQ(missed, 0u) << "first: " << first_miss;
}

TEST_F(SpellCoverage, SingleEditsThatHunspellRejectsAreRejected) {
  std::mt19937 random(2026);
  static const std::string kLetters =
      "a\xb9"
      "bc\xe6"
      "de\xea"
      "fghijkl\xb3mn\xf1o\xf3pqrs\x9ctuvwxyz\x9f\xbf";
  size_t probes = 0, accepted = 0;
  std::string first;
  while (probes < 500000) {
    std::string w = (*forms_)[random() % forms_->size()];
    if (w.size() < 2) continue;
    const size_t i = random() % w.size();
    switch (random() % 4) {
      case 0:
        w.erase(i, 1);
        break;
      case 1:
        w[i] = kLetters[random() % kLetters.size()];
        break;
      case 2:
        w.insert(w.begin() + long(i), kLetters[random() % kLetters.size()]);
        break;
      default:
        if (i + 1 < w.size()) std::swap(w[i], w[i + 1]);
        break;
    }
    if (!Representable(w) || Hun(w)) continue;
    ++probes;
    if (spell_check_word(w.c_str())) {
      ++accepted;
      if (first.empty()) first = spelltest::Utf8(w);
    }
  }
  std::printf("false acceptance: %zu of %zu single-edit non-words that hunspell rejects\n",
              accepted, probes);
  EXPECT_EQ(accepted, 0u) << "first: " << first;
}

}  // namespace

// Damaged son.dic files: every truncation of a small dictionary and thousands
// of random byte changes (fixed seed) either fail to open with a code or give
// answers, never a read outside a buffer (run under ASan by `make test`).
#include <gtest/gtest.h>

#include <random>

#include "spell/engine/spell.h"
#include "tests/spell/engine/spell_test_util.h"

namespace {

const char* const kProbes[] = {"kot",           "kota",     "kotami",   "niekota", "kotary",
                               "bez",           "Warszawa", "WARSZAWY", "NATO",    "AUTOCAD",
                               "\xbf\xf3\xb3w", "kox",      "ab-ba",    ""};

std::vector<uint8_t> GoldenBytes() {
  return spelltest::ReadBytes(spelltest::FixturePath("golden/tiny.son"));
}

void Exercise(const std::string& path) {
  if (spell_open(path.c_str()) != 0) return;
  for (const char* word : kProbes) {
    spell_check_word(word);
    spell_check_word_ex(word, 1);
  }
  spell_free_suggestions(spell_suggest("kotb"));
  spell_close();
}

TEST(SpellDamage, EveryTruncationOpensOrFailsCleanly) {
  const std::vector<uint8_t> whole = GoldenBytes();
  ASSERT_FALSE(whole.empty());
  const std::string path = spelltest::TempFolder("truncated") + "/son.dic";
  int opened = 0;
  for (size_t length = 0; length < whole.size(); length += length < 512 ? 1 : 5) {
    spelltest::WriteBytes(path, std::vector<uint8_t>(whole.begin(), whole.begin() + long(length)));
    const int result = spell_open(path.c_str());
    if (result == 0) ++opened;
    spell_close();
    Exercise(path);
  }
  // Cutting into the trees or the ending tree makes the table point past the
  // end; only cuts inside the last stem blocks still open.
  EXPECT_LT(opened, int(whole.size()) / 20);
}

TEST(SpellDamage, RandomByteChangesNeverCrash) {
  const std::vector<uint8_t> whole = GoldenBytes();
  ASSERT_FALSE(whole.empty());
  const std::string path = spelltest::TempFolder("mutated") + "/son.dic";
  std::mt19937 random(13);
  for (int round = 0; round < 1500; ++round) {
    std::vector<uint8_t> bytes = whole;
    const int changes = 1 + int(random() % 8);
    for (int i = 0; i < changes; ++i) {
      const uint32_t value = random();
      bytes[random() % bytes.size()] = uint8_t(value % 3 == 0   ? 0xFF
                                               : value % 3 == 1 ? 0
                                                                : value >> 8);
    }
    spelltest::WriteBytes(path, bytes);
    Exercise(path);
  }
}

}  // namespace

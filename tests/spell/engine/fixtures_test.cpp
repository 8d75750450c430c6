// One test per fixture in tests/spell/engine/data: NAME.aff + NAME.dic compiled by
// mkdict (options in NAME.args); every word of NAME.good must be accepted and
// every word of NAME.bad rejected (a word written with a final "." is checked
// as followed by a full stop); NAME.sugg lists "word: suggestions..." of the
// alphabetical list in the exact order expected, "-" for none, and NAME.ranked
// the same of the ranked list.
#include <gtest/gtest.h>

#include <filesystem>

#include "spell/engine/spell.h"
#include "tests/spell/engine/spell_test_util.h"

namespace {

using spelltest::Cp1250;
using spelltest::FixturePath;
using spelltest::ReadLines;
using spelltest::Utf8;

std::vector<std::string> FixtureNames() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(WIRSEL_SPELL_FIXTURES)) {
    if (entry.path().extension() == ".dic") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

int Check(const std::string& utf8) {
  bool full_stop = !utf8.empty() && utf8.back() == '.';
  std::string word = Cp1250(full_stop ? utf8.substr(0, utf8.size() - 1) : utf8);
  return spell_check_word_ex(word.c_str(), full_stop ? 1 : 0);
}

std::string Suggestions(const std::string& utf8) {
  SpellSuggestion* list = spell_suggest(Cp1250(utf8).c_str());
  std::string out;
  for (SpellSuggestion* s = list; s; s = s->next) out += (out.empty() ? "" : " ") + Utf8(s->word);
  spell_free_suggestions(list);
  return out.empty() ? "-" : out;
}

std::string Ranked(const std::string& utf8) {
  std::vector<std::string> list;
  spell_dict_suggest(spell_default_dict(), Cp1250(utf8).c_str(), SuggestOrder::kRanked, &list);
  std::string out;
  for (const std::string& s : list) out += (out.empty() ? "" : " ") + Utf8(s);
  return out.empty() ? "-" : out;
}

// Each "word: expected" line of `file` against suggest(word).
void ExpectLists(const std::string& file, std::string (*suggest)(const std::string&)) {
  for (const std::string& line : ReadLines(FixturePath(file))) {
    size_t colon = line.find(':');
    ASSERT_NE(colon, std::string::npos) << line;
    EXPECT_EQ(suggest(line.substr(0, colon)), line.substr(colon + 2)) << file << ": " << line;
  }
}

class SpellFixture : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    std::string log;
    path_ = spelltest::CompileFixture(GetParam(), spelltest::TempFolder("fixture"), &log);
    ASSERT_FALSE(path_.empty()) << log;
    ASSERT_EQ(spell_open(path_.c_str()), 0) << spell_open_detail();
  }
  void TearDown() override { spell_close(); }
  std::string path_;
};

TEST_P(SpellFixture, AcceptsGoodRejectsBadSuggestsExpected) {
  for (const std::string& word : ReadLines(FixturePath(GetParam() + ".good"))) {
    EXPECT_EQ(Check(word), 1) << word;
  }
  for (const std::string& word : ReadLines(FixturePath(GetParam() + ".bad"))) {
    EXPECT_EQ(Check(word), 0) << word;
  }
  ExpectLists(GetParam() + ".sugg", Suggestions);
  ExpectLists(GetParam() + ".ranked", Ranked);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, SpellFixture, ::testing::ValuesIn(FixtureNames()),
                         [](const auto& info) { return info.param; });

}  // namespace

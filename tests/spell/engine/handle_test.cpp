// Dictionary handles: two open at once answer each from its own son.dic and
// user dictionaries, the default handle is one of them, and one handle
// answers several threads at once exactly as it answers one.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "container/block.h"
#include "spell/engine/spell.h"
#include "spell/engine/user_dict.h"
#include "tests/spell/engine/spell_test_util.h"

namespace {

using spelltest::Cp1250;

bool HaveShippedDictionary() { return std::filesystem::exists(WIRSEL_SON_DIC); }

class Handles : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = spelltest::TempFolder("handles");
    std::string log;
    fixture_path_ = spelltest::CompileFixture("suggestions", folder_, &log);
    ASSERT_FALSE(fixture_path_.empty()) << log;
  }
  void TearDown() override {
    spell_dict_close(&small_);
    spell_dict_close(&shipped_);
    spell_close();
  }
  int Check(const SpellDict* dict, const std::string& utf8) {
    return spell_dict_check(dict, Cp1250(utf8).c_str(), 0);
  }
  std::vector<std::string> Suggest(const SpellDict* dict, const std::string& utf8,
                                   SuggestOrder order = SuggestOrder::kAlphabetical) {
    std::vector<std::string> out{"left over"};
    spell_dict_suggest(dict, Cp1250(utf8).c_str(), order, &out);
    for (std::string& s : out) s = spelltest::Utf8(s);
    return out;
  }
  std::string folder_, fixture_path_;
  SpellDict* small_ = nullptr;
  SpellDict* shipped_ = nullptr;
};

TEST_F(Handles, TwoDictionariesOpenAtOnceAnswerIndependently) {
  if (!HaveShippedDictionary()) GTEST_SKIP() << "son.dic is not built";
  int detail = -1;
  ASSERT_EQ(spell_dict_open(WIRSEL_SON_DIC, &shipped_, &detail), 0) << detail;
  ASSERT_EQ(spell_dict_open(fixture_path_.c_str(), &small_, &detail), 0) << detail;
  EXPECT_EQ(detail, 0);

  EXPECT_EQ(Check(shipped_, "pies"), 1);
  EXPECT_EQ(Check(small_, "pies"), 0);
  EXPECT_EQ(Check(small_, "kot"), 1);
  EXPECT_EQ(Check(shipped_, "zołty"), 0);
  EXPECT_EQ(Suggest(small_, "kit"), (std::vector<std::string>{"kat", "kot"}));
  EXPECT_GT(Suggest(shipped_, "kit").size(), 2u) << "the shipped dictionary knows more words";

  // A user dictionary attached to one handle is consulted by that one only,
  // and no longer once detached.
  const std::string user_path = folder_ + "/user.dic";
  ASSERT_EQ(userdict_create(user_path.c_str()), 0);
  UserDict* user = nullptr;
  ASSERT_EQ(userdict_open(user_path.c_str(), &user), 0);
  userdict_add_word(user, "Wirsel");
  spell_dict_attach_user(small_, user);
  EXPECT_EQ(Check(small_, "Wirsel"), 1);
  EXPECT_EQ(Check(shipped_, "Wirsel"), 0);
  EXPECT_TRUE(spell_dict_detach_user(small_, user));
  EXPECT_FALSE(spell_dict_detach_user(small_, user));
  EXPECT_EQ(Check(small_, "Wirsel"), 0);
  userdict_close(&user);

  // Closing one leaves the other whole; the default handle is a third.
  spell_dict_close(&small_);
  EXPECT_EQ(small_, nullptr);
  EXPECT_EQ(Check(shipped_, "pies"), 1);
  ASSERT_EQ(spell_open(fixture_path_.c_str()), 0);
  EXPECT_EQ(spell_check_word("kot"), 1);
  EXPECT_EQ(spell_check_word("pies"), 0);
  EXPECT_EQ(Check(shipped_, "pies"), 1);
}

TEST_F(Handles, FailedOpenGivesNoHandleAndTheReason) {
  int detail = 0;
  SpellDict* dict = reinterpret_cast<SpellDict*>(this);
  EXPECT_NE(spell_dict_open((folder_ + "/missing.dic").c_str(), &dict, &detail), 0);
  EXPECT_EQ(dict, nullptr);
  EXPECT_NE(detail, 0);
  spell_dict_close(&dict);  // a null handle is accepted
}

// Words of every source: trees, the stem store, capitals, non-words.
std::vector<std::string> StressWords() {
  std::vector<std::string> words;
  for (const char* w : {"pies", "psa", "psom", "piesek", "Kraków", "KRAKÓW", "kraków", "zółw",
                        "żółw", "naprawdę", "naprawde", "konstantynopolitańczykowianeczka",
                        "przebiegłość", "przebiegłośc", "Warszawa", "warszawa", "xyzzy",
                        "gżegżółka", "rzeczywistość", "żeczywistość", "chrząszcz", "hrząszcz",
                        "najpiękniejszymi", "najpienkniejszymi", "ABC", "zamek", "zamkami"}) {
    words.push_back(Cp1250(w));
  }
  return words;
}

TEST_F(Handles, SeveralThreadsCheckAndSuggestOnOneHandle) {
  if (!HaveShippedDictionary()) GTEST_SKIP() << "son.dic is not built";
  ASSERT_EQ(spell_dict_open(WIRSEL_SON_DIC, &shipped_, nullptr), 0);
  const std::vector<std::string> words = StressWords();
  std::vector<int> expected;
  std::vector<std::vector<std::string>> expected_suggestions;
  for (const std::string& w : words) {
    expected.push_back(spell_dict_check(shipped_, w.c_str(), 0));
    std::vector<std::string> s;
    spell_dict_suggest(shipped_, w.c_str(), SuggestOrder::kRanked, &s);
    expected_suggestions.push_back(s);
  }
  std::atomic<int> wrong{0};
  std::atomic<bool> stop{false};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      std::vector<std::string> s;
      for (int round = 0; round < 40; ++round) {
        for (size_t i = 0; i < words.size(); ++i) {
          const size_t k = (i + size_t(t) * 7) % words.size();
          if (spell_dict_check(shipped_, words[k].c_str(), 0) != expected[k]) ++wrong;
          if (round % 20 == 0) {
            spell_dict_suggest(shipped_, words[k].c_str(), SuggestOrder::kRanked, &s);
            if (s != expected_suggestions[k]) ++wrong;
          }
        }
      }
    });
  }
  // The system may drop cached stem blocks at any time; answers stay the same.
  std::thread dropper([&] {
    while (!stop) {
      eng_block_discard_all();
      std::this_thread::yield();
    }
  });
  for (std::thread& t : threads) t.join();
  stop = true;
  dropper.join();
  EXPECT_EQ(wrong, 0);
}

}  // namespace

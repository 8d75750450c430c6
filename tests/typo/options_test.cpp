// Typography options: defaults, loading and saving in "1Typografia", and the
// word-list text operations with their limits.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/profile.h"
#include "tests/typo/memory_story.h"
#include "typo/typo_options.h"
#include "typo/typo_rules.h"

namespace {

std::string Unpadded(const WordList& list) {
  char text[kWordListSize];
  UnpaddedWordList(list, text, sizeof text);
  return text;
}

WordList ListOf(const char* text) {
  WordList list;
  PadWordList(list, text);
  return list;
}

class TypoSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = std::filesystem::temp_directory_path() /
            ("typo_options_" + std::to_string(::getpid()) + ".ini");
    std::filesystem::remove(path_);
    ASSERT_TRUE(SetProfileTarget(path_.c_str(), "other"));
  }
  void TearDown() override { std::filesystem::remove(path_); }

  void Store(const std::string& body) {
    std::ofstream(path_, std::ios::binary) << "[1Typografia]\n" << body;
  }
  std::string Stored() {
    std::ifstream in(path_, std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(in), {});
    std::erase(text, '\r');
    return text;
  }

  std::filesystem::path path_;
};

TEST(TypoWordLists, DefaultsArePaddedWithTheirLongestWords) {
  const TypographyOptions o = DefaultTypographyOptions();
  EXPECT_EQ(o.lists[kListAfterWords].longest, 5);
  EXPECT_EQ(o.lists[kListAfterDigits].longest, 2);
  EXPECT_EQ(o.lists[kListBeforeWords].longest, 4);
  EXPECT_EQ(o.lists[kListExceptions].longest, 5);
  EXPECT_STREQ(o.lists[kListBeforeWords].padded, " Sp. o.o. S.A. SA ");
  EXPECT_EQ(Unpadded(o.lists[kListExceptions]), "S.A. o.o. m.in.");
}

TEST(TypoWordLists, ContainsMatchesWholeEntriesOnly) {
  const WordList list = ListOf("kg km zł");
  EXPECT_TRUE(WordListContains(list, "kg"));
  EXPECT_FALSE(WordListContains(list, "k"));
  EXPECT_FALSE(WordListContains(list, "kg km"));
  EXPECT_FALSE(WordListContains(list, ""));
  EXPECT_FALSE(WordListContains(list, std::string(300, 'k').c_str()));
}

TEST(TypoWordLists, AddRemoveChange) {
  WordList list = ListOf("a bb");
  EXPECT_TRUE(WordListAdd(list, "ccc"));
  EXPECT_STREQ(list.padded, " a bb ccc ");
  EXPECT_EQ(list.longest, 3);
  EXPECT_FALSE(WordListAdd(list, ""));
  EXPECT_FALSE(WordListAdd(list, "d e"));
  EXPECT_FALSE(WordListAdd(list, "d\te"));
  EXPECT_TRUE(WordListRemove(list, "bb"));
  EXPECT_STREQ(list.padded, " a ccc ");
  EXPECT_FALSE(WordListRemove(list, "c"));
  EXPECT_TRUE(WordListChange(list, "a", "dd"));
  EXPECT_STREQ(list.padded, " ccc dd ");
  EXPECT_TRUE(WordListRemove(list, "ccc"));
  EXPECT_TRUE(WordListRemove(list, "dd"));
  EXPECT_STREQ(list.padded, " ");
  EXPECT_EQ(Unpadded(list), "");
}

TEST(TypoWordLists, AddingPastTheLimitLeavesTheListUnchanged) {
  WordList list = ListOf((std::string(248, 'x') + " y").c_str());  // 252 padded
  ASSERT_EQ(std::strlen(list.padded), 252u);
  EXPECT_TRUE(WordListAdd(list, "zz"));  // 255
  EXPECT_FALSE(WordListAdd(list, "q"));
  EXPECT_EQ(std::strlen(list.padded), 255u);
}

TEST(TypoWordLists, ChangeThatDoesNotFitKeepsTheOldWord) {
  WordList list = ListOf((std::string(248, 'x') + " y").c_str());
  EXPECT_FALSE(WordListChange(list, "y", "abcde"));
  EXPECT_TRUE(WordListContains(list, "y"));
  EXPECT_TRUE(WordListChange(list, "y", "abcd"));
  EXPECT_FALSE(WordListContains(list, "y"));
  EXPECT_TRUE(WordListContains(list, "abcd"));
  EXPECT_EQ(std::strlen(list.padded), kWordListMax);
}

TEST(TypoWordLists, OverlongTextKeepsWholeWordsOnly) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "Przed ";
  const WordList list = ListOf(text.c_str());
  EXPECT_LE(std::strlen(list.padded), kWordListMax);
  char unpadded[kWordListSize];
  UnpaddedWordList(list, unpadded, sizeof unpadded);
  EXPECT_LE(std::strlen(unpadded), kWordListTextMax);
  ForEachListWord(list, [](const char* w) { EXPECT_STREQ(w, "Przed"); });
  EXPECT_EQ(LongestListWord(list.padded), 5);
}

TEST(TypoWordLists, BlanksAndTabsAreNormalised) {
  EXPECT_STREQ(ListOf("  a\t\tb   c ").padded, " a b c ");
  EXPECT_STREQ(ListOf("").padded, " ");
  EXPECT_EQ(ListOf("").longest, 0);
}

TEST(TypoCharLists, BlanksAndTabsAreRemovedWithinTheBound) {
  char out[kDeleteListSize];
  CleanCharList(" . ,\t;", out, sizeof out);
  EXPECT_STREQ(out, ".,;");
  CleanCharList(std::string(500, 'x').c_str(), out, sizeof out);
  EXPECT_EQ(std::strlen(out), kDeleteListSize - 1);
}

TEST_F(TypoSettings, MissingFileGivesTheDefaults) {
  gTypoOptions = TypographyOptions{};
  std::strcpy(gTypoOptions.insert_after_chars, "garbage");
  LoadTypographyOptions();
  const TypographyOptions d = DefaultTypographyOptions();
  EXPECT_EQ(std::memcmp(&gTypoOptions, &d, sizeof d), 0);
}

TEST_F(TypoSettings, StoredValuesAreCleanedAndBounded) {
  std::string big;
  for (int i = 0; i < 2000; ++i) big += "slowo ";
  Store(
      "2Cudzyslow=abc\n3Cytat=2\n11Znaki= . ,\t; \n18nbspAfterWords=\n"
      "17nbspAfterDigits=" +
      big + "\nBZnaki=" + std::string(10000, 'q') + "\n" +
      "21nbspBeforeWords=" + std::string(10000, 'w') + "\n");
  LoadTypographyOptions();
  const TypographyOptions d = DefaultTypographyOptions();
  EXPECT_EQ(gTypoOptions.quotes, 0);
  EXPECT_EQ(gTypoOptions.nested_style, 2);
  EXPECT_STREQ(gTypoOptions.remove_before_chars, ".,;");
  EXPECT_STREQ(gTypoOptions.lists[kListAfterWords].padded, d.lists[kListAfterWords].padded);
  EXPECT_LE(std::strlen(gTypoOptions.lists[kListAfterDigits].padded), kWordListMax);
  EXPECT_EQ(gTypoOptions.lists[kListAfterDigits].longest, 5);
  EXPECT_EQ(std::strlen(gTypoOptions.deleted_chars), kDeleteListSize - 1);
  // One word longer than a list can hold: the default list instead.
  EXPECT_STREQ(gTypoOptions.lists[kListBeforeWords].padded, d.lists[kListBeforeWords].padded);
  char section[kProfileSectionSize];
  GetProfileTarget(nullptr, 0, section, sizeof section);
  EXPECT_STREQ(section, "1Typografia");
}

TEST_F(TypoSettings, SaveWritesEveryKeyAndReadsBackTheSame) {
  gTypoOptions = DefaultTypographyOptions();
  gTypoOptions.nested_style = 3;
  gTypoOptions.dash_kind = 0;
  std::strcpy(gTypoOptions.deleted_chars, "#");
  WordListAdd(gTypoOptions.lists[kListAfterDigits], "mg");
  ASSERT_EQ(SaveTypographyOptions(), 0);
  const std::string stored = Stored();
  for (const char* key : {"2Cudzyslow=1", "3Cytat=3", "9Pauza=0", "BZnaki=#", "11Znaki=.,;:!?)]}",
                          "26LaczPrzedCyframiRzymskimi=1", "20SinsremSpcExc=S.A. o.o. m.in."}) {
    EXPECT_NE(stored.find(key), std::string::npos) << key;
  }
  EXPECT_NE(stored.find("17nbspAfterDigits=$ cm"), std::string::npos);
  EXPECT_NE(stored.find(" mg\n"), std::string::npos);
  const TypographyOptions saved = gTypoOptions;
  gTypoOptions = TypographyOptions{};
  LoadTypographyOptions();
  EXPECT_EQ(std::memcmp(&gTypoOptions, &saved, sizeof saved), 0);
}

TEST_F(TypoSettings, ListEmptiedAndSavedComesBackAsDefault) {
  gTypoOptions = DefaultTypographyOptions();
  WordList& units = gTypoOptions.lists[kListAfterDigits];
  std::string words[64];
  int count = 0;
  ForEachListWord(units, [&](const char* w) { words[count++] = w; });
  for (int i = 0; i < count; ++i) WordListRemove(units, words[i].c_str());
  ASSERT_STREQ(units.padded, " ");
  ASSERT_EQ(SaveTypographyOptions(), 0);
  EXPECT_NE(Stored().find("17nbspAfterDigits=\n"), std::string::npos);
  LoadTypographyOptions();
  EXPECT_STREQ(units.padded, DefaultTypographyOptions().lists[kListAfterDigits].padded);
}

TEST_F(TypoSettings, RawWindows1250BytesInListsWork) {
  Store("17nbspAfterDigits=z\xB3 kg\n");
  LoadTypographyOptions();
  MemoryStory story("5 zł");
  TypoCharTable table;
  BuildTypoCharTable(table, gTypoOptions);
  RunTypography(story, gTypoOptions, table, true);
  EXPECT_EQ(story.Utf8(), "5~zł");
}

}  // namespace

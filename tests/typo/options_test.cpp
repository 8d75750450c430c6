// Typography options: loading hostile settings and saving in "1Typografia",
// and the word-list text operations at their limits (the list editor's
// everyday use is in the fixtures of tests/data/typo).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/profile.h"
#include "tests/platform/tempdir.h"
#include "typo/typo_options.h"

namespace {

WordList ListOf(const char* text) {
  WordList list;
  PadWordList(list, text);
  return list;
}

class TypoSettings : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SetProfileTarget(path_.c_str(), "other")); }
  void Store(const std::string& body) { testutil::WriteFile(path_, "[1Typografia]\n" + body); }
  std::string Stored() {
    std::string text = testutil::ReadFile(path_);
    std::erase(text, '\r');
    return text;
  }

  testutil::TempDir dir_;
  std::string path_ = dir_ / "Wirsel13.ini";
};

TEST(TypoWordLists, EntriesAreWholeWordsWithinTheLimit) {
  WordList list = ListOf("kg km zł");
  EXPECT_TRUE(WordListContains(list, "kg"));
  for (const std::string& no : {std::string("k"), std::string("kg km"), std::string(),
                                std::string(300, 'k')}) {
    EXPECT_FALSE(WordListContains(list, no.c_str())) << no;
  }
  for (const char* blank : {"", "d e", "d\te"}) EXPECT_FALSE(WordListAdd(list, blank)) << blank;
  list = ListOf((std::string(248, 'x') + " y").c_str());  // 252 padded
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

}  // namespace

// Word characters, word flags, the story word walk and case patterns on
// Windows-1250 text.
#include "base/words.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// "Łódź", "ŻÓŁW", "źdźbło" in Windows-1250.
const char kLodz[] = "\xA3\xF3" "d\x9F";
const char kZolw[] = "\xAF\xD3\xA3W";
const char kZdzblo[] = "\x9F" "d\x9F" "b\xB3o";

struct FlagCase {
  const char* word;
  uint16_t flags;
};

TEST(WordFlags, FollowTheLetterRules) {
  const FlagCase cases[] = {
      {"kot", kWordNoCapital},
      {"Kot", kWordCapitalised},
      {"A", kWordCapitalised},  // one capital letter is not "all capitals"
      {"NATO", kWordAllCapitals},
      {"AutoCAD", kWordCapitalised | kWordMixed},
      {"eBay", kWordMixed},
      {"McDonald", kWordCapitalised | kWordMixed},
      {"e-mail", kWordNoCapital | kWordOther},
      {"kot2", kWordNoCapital | kWordDigit},
      {"PL2", kWordAllCapitals | kWordDigit},
      {kLodz, kWordCapitalised},
      {kZolw, kWordAllCapitals},
      {kZdzblo, kWordNoCapital},
  };
  for (const FlagCase& c : cases) EXPECT_EQ(WordFlags(c.word), c.flags) << c.word;
}

TEST(WordChars, HostCharactersOutsideTheTableEndWords) {
  EXPECT_TRUE(IsLetterChar('a'));
  EXPECT_TRUE(IsLetterChar(0xB9));  // ą
  EXPECT_TRUE(IsLetterChar(0xA5));  // Ą
  EXPECT_FALSE(IsLetterChar(0x0441));  // Cyrillic es, whose low byte is 'A'
  EXPECT_FALSE(IsWordChar(0x0441));
  EXPECT_FALSE(IsWordChar(0x0130));
  EXPECT_FALSE(IsLetterChar('7'));
  EXPECT_TRUE(IsWordChar('7'));
  EXPECT_TRUE(IsWordChar('-'));
  for (uint16_t silent : {31, 214, 215}) {
    EXPECT_TRUE(IsWordChar(silent));
    EXPECT_TRUE(IsSilentWordChar(silent));
  }
  EXPECT_FALSE(IsWordChar('.'));
  EXPECT_FALSE(IsWordChar(' '));
}

// The walk over story characters as the spell-check commands read them.
std::vector<TakenWord> Walk(const std::vector<uint16_t>& story) {
  std::vector<TakenWord> words;
  int32_t position = 0;
  const int32_t end = static_cast<int32_t>(story.size());
  auto read = [&](int32_t p) { return story[static_cast<size_t>(p)]; };
  auto step = [](int32_t p) { return p + 1; };
  for (TakenWord word; TakeWord(read, step, position, end, word);) words.push_back(word);
  return words;
}

std::vector<uint16_t> Story(const char* text) {
  std::vector<uint16_t> story;
  for (const char* p = text; *p; ++p) story.push_back(static_cast<uint8_t>(*p));
  return story;
}

TEST(StoryWalk, WordsStartAtALetterAndRunOverDigitsAndHyphens) {
  const std::vector<TakenWord> words = Walk(Story("12 3D, bia\xB3o-czerwony; pies23. --"));
  ASSERT_EQ(words.size(), 3u);
  EXPECT_EQ(words[0].text, "D");
  EXPECT_EQ(words[0].start, 4);
  EXPECT_EQ(words[1].text, "bia\xB3o-czerwony");
  EXPECT_EQ(words[1].flags, kWordNoCapital | kWordOther);
  EXPECT_EQ(words[2].text, "pies23");
  EXPECT_EQ(words[2].end, 29);
}

TEST(StoryWalk, SilentCharactersStayInTheRangeButOutOfTheText) {
  const std::vector<TakenWord> words = Walk({'d', 'o', 31, 'm', 'u', ' ', 'k', 214, 'o', 215, 't'});
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[0].text, "domu");
  EXPECT_EQ(words[0].end, 5);
  EXPECT_EQ(words[1].text, "kot");
  EXPECT_EQ(words[1].end, 11);
}

TEST(StoryWalk, ARunLongerThanTheWalkerKeepsIsOneWordMarkedTooLong) {
  std::vector<uint16_t> story(kWalkerWordMax + 5, 'a');
  story.push_back(' ');
  story.push_back('k');
  const std::vector<TakenWord> words = Walk(story);
  ASSERT_EQ(words.size(), 2u);
  EXPECT_TRUE(words[0].too_long);
  EXPECT_EQ(words[0].text.size(), kWalkerWordMax);
  EXPECT_EQ(words[0].end, static_cast<int32_t>(kWalkerWordMax + 5));
  EXPECT_FALSE(words[1].too_long);
}

TEST(CasePattern, AllCapitalsFirstCapitalOrAsTyped) {
  EXPECT_EQ(ApplyCasePattern("kot", kWordAllCapitals), "KOT");
  EXPECT_EQ(ApplyCasePattern("kot", kWordCapitalised), "Kot");
  EXPECT_EQ(ApplyCasePattern("NATO", kWordNoCapital), "NATO");
  EXPECT_EQ(ApplyCasePattern("Warszawa", kWordNoCapital), "Warszawa");
  EXPECT_EQ(ApplyCasePattern(kZdzblo, kWordAllCapitals), "\x8F" "D\x8F" "B\xA3O");
  EXPECT_EQ(ApplyCasePattern("", kWordCapitalised), "");
}

TEST(CasePattern, SmallLettersCoverPolishCapitals) {
  EXPECT_EQ(SmallLetters(kZolw), "\xBF\xF3\xB3w");
  EXPECT_EQ(SmallLetters("NATO-2"), "nato-2");
}

}  // namespace

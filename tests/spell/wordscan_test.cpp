// Word characters, word flags and case patterns on Windows-1250 text.
#include <gtest/gtest.h>

#include "spell/wordscan.h"

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

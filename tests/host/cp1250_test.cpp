// Windows-1250 <-> UTF-8 for interface texts.
#include <gtest/gtest.h>

#include "host/cp1250.h"

TEST(Cp1250, PolishLettersAndPunctuationBothWays) {
  const std::string win = "Sprawd\x9F w\xB9tek \x84x\x94 \x96 \x97 \xA3\xF3\xBF";
  const std::string utf8 = "Sprawdź wątek „x” – — Łóż";
  EXPECT_EQ(Win1250ToUtf8(win), utf8);
  EXPECT_EQ(Utf8ToWin1250(utf8), win);
}

TEST(Cp1250, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToWin1250(Win1250ToUtf8(all)), all);
}

TEST(Cp1250, UndefinedBytesReadAsTheirOwnCodePoint) {
  EXPECT_EQ(Win1250ToUtf8("\x81"), "\xC2\x81");
  EXPECT_EQ(Win1250ToUtf8("\x98"), "\xC2\x98");
}

TEST(Cp1250, UnmappableAndBrokenInputBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToWin1250("Я€"), "?\x80");
  EXPECT_EQ(Utf8ToWin1250("a\xFF" "b"), "a?b");
  EXPECT_EQ(Utf8ToWin1250("a\xC5"), "a?");          // cut sequence at the end
  EXPECT_EQ(Utf8ToWin1250("\xE2\x80z"), "??z");     // cut sequence inside
  EXPECT_EQ(Utf8ToWin1250("\xF0\x9F\x98\x80!"), "?!");  // outside the BMP
}

// Windows-1250 <-> UTF-8 for interface texts: the table itself is base's
// (tests/base/charset_test.cpp); here every byte both ways and broken input.
#include <gtest/gtest.h>

#include "host/cp1250.h"

TEST(Cp1250, PolishLettersReadAndEveryByteSurvivesARoundTrip) {
  EXPECT_EQ(Win1250ToUtf8("\xB9\x9F\x84\x96"), "ąź„–");
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToWin1250(Win1250ToUtf8(all)), all);
}

TEST(Cp1250, UnmappableAndBrokenInputBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToWin1250("Я€"), "?\x80");
  EXPECT_EQ(Utf8ToWin1250("a\xFF" "b"), "a?b");
  EXPECT_EQ(Utf8ToWin1250("a\xC5"), "a?");          // cut sequence at the end
  EXPECT_EQ(Utf8ToWin1250("\xE2\x80z"), "??z");     // cut sequence inside
  EXPECT_EQ(Utf8ToWin1250("\xF0\x9F\x98\x80!"), "?!");  // outside the BMP
}

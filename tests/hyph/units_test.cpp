// The module's pure parts (case classes, break positions of the host
// callback, host text to engine text) and the host's line composer.
#include <gtest/gtest.h>

#include <map>

#include "host/composer.h"
#include "hyph/hyph_callbacks.h"
#include "hyph/hyph_walk.h"

namespace {

// What the skip options see: all capitals, mixed case, or neither.
TEST(WordCaseClass, TellsAllCapitalsAndMixedCaseWords) {
  for (const char* word : {"NATO", "\xA3\xD3" "D\x8F"}) {  // ŁÓDŹ
    EXPECT_EQ(WordCaseClass(word), kAllCapitals) << word;
    EXPECT_FALSE(IsMixedCaseClass(WordCaseClass(word))) << word;
  }
  for (const char* word : {"XPress", "aB", "iPhone"}) {
    EXPECT_TRUE(IsMixedCaseClass(WordCaseClass(word))) << word;
  }
  for (const char* word : {"Warszawa", "\xA3\xF3" "d\x9F", "kot", "a", "abc123", "123"}) {
    EXPECT_NE(WordCaseClass(word), kAllCapitals) << word;
    EXPECT_FALSE(IsMixedCaseClass(WordCaseClass(word))) << word;
  }
}

TEST(StoryCharClass, WideValuesHaveNoClassAndNoAlias) {
  EXPECT_EQ(StoryCharClass('a'), kCharSmall);
  EXPECT_EQ(StoryCharClass(0xA5), kCharCapital);  // Ą
  EXPECT_EQ(StoryCharClass('7'), kCharDigit);
  EXPECT_EQ(StoryCharClass(0xFC), 0u);  // ü is no letter of the walk
  // U+0161 and U+4E2D would read as 'a' and '-' (or a letter) by their low byte.
  EXPECT_EQ(StoryCharClass(0x0161), 0u);
  EXPECT_EQ(StoryCharClass(0x4E61), 0u);
  EXPECT_EQ(StoryCharClass(0x011F), 0u);
}

TEST(BreakPositions, CountLettersBeforeEachHyphen) {
  uint16_t points[8] = {};
  ASSERT_EQ(BreakPositions("przy-kład", points, 8), 1u);
  EXPECT_EQ(points[0], 4);
  ASSERT_EQ(BreakPositions("dziew-czy-na", points, 8), 2u);
  EXPECT_EQ(points[0], 5);
  EXPECT_EQ(points[1], 8);
  EXPECT_EQ(BreakPositions("kot", points, 8), 0u);
  // More breaks than room: counted, but only the room is written.
  uint16_t two[2] = {};
  EXPECT_EQ(BreakPositions("a-b-c-d", two, 2), 3u);
  EXPECT_EQ(two[1], 2);
}

TEST(HostWordToEngine, HardHyphenBecomesStandInSoBreaksStayCountable) {
  const std::u16string word = u"biało-czerwony";
  char out[32];
  ASSERT_TRUE(HostWordToEngine(reinterpret_cast<const uint16_t*>(word.data()), word.size(), out,
                               sizeof out));
  EXPECT_EQ(out[5], kHardHyphenStandIn);
  EXPECT_EQ(static_cast<uint8_t>(out[3]), 0xB3);  // ł
  // The engine's answer for the stand-in form: every "-" is a break.
  uint16_t points[8] = {};
  std::string hyphenated = "bia-\xB3o-";
  hyphenated += kHardHyphenStandIn;
  hyphenated += "czer-wo-ny";
  ASSERT_EQ(BreakPositions(hyphenated.c_str(), points, 8), 4u);
  EXPECT_EQ(points[0], 3);
  EXPECT_EQ(points[1], 5);
  EXPECT_EQ(points[2], 10);
  EXPECT_EQ(points[3], 12);
}

TEST(HostWordToEngine, SoftHyphenReadsAs31AndForeignCharactersRefuse) {
  const std::u16string soft = u"bia\u00ADło";
  char out[16];
  ASSERT_TRUE(HostWordToEngine(reinterpret_cast<const uint16_t*>(soft.data()), soft.size(), out,
                               sizeof out));
  EXPECT_EQ(out[3], 31);
  const std::u16string chinese = u"ab\u4E2Dcd";
  EXPECT_FALSE(HostWordToEngine(reinterpret_cast<const uint16_t*>(chinese.data()),
                                chinese.size(), out, sizeof out));
  const std::u16string nul = std::u16string(u"ab") + char16_t{0} + u"cd";
  EXPECT_FALSE(
      HostWordToEngine(reinterpret_cast<const uint16_t*>(nul.data()), nul.size(), out, sizeof out));
  const std::u16string longer(16, u'a');
  EXPECT_FALSE(HostWordToEngine(reinterpret_cast<const uint16_t*>(longer.data()), longer.size(),
                                out, sizeof out));
}

// A hyphenation method from a table, counting how often it is asked.
struct TableMethod {
  std::map<std::u16string, std::vector<uint16_t>> points;
  int asked = 0;
  BreakPointSource Source() {
    return [this](std::u16string_view word) {
      ++asked;
      const auto found = points.find(std::u16string(word));
      return found == points.end() ? std::vector<uint16_t>{} : found->second;
    };
  }
};

using Lines = std::vector<std::u16string>;

TEST(ComposeParagraph, FillsLinesAndAsksOnlyForOverflowingWords) {
  TableMethod method;
  method.points[u"przykład"] = {4};
  EXPECT_EQ(ComposeParagraph(u"kot ma przykład", 12, method.Source()),
            (Lines{u"kot ma przy-", u"kład"}));
  EXPECT_EQ(method.asked, 1);
}

TEST(ComposeParagraph, TakesTheLastBreakThatFitsAndBreaksAgain) {
  TableMethod method;
  method.points[u"dziewczyna"] = {8, 5};  // any order
  EXPECT_EQ(ComposeParagraph(u"a dziewczyna", 10, method.Source()),
            (Lines{u"a dziew-", u"czyna"}));
  // Cut hard at the width, the rest still breaks at its points.
  EXPECT_EQ(ComposeParagraph(u"dziewczyna", 4, method.Source()),
            (Lines{u"dzie", u"w-", u"czy-", u"na"}));
  EXPECT_EQ(ComposeParagraph(u"dziewczyna", 7, method.Source()), (Lines{u"dziew-", u"czyna"}));
}

TEST(ComposeParagraph, HardHyphenGetsNoSecondHyphen) {
  TableMethod method;
  method.points[u"biało-czerwony"] = {3, 6, 10};
  EXPECT_EQ(ComposeParagraph(u"biało-czerwony", 8, method.Source()),
            (Lines{u"biało-", u"czerwony"}));
}

TEST(ComposeParagraph, DiscretionaryHyphensAreHiddenBreakPoints) {
  TableMethod method;
  EXPECT_EQ(ComposeParagraph(u"kon\u001Ftrast", 6, method.Source()), (Lines{u"kon-", u"trast"}));
  EXPECT_EQ(ComposeParagraph(u"kon\u00ADtrast", 20, method.Source()), (Lines{u"kontrast"}));
}

TEST(ComposeParagraph, BadPointsAreIgnoredAndTinyWidthsStillEnd) {
  TableMethod method;
  method.points[u"kontrast"] = {0, 8, 400};
  EXPECT_EQ(ComposeParagraph(u"kontrast", 5, method.Source()), (Lines{u"kontr", u"ast"}));
  EXPECT_EQ(ComposeParagraph(u"abc", 0, method.Source()), (Lines{u"ab", u"c"}));
  EXPECT_EQ(ComposeParagraph(u"", 10, method.Source()), (Lines{u""}));
  EXPECT_EQ(ComposeParagraph(u"  ", 10, method.Source()), (Lines{u""}));
}

}  // namespace

// The module's pure parts (case classes, break positions of the host
// callback, host text to engine text) and the host's line composer.
#include <gtest/gtest.h>

#include <map>

#include "host/composer.h"
#include "hyph/hyph_callbacks.h"
#include "hyph/hyph_walk.h"

namespace {

// What the skip options see in Polish letters (the skip_* fixtures show the
// ASCII classes through the host).
TEST(WordCaseClass, PolishCapitalsCount) {
  EXPECT_EQ(WordCaseClass("\xA3\xD3" "D\x8F"), kAllCapitals);  // ŁÓDŹ
  EXPECT_NE(WordCaseClass("\xA3\xF3" "d\x9F"), kAllCapitals);  // Łódź
  EXPECT_FALSE(IsMixedCaseClass(WordCaseClass("\xA3\xF3" "d\x9F")));
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

// More breaks than room: counted, but only the room is written.
TEST(BreakPositions, NeverWritePastTheRoom) {
  uint16_t two[2] = {};
  EXPECT_EQ(BreakPositions("a-b-c-d", two, 2), 3u);
  EXPECT_EQ(two[1], 2);
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

// A hyphenation method from a table.
struct TableMethod {
  std::map<std::u16string, std::vector<uint16_t>> points;
  BreakPointSource Source() {
    return [this](std::u16string_view word) {
      const auto found = points.find(std::u16string(word));
      return found == points.end() ? std::vector<uint16_t>{} : found->second;
    };
  }
};

using Lines = std::vector<std::u16string>;

// Points in any order; a word cut hard at the width still breaks at its
// points after the cut (the compose_* fixtures show everyday lines).
TEST(ComposeParagraph, BreaksAgainAfterAHardCut) {
  TableMethod method;
  method.points[u"dziewczyna"] = {8, 5};
  EXPECT_EQ(ComposeParagraph(u"dziewczyna", 4, method.Source()),
            (Lines{u"dzie", u"w-", u"czy-", u"na"}));
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

// The word walk of `wirsel proof` over story text: where words start and
// end, what their text holds, and the line and column each report names.
#include "host/proof_words.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<StoryWord> Walk(std::u16string_view text, int64_t first_line = 1) {
  WordWalker walker(text, first_line);
  std::vector<StoryWord> words;
  for (StoryWord word; walker.Next(word);) words.push_back(word);
  return words;
}

TEST(WordWalker, DiscretionaryHyphensStayInTheRangeButOutOfTheText) {
  const std::vector<StoryWord> words = Walk(u"do\u00ADmu wy\u001Fraz");
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[0].text, "domu");
  EXPECT_EQ(words[0].start16, 0u);
  EXPECT_EQ(words[0].end16, 5u);
  EXPECT_EQ(words[1].text, "wyraz");
  EXPECT_EQ(words[1].end16, 12u);
}

TEST(WordWalker, AHugeRunWithoutSpacesIsPassedOver) {
  const std::u16string huge(5'000'000, u'x');
  const std::vector<StoryWord> words = Walk(huge + u" kot");
  ASSERT_EQ(words.size(), 1u);
  EXPECT_EQ(words[0].text, "kot");
  EXPECT_EQ(words[0].column, 5'000'002);
}

// Random stories of the characters that matter (paragraph ends and line
// breaks start lines; a surrogate pair is one column, a soft hyphen one
// column), against a plain count of lines and columns: words in order,
// inside the text, never empty. A story's first line other than 1: the
// report fixture of several stories.
TEST(WordWalker, RandomStoriesAgreeWithAPlainCount) {
  const std::vector<std::u16string> alphabet = {
      u"a",  u"Z",      u"ł",      u"\u0104", u" ",      u"9",      u"-",      u".",         u"\r",
      u"\n", u"\u001f", u"\u00ad", u"\u00d6", u"\u00d7", u"\u0416", u"\ufffc", u"\U0001F600"};
  std::mt19937 random(20261206);
  for (int round = 0; round < 300; ++round) {
    std::u16string text;
    const size_t length = random() % 400;
    while (text.size() < length) text += alphabet[random() % alphabet.size()];
    WordWalker walker(text, 1);
    size_t previous_end = 0;
    for (StoryWord word; walker.Next(word);) {
      ASSERT_LE(previous_end, word.start16);
      ASSERT_LT(word.start16, word.end16);
      ASSERT_LE(word.end16, text.size());
      ASSERT_FALSE(word.text.empty());
      int64_t line = 1;
      int64_t column = 1;
      for (size_t i = 0; i < word.start16; ++i) {
        if (text[i] == 13 || text[i] == 10) {
          ++line;
          column = 1;
        } else if (text[i] < 0xDC00 || text[i] > 0xDFFF) {
          ++column;
        }
      }
      ASSERT_EQ(word.line, line) << round;
      ASSERT_EQ(word.column, column) << round;
      previous_end = word.end16;
    }
  }
}

TEST(WordWalker, TheNextStoryStartsOnTheLineAfterTheText) {
  WordWalker open_line(u"kot\rpies", 1);
  EXPECT_EQ(open_line.NextFreeLine(), 3);
  WordWalker closed_line(u"kot\rpies\r", 1);
  EXPECT_EQ(closed_line.NextFreeLine(), 3);
  WordWalker empty(u"", 5);
  EXPECT_EQ(empty.NextFreeLine(), 5);
}

}  // namespace

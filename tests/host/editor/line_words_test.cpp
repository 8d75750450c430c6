// Splitting a line into words for the editor front ends: offsets in
// characters and UTF-16 units, invisible characters, bad UTF-8, and markup
// hidden without moving a word.
#include <gtest/gtest.h>

#include "host/line_words.h"
#include "host/markup_mask.h"

namespace {

std::vector<LineWord> Words(const std::string& utf8) { return WordsOfLine(DecodeLine(utf8).chars); }

TEST(LineWords, OffsetsCountCharactersAndUtf16Units) {
  // "𝔸" is outside the BMP: one character, two UTF-16 units.
  const auto words = Words("\xf0\x9d\x94\xb8 żółw i kot.");
  ASSERT_EQ(words.size(), 3u);
  EXPECT_EQ(words[0].shown, "żółw");
  EXPECT_EQ(words[0].offset, 2u);
  EXPECT_EQ(words[0].utf16_offset, 3u);
  EXPECT_EQ(words[0].utf16_length, 4u);
  EXPECT_EQ(words[2].shown, "kot");
  EXPECT_TRUE(words[2].full_stop);
  EXPECT_FALSE(words[0].full_stop);
}

TEST(LineWords, InvisibleCharactersStayInTheShownWordOnly) {
  const auto words = Words(
      "x na\xc2\xadpraw\xe2\x80\x8d"
      "d\xc4\x99");
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[1].shown,
            "na\xc2\xadpraw\xe2\x80\x8d"
            "d\xc4\x99");
  EXPECT_EQ(words[1].text, "naprawd\xea");  // Windows-1250
  EXPECT_EQ(words[1].offset, 2u);
  EXPECT_EQ(words[1].length, 10u);
}

TEST(LineWords, InvisibleCharactersAroundAWordAreNotPartOfIt) {
  const auto words = Words("\xe2\x80\x8bkot\xc2\xad dom");
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[0].shown, "kot");
  EXPECT_EQ(words[0].offset, 1u);
}

TEST(LineWords, BadBytesAreOneCharacterEachAndSplitWords) {
  const DecodedLine line = DecodeLine(
      "ab\xff"
      "cd \xe2\x82 ef \xc0\xaf");
  EXPECT_EQ(line.bad_bytes, 5u);  // a cut sequence: each of its bytes
  EXPECT_EQ(line.first_bad_byte, 2u);
  const auto words = WordsOfLine(line.chars);
  ASSERT_EQ(words.size(), 3u);
  EXPECT_EQ(words[1].shown, "cd");
  EXPECT_EQ(words[1].offset, 3u);
  EXPECT_EQ(words[2].offset, 9u);
  EXPECT_EQ(EncodeUtf8(DecodeLine("\xed\xa0\x80").chars), "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd")
      << "a surrogate encoded in UTF-8 is not text";
}

std::string Masked(Markup markup, const std::string& utf8, MarkupState* state) {
  std::u32string chars = DecodeLine(utf8).chars;
  MaskMarkup(markup, chars, *state);
  return EncodeUtf8(chars);
}

TEST(MarkupMask, TexKeepsProseAndOffsets) {
  MarkupState state;
  EXPECT_EQ(Masked(Markup::kTex, "\\emph{kot} \\cite[s.~2]{ab} $x$ 50\\% psa % uwaga", &state),
            "     {kot}                     50   psa        ");
  EXPECT_EQ(Masked(Markup::kTex, "a $$ x", &state), "a     ");
  EXPECT_EQ(Masked(Markup::kTex, "y $$ dom \\[ z", &state), "     dom     ") << "math goes on";
  EXPECT_EQ(Masked(Markup::kTex, "z \\] las", &state), "     las");
}

TEST(MarkupMask, HtmlTagsCommentsAndEntitiesAcrossLines) {
  MarkupState state;
  EXPECT_EQ(Masked(Markup::kHtml, "<a href=\"x\">kot</a>&amp;pies <!-- ala", &state),
            "            kot         pies         ");
  EXPECT_EQ(Masked(Markup::kHtml, "ma --> kota <b", &state), "       kota   ");
  EXPECT_EQ(Masked(Markup::kHtml, "x=\"1\">dom", &state), "      dom");
}

TEST(MarkupMask, NroffRequestsAndEscapes) {
  MarkupState state;
  EXPECT_EQ(Masked(Markup::kNroff, ".TH KOT 1", &state), "         ");
  EXPECT_EQ(Masked(Markup::kNroff, "\\fBkot\\fP i \\(empies", &state), "   kot    i     pies");
}

}  // namespace

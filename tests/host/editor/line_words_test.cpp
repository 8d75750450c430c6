// Splitting a line into words for the editor front ends: offsets in
// characters and UTF-16 units, invisible characters, bad UTF-8; and pieces
// of TeX, HTML and nroff read a line at a time, with what a line leaves open
// carried into the next.
#include "host/line_words.h"

#include <gtest/gtest.h>

#include "host/editor_prose.h"

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

// The words of each line read in turn as `markup`, each as "shown@byte".
std::vector<std::string> PieceWords(Markup markup, const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  std::string carry;
  for (const std::string& line : lines) {
    for (const auto& run : ReadPiece(markup, line, carry)) {
      for (const RunWord& word : WordsOfRun(run, line)) {
        out.push_back(word.word.shown + "@" + std::to_string(word.start));
      }
    }
    out.push_back("|");
  }
  return out;
}

using Seen = std::vector<std::string>;

TEST(EditorProse, TexCommandsKeysMathAndCommentsAreNotProse) {
  EXPECT_EQ(PieceWords(Markup::kTex, {"\\emph{kot} \\cite[s.~2]{ab} $x$ 50\\% psa % uwaga"}),
            (Seen{"kot@6", "psa@36", "|"}));
  EXPECT_EQ(
      PieceWords(Markup::kTex, {"na\\-praw\\-de \\label{sec:abc} \\verb|kod| \\url{http://a.pl}"}),
      (Seen{"na\\-praw\\-de@0", "|"}))
      << "a soft hyphen stays in the word as it stands in the line";
}

TEST(EditorProse, TexWhatALineLeavesOpenGoesOnInTheNext) {
  EXPECT_EQ(PieceWords(Markup::kTex, {"a $$ x", "y $$ dom \\[ z", "z \\] las"}),
            (Seen{"a@0", "|", "dom@5", "|", "las@5", "|"}));
  EXPECT_EQ(PieceWords(Markup::kTex, {"\\begin{verbatim}", "kotx", "\\end{verbatim} dom"}),
            (Seen{"|", "|", "dom@15", "|"}));
  EXPECT_EQ(PieceWords(Markup::kTex, {"\\cite{ab,", "cd} dom", "\\textbf{kot", "pies} las"}),
            (Seen{"|", "dom@4", "|", "kot@8", "|", "pies@0", "las@6", "|"}))
      << "a kept argument goes on, a closing brace of a line before is markup";
  EXPECT_EQ(PieceWords(Markup::kTex, {"% komentarz", "kot"}), (Seen{"|", "kot@0", "|"}));
}

TEST(EditorProse, HtmlTagsCommentsScriptsAndReferencesAcrossLines) {
  EXPECT_EQ(PieceWords(Markup::kHtml, {"<a href=\"x\">kot</a>&amp;pies <!-- ala", "ma --> kota <b",
                                       "x=\"1\">dom g&oacute;ra"}),
            (Seen{"kot@12", "pies@24", "|", "kota@7", "|", "dom@6", "g&oacute;ra@10", "|"}));
  EXPECT_EQ(PieceWords(Markup::kHtml, {"<p title=\"naprawdex", "i tu\">kot</p><script>", "var x;",
                                       "</script>dom"}),
            (Seen{"|", "kot@6", "|", "|", "dom@9", "|"}));
}

TEST(EditorProse, NroffRequestsAndEscapes) {
  EXPECT_EQ(PieceWords(Markup::kNroff, {".TH KOT 1", "\\fBkot\\fP i \\(empies"}),
            (Seen{"|", "kot@3", "i@10", "pies@16", "|"}));
}

TEST(EditorProse, APieceTheReaderRefusesIsReadAsPlainTextWithoutObviousMarkup) {
  // Not UTF-8: the reader refuses it; a caller that did not sanitize still
  // gets the words.
  EXPECT_EQ(PieceWords(Markup::kTex, {"\\textbf{kot} \xff psa"}), (Seen{"kot@8", "psa@15", "|"}));
  EXPECT_EQ(PieceWords(Markup::kHtml, {"<b>kot</b> \xff &amp;psa"}),
            (Seen{"kot@3", "psa@18", "|"}));
  EXPECT_EQ(SanitizeUtf8(std::string("a\0b\xff", 4)),
            "a\xef\xbf\xbd"
            "b\xef\xbf\xbd");
}

}  // namespace

// Splitting a line into words for the editor front ends: invisible
// characters around a word, bad UTF-8; and pieces of TeX, HTML and nroff
// read a line at a time. Offsets, invisible characters inside words and most
// of TeX and HTML are pinned end to end by the pipe's protocol table
// (data/pipe_protocol.table) and the LSP test's UTF-16 ranges.
#include "host/line_words.h"

#include <gtest/gtest.h>

#include "host/editor_prose.h"

namespace {

std::vector<LineWord> Words(const std::string& utf8) { return WordsOfLine(DecodeLine(utf8).chars); }

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

// What goes on from line to line beyond the cases of the pipe's protocol
// table: a prose argument and a tag that a line leaves open.
TEST(EditorProse, AnArgumentOrATagLeftOpenGoesOnInTheNextLine) {
  EXPECT_EQ(PieceWords(Markup::kTex, {"\\textbf{kot", "pies} las"}),
            (Seen{"kot@8", "|", "pies@0", "las@6", "|"}))
      << "a closing brace of a line before is markup";
  EXPECT_EQ(PieceWords(Markup::kHtml,
                       {"ma kota <b", "x=\"1\">dom", "<p title=\"naprawdex", "i tu\">kot</p>"}),
            (Seen{"ma@0", "kota@3", "|", "dom@6", "|", "|", "kot@6", "|"}));
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

// The source readers and writer without the host: what the passes see of a
// source, where what the passes change lands, and the errors for sources
// that cannot be read safely. That every byte of any input is kept, read and
// written back, also after edits: the readers' fuzz targets (source_fuzz.cpp,
// run by CI on the fixtures), and the generated documents of source_cli_test.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/io/io_error.h"
#include "host/io/text_format.h"
#include "host/source/source_text.h"

using namespace wirsel::source;
using ::testing::HasSubstr;

namespace {

// The prose as the passes see it, objects as "@" and paragraph ends as "|".
std::string Prose(SourceKind kind, const std::string& bytes, const ReaderSettings& settings = {}) {
  std::u16string text = ReadSource(kind, bytes, "t", settings).StoryText();
  for (char16_t& c : text) {
    if (c == kObjectChar) c = u'@';
    if (c == kBreakChar) c = u'|';
  }
  return wirsel::io::EncodeUtf8(text);
}

std::vector<StoryChar> Unchanged(const SourceText& source) {
  std::vector<StoryChar> story;
  for (const int32_t piece : source.StoryPieces()) {
    story.push_back({source.pieces[static_cast<size_t>(piece)].code, false, piece});
  }
  return story;
}

// Runs `edit` over the story of `bytes` and writes the source back.
template <typename Edit>
std::string Edited(SourceKind kind, const std::string& bytes, Edit edit) {
  const SourceText source = ReadSource(kind, bytes, "t");
  std::vector<StoryChar> story = Unchanged(source);
  edit(story);
  return WriteSource(source, story);
}

// The story position of the n-th (from 0) occurrence of `c`.
size_t Find(const std::vector<StoryChar>& story, char16_t c, int n = 0) {
  for (size_t i = 0; i < story.size(); ++i) {
    if (story[i].code == c && n-- == 0) return i;
  }
  ADD_FAILURE() << "no such character";
  return 0;
}

// ---- What the passes see (beyond what the fixtures of the command show) ----

TEST(LatexProse, UnknownCommandsCommentsAndUrlsReadTheirOwnWay) {
  EXPECT_EQ(Prose(SourceKind::kLatex, "jest \\LaTeX{} i \\foo{w x}{y} tu"), "jest @ i @ tu");
  EXPECT_EQ(Prose(SourceKind::kLatex, "a \\begin{align*}w - x\\end{align*} b"), "a @ b");
  EXPECT_EQ(Prose(SourceKind::kLatex, "w%\ndomu"), "wdomu");
  EXPECT_EQ(Prose(SourceKind::kLatex, "\\url{http://x/a%20b#c} i \\href{http://x/%7E}{w} domu"),
            "@ i w domu");
  EXPECT_EQ(Prose(SourceKind::kLatex, "w~domu ,,x'' ``y'' a--b c---d \\-e"),
            "w\u00A0domu \u201Ex\u201D \u201Cy\u201D a\u2013b c\u2014d \u00ADe");
  EXPECT_EQ(Prose(SourceKind::kLatex, "\\begin{itemize}\\item w\n\\item z\\end{itemize}"), "w|z|");
}

TEST(LatexProse, UserProseCommandsFromTheSettings) {
  EXPECT_EQ(Prose(SourceKind::kLatex, "\\wazne{w} domu \\kolor{red}{z} a"), "@ domu @ a");
  const ReaderSettings settings{"wazne:p, \\kolor:xp przypis:p/b bad: :p zle:q"};
  EXPECT_EQ(Prose(SourceKind::kLatex, "\\wazne{w} domu \\kolor{red}{z} a", settings),
            "w domu z a");
  EXPECT_EQ(Prose(SourceKind::kLatex, "a \\przypis{b} c", settings), "a|b|c");
}

TEST(MarkdownAndHtmlProse, EntitiesEscapesAndImpliedEndTags) {
  EXPECT_EQ(Prose(SourceKind::kMarkdown, "w&nbsp;domu &amp; \\*\n"), "w\u00A0domu & *|");
  EXPECT_EQ(Prose(SourceKind::kHtml, "<ul><li>a<li>b</ul><pre>w x</pre><p>c"), "a|b|c");
}

TEST(ProseRuns, ParagraphsWithTheSourceOffsetOfEachCharacter) {
  const SourceText source = ReadSource(SourceKind::kLatex, "a \\emph{b}\n\nc", "t");
  const std::vector<ProseRun> runs = ProseRuns(source);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].text, u"a b");
  EXPECT_EQ(runs[0].offsets, (std::vector<uint32_t>{0, 1, 8}));
  EXPECT_EQ(runs[1].text, u"c");
  EXPECT_EQ(runs[1].offsets, (std::vector<uint32_t>{12}));
}

// ---- Writing back ----

TEST(SourceWriter, ReplacedCharactersStayInsideTheirMarkup) {
  auto quotes = [](std::vector<StoryChar>& story) {
    const size_t open = Find(story, u'"');
    story[open] = {0x201E, false, -1};
    const size_t close = Find(story, u'"');
    story[close] = {0x201D, false, -1};
  };
  EXPECT_EQ(Edited(SourceKind::kLatex, "\\emph{\"x\"} y", quotes), "\\emph{„x”} y");
  EXPECT_EQ(Edited(SourceKind::kHtml, "<i>\"x\"</i> y", quotes), "<i>„x”</i> y");
  EXPECT_EQ(Edited(SourceKind::kMarkdown, "*\"x\"* y", quotes), "*„x”* y");
}

TEST(SourceWriter, InsertedTextGoesOutsideTheMarkupAtItsPlace) {
  auto space_after_comma = [](std::vector<StoryChar>& story) {
    story.insert(story.begin() + static_cast<std::ptrdiff_t>(Find(story, u',') + 1),
                 StoryChar{u' ', false, -1});
  };
  EXPECT_EQ(Edited(SourceKind::kHtml, "a,<b>b</b>", space_after_comma), "a, <b>b</b>");
  EXPECT_EQ(Edited(SourceKind::kHtml, "<b>a,</b>b", space_after_comma), "<b>a,</b> b");
  EXPECT_EQ(Edited(SourceKind::kLatex, "a,\\emph{b}", space_after_comma), "a, \\emph{b}");
  EXPECT_EQ(Edited(SourceKind::kMarkdown, "[a,](x)b", space_after_comma), "[a,](x) b");
}

TEST(SourceWriter, NewSpecialCharactersAreEscapedAndEntitiesKept) {
  auto add = [](std::vector<StoryChar>& story) {
    for (const char16_t c : std::u16string(u"&<%")) story.push_back({c, false, -1});
  };
  EXPECT_EQ(Edited(SourceKind::kLatex, "a", add), "a\\&<\\%");
  EXPECT_EQ(Edited(SourceKind::kHtml, "&amp;", add), "&amp;&amp;&lt;%");
}

TEST(SourceWriter, MarkupSurvivesErasingTheProseAroundIt) {
  auto erase_all = [](std::vector<StoryChar>& story) { story.clear(); };
  EXPECT_EQ(Edited(SourceKind::kLatex, "a $x$ \\emph{b} % c\n", erase_all), "$x$\\emph{}% c\n");
  EXPECT_EQ(Edited(SourceKind::kHtml, "<p>a <code>x</code></p>", erase_all),
            "<p><code>x</code></p>");
  EXPECT_EQ(Edited(SourceKind::kMarkdown, "a `x` b\n", erase_all), "`x`\n");
}

// ---- Sources that cannot be read safely ----

void ExpectError(SourceKind kind, const std::string& bytes, int line, const std::string& reason) {
  try {
    ReadSource(kind, bytes, "doc");
    ADD_FAILURE() << "read without error: " << bytes;
  } catch (const wirsel::io::IoError& e) {
    EXPECT_EQ(e.file(), "doc");
    EXPECT_EQ(e.line(), line) << e.what();
    EXPECT_THAT(e.reason(), HasSubstr(reason));
  }
}

TEST(SourceErrors, NameTheLine) {
  ExpectError(SourceKind::kLatex, "a\n\nb {c\n\nd", 3, "never closed");
  ExpectError(SourceKind::kLatex, "a\nb}\n", 2, "closes no {");
  ExpectError(SourceKind::kLatex, "a\n\\begin{verbatim}\nx\n", 2, "\\begin{verbatim}");
  ExpectError(SourceKind::kLatex, "a\n\\begin{itemize}\nx\n", 2, "\\begin{itemize} is never ended");
  ExpectError(SourceKind::kLatex, "a\n\\begin{a}\n\\end{b}\n", 3, "ends \\begin{a} of line 2");
  ExpectError(SourceKind::kLatex, "a $x\n\nb", 1, "$ (math) is never closed");
  ExpectError(SourceKind::kLatex, "\\emph{a\n\nb", 1, "argument of \\emph");
  ExpectError(SourceKind::kLatex, "\\verb|abc\n|", 1, "\\verb|");
  for (const SourceKind kind : {SourceKind::kLatex, SourceKind::kHtml, SourceKind::kMarkdown}) {
    ExpectError(kind, std::string("a\nb\0c", 5), 2, "NUL byte");
    ExpectError(kind, "a\n\nb\xC5", 3, "invalid UTF-8");
  }
}

TEST(SourceErrors, MalformedHtmlIsReadSafely) {
  for (const char* page : {"<p>a <b>b</p> c</i> <div", "<table><td>a<p>b</table>c",
                                 "<<>><p attr=\"x>y</p>", "</b></b><b>a", "<!-- a"}) {
    const SourceText source = ReadSource(SourceKind::kHtml, page, "t");
    EXPECT_EQ(WriteSource(source, Unchanged(source)), std::string(page));
  }
}

}  // namespace

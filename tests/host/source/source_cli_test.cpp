// LaTeX, HTML and Markdown sources through the real `wirsel` and plug-in:
// fixtures named for what they show (input, expected output, expected
// report), a second proof that changes nothing, generated documents whose
// additions undone give back the input, pages parsed again and Markdown
// rendered again with the same structure, a LaTeX document compiled before
// and after, the options around sources, and bad input.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <gumbo.h>
#include <md4c.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "tests/host/host_cases.h"
#include "tests/host/run_wirsel.h"

namespace fs = std::filesystem;
using ::testing::HasSubstr;

namespace {

const std::string kData = SOURCE_TEST_DATA;

// ---- Fixtures ----

class SourceFixture : public ::testing::TestWithParam<std::string> {};

TEST_P(SourceFixture, ProofsAsExpectedAndAgainChangesNothing) {
  const fs::path input = GetParam();
  const std::string stem = input.stem().string();
  const std::string extension = input.extension().string();
  const fs::path folder = input.parent_path();
  const std::string expected = ReadBytes((folder / (stem + ".expected" + extension)).string());
  const fs::path report_path = folder / (stem + ".report");
  const std::string report = fs::exists(report_path) ? ReadBytes(report_path.string()) : "";
  const HostFolder host;

  const WirselRun run = host.Run({"proof", input.string()});
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(Replace(run.err, input.string(), "FILE"), report);
  EXPECT_EQ(run.status, report.empty() ? 0 : 1);

  // Proof on its own output changes nothing (and reports the same words,
  // at the output's positions).
  const WirselRun again = host.Run({"proof", WriteTemp("again" + extension, expected)});
  EXPECT_EQ(again.out, expected);
  EXPECT_EQ(again.status, run.status);
}

const std::vector<std::string> kSources =
    FilesIn({kData + "/tex", kData + "/html", kData + "/md"}, {".tex", ".html", ".md"});
INSTANTIATE_TEST_SUITE_P(Sources, SourceFixture, ::testing::ValuesIn(kSources), FileTestName);

// ---- Generated documents: what the passes add, undone, is the input ----

std::string Undo(std::string text, const std::string& kind) {
  if (kind == "tex") {
    text = Replace(text, "\\-", "");
    text = Replace(text, "~%\n", "\n");
    text = Replace(text, "~", " ");
  } else if (kind == "html") {
    text = Replace(text, "&shy;", "");
    text = Replace(text, "&nbsp;", " ");
  } else {
    text = Replace(text, "\u00AD", "");
    text = Replace(text, "\u00A0", " ");
  }
  text = Replace(text, "\u201E", "\"");
  text = Replace(text, "\u201D", "\"");
  text = Replace(text, "\u2013", "-");
  return text;
}

struct Generated {
  std::string text;
  std::vector<std::string> kept;  // the protected spans put in
};

Generated Generate(const std::string& kind, unsigned seed) {
  std::mt19937 random(seed);
  const std::vector<std::string> words = {"w", "domu", "z", "Lipska", "i", "kot", "\"cytat\"",
                                          "-", "o", "mieście", "jest", "a", "tak", "u", "nas"};
  const std::vector<std::string> tex = {"$w - x$", "\\cite{bach95:Rycko}", "\\verb|\"w\" - x|",
                                        "\\ref{sec:w-x}", "\\url{http://x.pl/w-y}"};
  const std::vector<std::string> tex_inline = {"\\emph{", "\\textbf{", "{\\it "};
  const std::vector<std::string> html = {"<code>w - \"x\"</code>",
                                         "<img src=\"w x.png\" alt=\"w - x\">",
                                         "<kbd>w - x</kbd>", "<var>w</var>"};
  const std::vector<std::string> html_inline = {"<b class=\"w x\">", "<i title='w - x'>",
                                                "<a href=\"http://x.pl/w-y\">"};
  const std::vector<std::string> md = {"`w - \"x\"`", "https://x.pl/w-y", "![w - x](a-b.png)",
                                       "<span title=\"w - x\">w</span>"};
  Generated doc;
  if (kind == "html") doc.text = "<!DOCTYPE html>\n<html><body>\n";
  for (int paragraph = 0; paragraph < 60; ++paragraph) {
    if (kind == "html") doc.text += "<p>";
    if (kind == "md" && paragraph % 7 == 3) doc.text += "## ";
    const int count = 8 + static_cast<int>(random() % 20);
    for (int i = 0; i < count; ++i) {
      // Line ends inside a paragraph only in LaTeX, which keeps them when a
      // space there becomes non-breaking ("~%\n").
      if (i > 0) doc.text += (kind == "tex" && random() % 9 == 0) ? "\n" : " ";
      const unsigned roll = random() % 10;
      const std::string word = words[random() % words.size()];
      if (roll == 0) {
        const auto& spans = kind == "tex" ? tex : kind == "html" ? html : md;
        doc.kept.push_back(spans[random() % spans.size()]);
        doc.text += doc.kept.back();
      } else if (roll == 1 && word[0] != '"' && word != "-") {
        if (kind == "tex") {
          doc.text += tex_inline[random() % tex_inline.size()] + word + "}";
        } else if (kind == "html") {
          const std::string& open = html_inline[random() % html_inline.size()];
          doc.kept.push_back(open);
          doc.text += open + word + (open[1] == 'b' ? "</b>" : open[1] == 'i' ? "</i>" : "</a>");
        } else {
          doc.text += "**" + word + "**";
        }
      } else {
        doc.text += word;
      }
    }
    doc.text += kind == "html" ? ".</p>\n" : ".\n\n";
  }
  if (kind == "html") doc.text += "</body></html>\n";
  return doc;
}

class SourceProperty : public ::testing::TestWithParam<std::string> {};

TEST_P(SourceProperty, UndoingWhatThePassesAddGivesBackTheInput) {
  const std::string kind = GetParam();
  const HostFolder host;
  for (unsigned seed = 1; seed <= 3; ++seed) {
    const Generated doc = Generate(kind, seed * 7919);
    const std::string path = WriteTemp("doc." + kind, doc.text);
    // Hyphenation too for LaTeX, to undo its \- as well.
    std::vector<std::string> args = {"proof", path, "--no-spell"};
    if (kind == "tex") args.push_back("--hyph");
    const WirselRun run = host.Run(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out, doc.text) << "the passes changed nothing";
    const std::string undone = Undo(run.out, kind);
    EXPECT_EQ(undone, doc.text) << "seed " << seed;
    size_t at = 0;
    for (const std::string& kept : doc.kept) {
      const size_t found = run.out.find(kept, at);
      ASSERT_NE(found, std::string::npos) << kept << " changed or moved";
      at = found + kept.size();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, SourceProperty, ::testing::Values("tex", "html", "md"));

// ---- Structure after proofing ----

// Every element's tag and attributes, in document order.
std::vector<std::string> TagsAndAttributes(const std::string& page) {
  std::vector<std::string> out;
  GumboOutput* output = gumbo_parse(page.c_str());
  std::vector<const GumboNode*> stack{output->root};
  while (!stack.empty()) {
    const GumboNode* node = stack.back();
    stack.pop_back();
    if (node->type != GUMBO_NODE_ELEMENT) continue;
    std::string entry = gumbo_normalized_tagname(node->v.element.tag);
    for (unsigned i = 0; i < node->v.element.attributes.length; ++i) {
      const auto* attribute = static_cast<const GumboAttribute*>(node->v.element.attributes.data[i]);
      entry += std::string(" ") + attribute->name + "=" + attribute->value;
    }
    out.push_back(entry);
    for (unsigned i = node->v.element.children.length; i > 0; --i) {
      stack.push_back(static_cast<const GumboNode*>(node->v.element.children.data[i - 1]));
    }
  }
  gumbo_destroy_output(&kGumboDefaultOptions, output);
  return out;
}

TEST(SourceStructure, HtmlPageParsesToTheSameTagsAndAttributes) {
  const std::string page = std::string(SAMPLE_FOLDER) + "/strona.html";
  const WirselRun run = HostFolder().Run({"proof", page, "--no-spell"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> before = TagsAndAttributes(ReadBytes(page));
  EXPECT_GT(before.size(), 3u);
  EXPECT_EQ(TagsAndAttributes(run.out), before);
}

// Block and span kinds as md4c sees them, in order.
std::string MarkdownStructure(const std::string& text) {
  std::string out;
  MD_PARSER parser{};
  parser.flags = MD_FLAG_TABLES | MD_FLAG_STRIKETHROUGH | MD_FLAG_PERMISSIVEAUTOLINKS;
  parser.enter_block = [](MD_BLOCKTYPE type, void*, void* self) {
    *static_cast<std::string*>(self) += "<b" + std::to_string(type);
    return 0;
  };
  parser.leave_block = [](MD_BLOCKTYPE type, void*, void* self) {
    *static_cast<std::string*>(self) += ">";
    return 0;
  };
  parser.enter_span = [](MD_SPANTYPE type, void*, void* self) {
    *static_cast<std::string*>(self) += "<s" + std::to_string(type);
    return 0;
  };
  parser.leave_span = [](MD_SPANTYPE, void*, void* self) {
    *static_cast<std::string*>(self) += ">";
    return 0;
  };
  parser.text = [](MD_TEXTTYPE type, const MD_CHAR* text, MD_SIZE size, void* self) {
    // Code and HTML stay word for word; prose only by kind.
    auto& out = *static_cast<std::string*>(self);
    if (type == MD_TEXT_CODE || type == MD_TEXT_HTML) {
      out += "[" + std::string(text, size) + "]";
    }
    return 0;
  };
  md_parse(text.data(), static_cast<MD_SIZE>(text.size()), &parser, &out);
  return out;
}

TEST(SourceStructure, MarkdownRendersToTheSameStructure) {
  const std::string file = std::string(SAMPLE_FOLDER) + "/probka.md";
  const WirselRun run = HostFolder().Run({"proof", file, "--no-spell"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(MarkdownStructure(run.out), MarkdownStructure(ReadBytes(file)));
}

// ---- LaTeX through pdflatex ----

// The text of the PDF that pdflatex makes of `tex` (in `folder`), in the
// order it is drawn, with words broken at line ends joined again, quotation
// marks, dashes and spaces of every kind made plain, and no white space: line
// breaks move when spaces become non-breaking. T1 fonts without a Unicode
// map give „ ” “ – — as the bytes 0x12 0x11 0x10 0x15 0x16.
std::string PdfText(const std::string& folder, const std::string& name, const std::string& tex) {
  std::ofstream(folder + "/" + name + ".tex", std::ios::binary) << tex;
  const std::string command = "cd '" + folder + "' && pdflatex -interaction=nonstopmode " +
                              "-halt-on-error " + name + ".tex >/dev/null 2>&1 && pdftotext -raw " +
                              name + ".pdf " + name + ".txt";
  if (std::system(command.c_str()) != 0) return "(pdflatex failed on " + name + ")";
  std::string text = ReadBytes(folder + "/" + name + ".txt");
  for (const char* quote : {"\u201E", "\u201D", "\u201C", "\x12", "\x11", "\x10", ",,", "''"}) {
    text = Replace(text, quote, "\"");
  }
  for (const char* dash : {"\u2013", "\u2014", "\x15", "\x16"}) text = Replace(text, dash, "-");
  text = Replace(text, "\u00A0", " ");
  std::string joined;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '-' && i + 1 < text.size() && text[i + 1] == '\n' && i > 0 &&
        !std::isspace(static_cast<unsigned char>(text[i - 1]))) {
      ++i;  // a word broken at the line end
      continue;
    }
    if (!std::isspace(static_cast<unsigned char>(text[i]))) joined += text[i];
  }
  return joined;
}

TEST(SourcePdf, TheProofedArticleHasTheTextOfTheOriginal) {
  if (!Installed("pdflatex") || !Installed("pdftotext")) {
    GTEST_SKIP() << "pdflatex or pdftotext is not installed (texlive-latex-base, poppler-utils)";
  }
  const std::string article = std::string(SAMPLE_FOLDER) + "/artykul.tex";
  const WirselRun run = HostFolder().Run({"proof", article, "--no-spell"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string folder = TempFolder();
  const std::string before = PdfText(folder, "before", ReadBytes(article));
  const std::string after = PdfText(folder, "after", run.out);
  EXPECT_THAT(before, HasSubstr("Jednoliterowe"));
  EXPECT_EQ(after, before);
}

// ---- Options ----

// Every command and the options around sources, one case each in
// data/commands (host_cases.h): the input format, the output formats, the
// prose commands of the settings file.
class SourceCommand : public ::testing::TestWithParam<std::string> {};

TEST_P(SourceCommand, WritesTheExpectedOutput) {
  CheckHostCase({kData + "/commands", {}, false, ""}, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, SourceCommand,
                         ::testing::ValuesIn(HostCaseNames(kData + "/commands")), HostCaseName);

TEST(SourceOptions, ReportNamesTheInputWhenWrittenElsewhere) {
  const HostFolder host;
  const std::string input = kData + "/md/report_in_source_coordinates.md";
  const std::string out = TempFolder() + "/out.md";
  const WirselRun run = host.Run({"proof", input, "-o", out});
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(run.err, HasSubstr(input + ":3:8: Napewno"));
  EXPECT_THAT(run.err, HasSubstr(input + ":4:1: Zdaża"));
}

// ---- Bad input ----

TEST(SourceBadInput, ClearErrorNamingFileAndLineAndNothingWritten) {
  const HostFolder host;
  const std::string folder = TempFolder();
  struct Case {
    std::string name;
    std::string bytes;
    std::string message;
  };
  // Every reader's messages are in source_reader_test.cpp (SourceErrors).
  const std::vector<Case> cases = {
      {"braces.tex", "a\n\\emph{b\n", ":2: the argument of \\emph is never closed"},
      {"nul.html", std::string("<p>\0</p>", 8), ":1: a NUL byte"},
      {"latin2.md", "a\n\xB1", ":2: invalid UTF-8"},
  };
  for (const Case& c : cases) {
    const std::string path = folder + "/" + c.name;
    std::ofstream(path, std::ios::binary) << c.bytes;
    const std::string out = folder + "/out-" + c.name;
    const WirselRun run = host.Run({"proof", path, "-o", out});
    EXPECT_EQ(run.status, 2) << c.name;
    EXPECT_THAT(run.err, HasSubstr(path + c.message));
    EXPECT_FALSE(fs::exists(out)) << c.name;
    EXPECT_EQ(ReadBytes(path), c.bytes);
  }
}

}  // namespace

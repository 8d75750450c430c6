// `wirsel proof` run as a user runs it, with the real plug-in and data files
// in a host folder of the test's own (so its settings file and user
// dictionary are the test's): a damaged dictionary, the report against
// fixtures, the settings it honours, every story once, a second run that changes
// nothing, the HTML and TeX results, and the progress line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../run_wirsel.h"
#include "base/prose_words.h"

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const std::string kData = PROOF_TEST_DATA;

// `wirsel proof` in a host folder of the test's own.
WirselRun Proof(const HostFolder& host, std::vector<std::string> args) {
  args.insert(args.begin(), "proof");
  return host.Run(args);
}

// ---- Exit statuses (usage errors and their messages are the command-line
// tests', tests/host/files) ----

TEST(ProofExitStatus, TwoWhenTheSpellingDictionaryIsMissingOrDamaged) {
  for (const std::string bytes : {"", "not a dictionary at all"}) {
    const HostFolder host;
    const fs::path dictionary = host.File("son.dic");
    fs::remove(dictionary);
    if (!bytes.empty()) std::ofstream(dictionary) << bytes;
    const WirselRun run = Proof(host, {kData + "/report/clean_text.txt"});
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.err, HasSubstr("son.dic"));
    EXPECT_EQ(run.out, "");
  }
}

// ---- The report, one fixture each: NAME.txt or NAME.json and NAME.expected
// (standard error with FILE for the document's path) ----

class ProofReport : public ::testing::TestWithParam<std::string> {};

TEST_P(ProofReport, MatchesTheExpectedLines) {
  const std::string input = GetParam();
  const std::string expected = ReadBytes(fs::path(input).replace_extension(".expected"));
  const WirselRun run = Proof(HostFolder(), {input});
  EXPECT_EQ(Replace(run.err, input, "FILE"), expected);
  EXPECT_EQ(run.status, expected.empty() ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, ProofReport,
                         ::testing::ValuesIn(FilesIn({kData + "/report"}, {".txt", ".json"})),
                         FileTestName);

// ---- What the host reads as words, one fixture each in words/: NAME.txt
// and NAME.expected (the report of `proof --no-typo --no-hyph`). With
// hyphenation on the same words are reported (soft hyphens in addresses
// change nothing), and `wirsel spell -l` lists the same words. ----

class ProofWords : public ::testing::TestWithParam<std::string> {};

std::vector<std::string> ReportedWords(const std::string& report) {
  std::vector<std::string> words;
  size_t at = 0;
  for (size_t end; (end = report.find('\n', at)) != std::string::npos; at = end + 1) {
    const std::string line = report.substr(at, end - at);
    const size_t word = line.find(": ");
    if (word != std::string::npos) words.push_back(line.substr(word + 2, line.find(" -> ") - word - 2));
  }
  return words;
}

TEST_P(ProofWords, AreReportedAsExpected) {
  const std::string input = GetParam();
  const std::string expected = ReadBytes(fs::path(input).replace_extension(".expected"));
  const HostFolder host;
  const WirselRun plain = Proof(host, {input, "--no-typo", "--no-hyph"});
  EXPECT_EQ(Replace(plain.err, input, "FILE"), expected);
  const WirselRun hyphenated = Proof(host, {input, "--no-typo"});
  EXPECT_EQ(ReportedWords(hyphenated.err), ReportedWords(expected));
  std::string listed;
  for (const std::string& word : ReportedWords(expected)) listed += word + "\n";
  // The list shows each word as written; read in normal form C it is the report's.
  const WirselRun spell =
      host.Run({"spell", "-l", "-p", host.folder() + "/user.dic"}, {{"<stdin>", input}});
  EXPECT_EQ(ProseNormalForm(spell.out), ProseNormalForm(listed));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, ProofWords,
                         ::testing::ValuesIn(FilesIn({kData + "/words"}, {".txt"})), FileTestName);

TEST(ProofWordList, WordsWithLettersOutsideThePolishAlphabetAreAcceptedFromTheList) {
  const HostFolder host;
  // Listed in small letters, in capitals, decomposed: each its own way.
  std::ofstream(host.File("user.txt"))
      << "f\u00fcr\nCURA\u00c7AO\nMu\u0308llerowski\n# a comment\nl'H\u00f4pital\n";
  const std::string input = kData + "/words/foreign_letter_word_whole.txt";
  const WirselRun run = Proof(host, {input, "--no-typo", "--no-hyph"});
  EXPECT_EQ(Replace(run.err, input, "FILE"),
            "FILE:2:1: Cura\u00e7ao\nFILE:5:1: Gal\u00e1pagos\nFILE:6:1: kot\u0416pies\n"
            "FILE:7:1: na\u00efve\n");
}

TEST(ProofReportName, NamesTheWrittenTextFileWhosePositionsItCounts) {
  const HostFolder host;
  const std::string input = kData + "/report/misspellings_with_suggestions.txt";
  const std::string folder = TempFolder();
  const WirselRun text = Proof(host, {input, "-o", folder + "/out.txt"});
  EXPECT_THAT(text.err, HasSubstr(folder + "/out.txt:2:"));
  // HTML counts no positions of its own: the report names the input.
  const WirselRun html = Proof(host, {input, "-o", folder + "/out.html", "--format", "html"});
  EXPECT_THAT(html.err, HasSubstr(input + ":2:"));
  EXPECT_THAT(html.err, Not(HasSubstr("out.html")));
  // Soft hyphens as entities (every entity: the renderer's golden files).
  EXPECT_THAT(ReadBytes(folder + "/out.html"), HasSubstr("&shy;"));
  EXPECT_THAT(ReadBytes(folder + "/out.html"), Not(HasSubstr("\u00ad")));
}

// ---- Settings and the user dictionary, where the plug-in keeps them (the
// typography and hyphenation settings are the plug-in's own: tests/typo,
// tests/hyph) ----

TEST(ProofSettings, SpellingOptionsComeFromTheSettingsFile) {
  const std::string input = kData + "/report/capitals_and_digits_skipped.txt";
  const WirselRun defaults = Proof(HostFolder(), {input});
  EXPECT_THAT(defaults.err, Not(HasSubstr("XYZZY")));
  EXPECT_THAT(defaults.err, Not(HasSubstr("xyz3")));

  const WirselRun all =
      Proof(HostFolder("[1Slownik]\n3PominWERSALIKI=0\n4PominCYFRY=0\n"), {input});
  EXPECT_THAT(all.err, HasSubstr(":1:8: XYZZY"));
  EXPECT_THAT(all.err, HasSubstr(":1:19: xyz3 -> "));

  const WirselRun plain = Proof(HostFolder("[1slownik]\n5ZawszeSugeruj=0\n"),
                                {kData + "/report/misspellings_with_suggestions.txt"});
  EXPECT_THAT(plain.err, HasSubstr(": blendny\n"));
  EXPECT_THAT(plain.err, Not(HasSubstr("->")));
}

TEST(ProofSettings, WithXTensionsReadOnlyTheUserFolderHoldsSettingsAndUserDictionary) {
  const HostFolder host("[1Slownik]\n3PominWERSALIKI=1\n");
  const std::map<std::string, std::string> read_only = {{"WIRSEL_READONLY_DIRS", host.xtensions()}};
  fs::create_directories(host.user_folder());
  std::ofstream(host.user_folder() + "/Wirsel13.ini") << "[1Slownik]\n3PominWERSALIKI=0\n";
  ASSERT_EQ(host.Run({"dict", "add", "tekts"}, read_only).status, 0);
  EXPECT_FALSE(fs::exists(host.File("user.dic")));
  const auto proof = [&](const std::string& input) {
    return host.Run({"proof", kData + "/report/" + input, "--no-typo", "--no-hyph"}, read_only);
  };
  const WirselRun run = proof("misspellings_with_suggestions.txt");
  EXPECT_THAT(run.err, Not(HasSubstr("tekts")));
  EXPECT_THAT(run.err, HasSubstr("blendny"));
  EXPECT_THAT(proof("capitals_and_digits_skipped.txt").err, HasSubstr("XYZZY"));
}

TEST(ProofSettings, AnUnreadableUserDictionaryIsSaidAndLeftOut) {
  const HostFolder host;
  fs::create_directory(host.File("user.dic"));
  const WirselRun run = Proof(host, {kData + "/report/misspellings_with_suggestions.txt"});
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(run.err, HasSubstr("user.dic"));
  EXPECT_THAT(run.err, HasSubstr("tekts"));
}

// ---- What is done to the document ----

TEST(ProofDocument, EveryStoryIsTakenOnceChainsGroupsAndAnchoredBoxesIncluded) {
  const std::string out = TempFolder() + "/out.json";
  const WirselRun run =
      Proof(HostFolder(), {kData + "/report/stories_numbered_in_document_order.json", "-o", out});
  const std::string json = ReadBytes(out);
  // Each story got its hyphens and its quotation marks once.
  for (const char* hyphenated :
       {"Pierw\\u001fszy", "gru\\u001fpie", "Ram\\u001fka", "Ostat\\u001fnia"}) {
    EXPECT_THAT(json, HasSubstr(hyphenated));
  }
  EXPECT_THAT(json, HasSubstr("„ład\\u001fny”"));
  // The document's own current box and tool are kept.
  EXPECT_THAT(json, HasSubstr("\"tool\": \"item\""));
  EXPECT_THAT(json, HasSubstr("\"current_box\": 4"));
  EXPECT_EQ(run.status, 1);
}

TEST(ProofDocument, EachPassCanBeLeftOut) {
  const HostFolder host;
  const std::string input = kData + "/idempotent/nested_and_odd_quotes.txt";
  EXPECT_EQ(Proof(host, {input, "--no-typo", "--no-hyph", "--no-spell"}).out, ReadBytes(input));
  const std::string typography = Proof(host, {input, "--no-hyph"}).out;
  EXPECT_THAT(typography, HasSubstr("„"));
  EXPECT_THAT(typography, Not(HasSubstr("\u00ad")));
  const std::string hyphens = Proof(host, {input, "--no-typo"}).out;
  EXPECT_THAT(hyphens, HasSubstr("\u00ad"));
  EXPECT_THAT(hyphens, HasSubstr("\"Ona"));
  const WirselRun unspelled =
      Proof(host, {kData + "/report/misspellings_with_suggestions.txt", "--no-spell"});
  EXPECT_EQ(unspelled.status, 0);
  EXPECT_EQ(unspelled.err, "");
}

TEST(ProofDocument, ADialogScriptAnswersThePlugInsMessageBoxes) {
  const std::string input = kData + "/idempotent/nested_and_odd_quotes.txt";
  const std::string script =
      WriteTemp("quote.dlg", "expect \"Quotation mark between two spaces\"\nanswer ok\n");
  const WirselRun run = Proof(HostFolder(), {input, "--dialogs", script});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.out, HasSubstr("„Ona"));
}

// ---- A second run changes nothing ----

class ProofTwice : public ::testing::TestWithParam<std::string> {};

TEST_P(ProofTwice, GivesTheDocumentOfTheFirstRun) {
  const HostFolder host;
  const std::string folder = TempFolder();
  const std::string extension = fs::path(GetParam()).extension().string();
  const std::string once = folder + "/once" + extension;
  const std::string twice = folder + "/twice" + extension;
  const WirselRun first = Proof(host, {GetParam(), "-o", once});
  ASSERT_LE(first.status, 1) << first.err;
  const WirselRun second = Proof(host, {once, "-o", twice});
  ASSERT_LE(second.status, 1) << second.err;
  EXPECT_EQ(ReadBytes(twice), ReadBytes(once));
  EXPECT_EQ(second.status, first.status);
}

std::vector<std::string> TwiceFixtures() {
  std::vector<std::string> paths = FilesIn({kData + "/idempotent"}, {".txt", ".json"});
  paths.push_back(std::string(SAMPLE_FOLDER) + "/probka.txt");
  return paths;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, ProofTwice, ::testing::ValuesIn(TwiceFixtures()), FileTestName);

// ---- The TeX result ----

TEST(ProofResults, TheTexResultCompilesWithPdflatex) {
  if (!Installed("pdflatex")) {
    GTEST_SKIP()
        << "pdflatex is not installed (Debian: texlive-latex-base): the TeX result is not compiled";
  }
  const std::string folder = TempFolder();
  const WirselRun run = Proof(HostFolder(), {std::string(SAMPLE_FOLDER) + "/probka.txt", "--format",
                                             "tex", "-o", folder + "/probka.tex"});
  ASSERT_EQ(run.status, 1);
  EXPECT_THAT(ReadBytes(folder + "/probka.tex"), HasSubstr("do\\-brze"));
  fs::copy_file(std::string(SAMPLE_FOLDER) + "/probka-doc.tex", folder + "/probka-doc.tex");
  const std::string command =
      "cd '" + folder +
      "' && pdflatex -interaction=nonstopmode -halt-on-error probka-doc.tex "
      ">pdflatex.out 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0) << ReadBytes(folder + "/pdflatex.out");
  EXPECT_TRUE(fs::file_size(folder + "/probka-doc.pdf") > 1000);
}

// ---- The progress line ----

// The progress line was erased at the end of what a terminal showed.
bool EndsErased(const std::string& shown) {
  return shown.size() >= 4 && shown.compare(shown.size() - 4, 4, "\r\033[K") == 0;
}

// A long story: the plug-in reports as it works through it. Redirected
// standard error never shows the line (the report fixtures compare it whole).
TEST(ProofProgress, EveryPercentageShowsOnATerminalAndIsErasedBeforeEachReportAndAtTheEnd) {
  std::string text;
  for (int i = 0; i < 200; ++i)
    text += "Drukarnia - jak zwykle - składa \"tekst\" w 5 kg papieru, zdanie " +
            std::to_string(i) + ".\n";
  const std::string input = WriteTemp("long.txt", text + "To jest blendny tekst.\n");
  const WirselRun run = HostFolder().Run({"proof", input}, {{"<terminal>", "yes"}});
  for (int percent = 0; percent <= 100; ++percent) {
    EXPECT_THAT(run.err, HasSubstr("\rwirsel proof: " + std::to_string(percent) + "%")) << percent;
  }
  EXPECT_THAT(run.err, HasSubstr("\r\033[K" + input + ":201:9: blendny"));
  EXPECT_TRUE(EndsErased(run.err)) << run.err;
  EXPECT_THAT(run.out, HasSubstr("„tekst”"));
  EXPECT_THAT(run.out, Not(HasSubstr("%")));
}

TEST(ProofProgress, MenuCommandsOfOtherCommandsShowItAndAMenuListingDoesNot) {
  const HostFolder host;
  const std::string input = std::string(SAMPLE_FOLDER) + "/probka.txt";
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"run", input, "--do", "Typography In Box"},
        {"typo", input},
        {"hyphenate", input}}) {
    const WirselRun run = host.Run(args, {{"<terminal>", "yes"}});
    EXPECT_THAT(run.err, HasSubstr("\rwirsel: 50%")) << args[0];
    EXPECT_TRUE(EndsErased(run.err)) << args[0] << ": " << run.err;
    EXPECT_THAT(run.out, Not(HasSubstr("%"))) << args[0];
  }
  const WirselRun menus = host.Run({"menus", input}, {{"<terminal>", "yes"}});
  EXPECT_THAT(menus.err, Not(HasSubstr("%")));
  EXPECT_THAT(menus.out, HasSubstr("Typography In Box"));
}

}  // namespace

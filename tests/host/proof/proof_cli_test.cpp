// `wirsel proof` run as a user runs it, with the real plug-in and data files
// in a host folder of the test's own (so its settings file and user
// dictionary are the test's): exit statuses, the report against fixtures,
// the settings it honours, every story once, a second run that changes
// nothing, the HTML and TeX results, and the progress line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../run_wirsel.h"
#include "base/prose_words.h"
#include "base/utf8.h"
#include "spell/engine/user_dict.h"

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

std::vector<std::string> FixturesIn(const std::string& folder, const std::string& extension) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kData + "/" + folder)) {
    if (entry.path().extension() == extension) names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string FixtureName(const ::testing::TestParamInfo<std::string>& info) {
  std::string name =
      fs::path(info.param).stem().string() + fs::path(info.param).extension().string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

// ---- Exit statuses ----

TEST(ProofExitStatus, ZeroForACleanTextOneWhenWordsWereReported) {
  const HostFolder host;
  EXPECT_EQ(Proof(host, {kData + "/report/clean_text.txt"}).status, 0);
  const WirselRun reported = Proof(host, {kData + "/report/misspellings_with_suggestions.txt"});
  EXPECT_EQ(reported.status, 1);
  EXPECT_THAT(reported.out, HasSubstr("tekts"));  // the document is still written
}

TEST(ProofExitStatus, TwoOnEveryError) {
  const HostFolder host;
  const std::string text = kData + "/report/clean_text.txt";
  const std::string broken = WriteTemp("broken.json", "{\"wirsel\": 1, \"boxes\": [\n");
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"/nonexistent/file.txt"}, "/nonexistent/file.txt"},
      {{broken}, "broken.json:2"},
      {{text, "--format", "pdf"}, "--format must be txt, tex, html, markdown or json"},
      {{text, "--lang", "de"}, "--lang must be en or pl"},
      {{text, "-o", "/nonexistent/folder/out.txt"}, "/nonexistent/folder/out.txt"},
  };
  for (const Case& c : cases) {
    const WirselRun run = Proof(host, c.args);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_THAT(run.err, HasSubstr(c.message));
  }
}

TEST(ProofExitStatus, TwoOnAUsageError) {
  const HostFolder host;
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{},
        {kData + "/report/clean_text.txt", "--no-such-option"},
        {kData + "/report/clean_text.txt", "--format"}}) {
    const WirselRun run = Proof(host, args);
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_NE(run.err, "");
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(Proof(host, {"--help"}).status, 0);
}

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

TEST(ProofExitStatus, LeavingOutTheSpellingReportsNothing) {
  const WirselRun run =
      Proof(HostFolder(), {kData + "/report/misspellings_with_suggestions.txt", "--no-spell"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
}

// ---- The report, one fixture each: NAME.txt or NAME.json and NAME.expected
// (standard error with FILE for the document's path) ----

class ProofReport : public ::testing::TestWithParam<std::string> {};

TEST_P(ProofReport, MatchesTheExpectedLines) {
  const std::string input = kData + "/report/" + GetParam();
  const std::string expected =
      ReadBytes(kData + "/report/" + fs::path(GetParam()).stem().string() + ".expected");
  const WirselRun run = Proof(HostFolder(), {input});
  EXPECT_EQ(Replace(run.err, input, "FILE"), expected);
  EXPECT_EQ(run.status, expected.empty() ? 0 : 1);
}

std::vector<std::string> ReportFixtures() {
  std::vector<std::string> names = FixturesIn("report", ".txt");
  for (const std::string& json : FixturesIn("report", ".json")) names.push_back(json);
  return names;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, ProofReport, ::testing::ValuesIn(ReportFixtures()), FixtureName);

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

// `wirsel spell -l` over a file, with the host's son.dic and a user
// dictionary in the host folder.
std::string SpellList(const HostFolder& host, const std::string& input) {
  const std::string command = "WIRSEL_HOST_DIR='" + host.folder() +
                              "' '" WIRSEL_BINARY "' spell -l -p '" + host.folder() +
                              "/user.dic' < '" + input + "'";
  std::string out;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
    ::pclose(pipe);
  }
  return out;
}

TEST_P(ProofWords, AreReportedAsExpected) {
  const std::string input = kData + "/words/" + GetParam();
  const std::string expected =
      ReadBytes(kData + "/words/" + fs::path(GetParam()).stem().string() + ".expected");
  const HostFolder host;
  const WirselRun plain = Proof(host, {input, "--no-typo", "--no-hyph"});
  EXPECT_EQ(Replace(plain.err, input, "FILE"), expected);
  const WirselRun hyphenated = Proof(host, {input, "--no-typo"});
  EXPECT_EQ(ReportedWords(hyphenated.err), ReportedWords(expected));
  std::string listed;
  for (const std::string& word : ReportedWords(expected)) listed += word + "\n";
  // The list shows each word as written; read in normal form C it is the report's.
  EXPECT_EQ(ProseNormalForm(SpellList(host, input)), ProseNormalForm(listed));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, ProofWords, ::testing::ValuesIn(FixturesIn("words", ".txt")),
                         FixtureName);

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
  const WirselRun html = Proof(host, {input, "-o", folder + "/out.html", "--format", "html"});
  EXPECT_THAT(html.err, HasSubstr(input + ":2:"));
  EXPECT_THAT(html.err, Not(HasSubstr("out.html")));
}

// ---- Settings and the user dictionary, where the plug-in keeps them ----

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

TEST(ProofSettings, TypographyAndHyphenationOptionsComeFromTheSettingsFile) {
  const std::string input = WriteTemp("caps.txt", "KONSTANTYNOPOL - kot\n");
  EXPECT_EQ(Proof(HostFolder(), {input, "--no-spell"}).out, "KONSTANTYNOPOL \u2013\u00a0kot\n");
  const std::string settings = "[1Dzielenie]\n4PominWersaliki=0\n[1Typografia]\n8SpacjaLacz=0\n";
  EXPECT_EQ(Proof(HostFolder(settings), {input, "--no-spell"}).out,
            "KON\u00adSTAN\u00adTY\u00adNO\u00adPOL - kot\n");
}

// A new user dictionary at `path` holding `word`.
void WriteUserDictionary(const std::string& path, const char* word) {
  ASSERT_EQ(userdict_create(path.c_str()), 0);
  UserDict* dict = nullptr;
  ASSERT_EQ(userdict_load(path.c_str(), &dict), 0);
  ASSERT_EQ(userdict_add_word(dict, word), 0);
  userdict_unload(&dict);
}

TEST(ProofSettings, WordsOfTheUserDictionaryAreNotReported) {
  const HostFolder host;
  WriteUserDictionary(host.File("user.dic"), "blendny");
  const WirselRun run = Proof(host, {kData + "/report/misspellings_with_suggestions.txt"});
  EXPECT_THAT(run.err, Not(HasSubstr("blendny")));
  EXPECT_THAT(run.err, HasSubstr("tekts"));
}

TEST(ProofSettings, WithXTensionsReadOnlyTheUserFolderHoldsSettingsAndUserDictionary) {
  const HostFolder host("[1Slownik]\n3PominWERSALIKI=1\n");
  const std::string data = TempFolder();
  fs::create_directory(data + "/Wirsel13");
  std::ofstream(data + "/Wirsel13/Wirsel13.ini") << "[1Slownik]\n3PominWERSALIKI=0\n";
  WriteUserDictionary(data + "/Wirsel13/user.dic", "tekts");
  const auto proof = [&](const std::string& input) {
    return host.Run({"proof", kData + "/report/" + input, "--no-typo", "--no-hyph"},
                    {{"XDG_DATA_HOME", data}, {"WIRSEL_READONLY_DIRS", host.xtensions()}});
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
}

TEST(ProofDocument, ThePolishInterfaceRunsTheSameCommands) {
  const HostFolder host;
  const std::string input = std::string(SAMPLE_FOLDER) + "/probka.txt";
  const WirselRun polish = Proof(host, {input, "--lang", "pl"});
  const WirselRun english = Proof(host, {input, "--lang", "en"});
  EXPECT_EQ(polish.status, 1);
  EXPECT_EQ(polish.out, english.out);
  EXPECT_EQ(polish.err, english.err);
  EXPECT_THAT(polish.out, HasSubstr("\u00ad"));
}

TEST(ProofDocument, ADialogScriptAnswersThePlugInsMessageBoxes) {
  const HostFolder host;
  const std::string input = kData + "/idempotent/nested_and_odd_quotes.txt";
  const WirselRun answered = Proof(
      host, {input, "--dialogs",
             WriteTemp("quote.dlg", "expect \"Quotation mark between two spaces\"\nanswer ok\n")});
  EXPECT_EQ(answered.status, 0) << answered.err;
  EXPECT_THAT(answered.out, HasSubstr("„Ona"));
  const WirselRun left_over =
      Proof(host, {input, "--dialogs", WriteTemp("extra.dlg", "answer ok\nanswer ok\n")});
  EXPECT_EQ(left_over.status, 2);
  EXPECT_THAT(left_over.err, HasSubstr("extra.dlg:2"));
  EXPECT_EQ(left_over.out, "");
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
  std::vector<std::string> paths = {std::string(SAMPLE_FOLDER) + "/probka.txt"};
  for (const char* extension : {".txt", ".json"}) {
    for (const std::string& name : FixturesIn("idempotent", extension)) {
      paths.push_back(kData + "/idempotent/" + name);
    }
  }
  return paths;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, ProofTwice, ::testing::ValuesIn(TwiceFixtures()), FixtureName);

// ---- The results as HTML and TeX ----

// Every sequence well formed: no stray or missing continuation byte, no
// overlong form, no surrogate, nothing past U+10FFFF.
bool ValidUtf8(const std::string& bytes) {
  for (size_t i = 0; i < bytes.size();) {
    const Utf8Decoded next = DecodeUtf8At(bytes, i);
    if (next.fault != Utf8Fault::kNone) return false;
    i += next.length;
  }
  return true;
}

TEST(ProofResults, TheUtf8CheckRefusesWhatItShould) {
  EXPECT_TRUE(ValidUtf8("Zażółć \u00ad \U0001F600"));
  for (const std::string bad : {"\xC5", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "a\x80"}) {
    EXPECT_FALSE(ValidUtf8(bad)) << bad;
  }
}

TEST(ProofResults, HtmlIsUtf8WithSoftHyphenAndNonBreakingSpaceEntities) {
  const WirselRun run =
      Proof(HostFolder(), {std::string(SAMPLE_FOLDER) + "/probka.txt", "--format", "html"});
  ASSERT_EQ(run.status, 1);
  EXPECT_TRUE(ValidUtf8(run.out));
  EXPECT_THAT(run.out, HasSubstr("do&shy;brze"));
  EXPECT_THAT(run.out, HasSubstr("w&nbsp;"));
  EXPECT_THAT(run.out, HasSubstr("z&nbsp;Lip&shy;ska"));
  EXPECT_THAT(run.out, HasSubstr("„Li&shy;te&shy;ra"));
  // Neither character is left raw.
  EXPECT_THAT(run.out, Not(HasSubstr("\u00ad")));
  EXPECT_THAT(run.out, Not(HasSubstr("\u00a0")));
}

TEST(ProofResults, TheTexResultCompilesWithPdflatex) {
  if (std::system("command -v pdflatex >/dev/null 2>&1") != 0) {
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

// Runs wirsel with standard error on a pseudo-terminal and standard output
// into a file; answers what the terminal showed.
std::string TerminalOutput(const HostFolder& host, const std::vector<std::string>& args,
                           std::string* out) {
  int master = -1;
  int slave = -1;
  if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) return "openpty failed";
  const std::string folder = TempFolder();
  const pid_t child = fork();
  if (child == 0) {
    close(master);
    std::freopen("/dev/null", "r", stdin);
    std::freopen((folder + "/stdout").c_str(), "w", stdout);
    dup2(slave, STDERR_FILENO);
    setenv("WIRSEL_HOST_DIR", host.folder().c_str(), 1);
    setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);
    setenv("LANG", "C", 1);
    std::vector<char*> argv = {const_cast<char*>(WIRSEL_BINARY)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(WIRSEL_BINARY, argv.data());
    _exit(127);
  }
  close(slave);
  std::string shown;
  char buffer[4096];
  for (ssize_t n; (n = read(master, buffer, sizeof buffer)) > 0;) shown.append(buffer, size_t(n));
  close(master);
  waitpid(child, nullptr, 0);
  *out = ReadBytes(folder + "/stdout");
  return shown;
}

TEST(ProofProgress, ShownOnATerminalAndErasedBeforeEachReportAndAtTheEnd) {
  const HostFolder host;
  std::string out;
  const std::string shown =
      TerminalOutput(host, {"proof", kData + "/report/misspellings_with_suggestions.txt"}, &out);
  EXPECT_THAT(shown, HasSubstr("\rwirsel proof: 0%"));
  EXPECT_THAT(shown, HasSubstr("\rwirsel proof: 100%"));
  // Each report starts on an erased line, and the line is gone at the end.
  EXPECT_THAT(shown, HasSubstr("\r\033[K" + kData +
                               "/report/misspellings_with_suggestions.txt:2:9: blendny"));
  EXPECT_TRUE(shown.size() >= 4 && shown.compare(shown.size() - 4, 4, "\r\033[K") == 0) << shown;
  EXPECT_THAT(out, Not(HasSubstr("%")));
}

TEST(ProofProgress, EveryPercentageShowsWhileThePlugInWorksThroughALongStory) {
  std::string text;
  for (int i = 0; i < 200; ++i)
    text += "Drukarnia - jak zwykle - składa \"tekst\" w 5 kg papieru, zdanie " +
            std::to_string(i) + ".\n";
  const std::string input = WriteTemp("long.txt", text);
  std::string out;
  const std::string shown = TerminalOutput(HostFolder(), {"proof", input}, &out);
  for (int percent = 0; percent <= 100; ++percent) {
    EXPECT_THAT(shown, HasSubstr("\rwirsel proof: " + std::to_string(percent) + "%")) << percent;
  }
  EXPECT_THAT(out, HasSubstr("„tekst”"));
}

TEST(ProofProgress, MenuCommandsOfOtherCommandsShowItAndAMenuListingDoesNot) {
  const HostFolder host;
  const std::string input = std::string(SAMPLE_FOLDER) + "/probka.txt";
  std::string out;
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"run", input, "--do", "Typography In Box"},
        {"typo", input},
        {"hyphenate", input}}) {
    const std::string shown = TerminalOutput(host, args, &out);
    EXPECT_THAT(shown, HasSubstr("\rwirsel: 50%")) << args[0];
    EXPECT_TRUE(shown.size() >= 4 && shown.compare(shown.size() - 4, 4, "\r\033[K") == 0)
        << args[0] << ": " << shown;
    EXPECT_THAT(out, Not(HasSubstr("%"))) << args[0];
  }
  const std::string menus = TerminalOutput(host, {"menus", input}, &out);
  EXPECT_THAT(menus, Not(HasSubstr("%")));
  EXPECT_THAT(out, HasSubstr("Typography In Box"));
}

TEST(ProofProgress, NeverInRedirectedOutput) {
  const WirselRun run = Proof(HostFolder(), {std::string(SAMPLE_FOLDER) + "/probka.txt"});
  EXPECT_THAT(run.err, Not(HasSubstr("\r")));
  EXPECT_THAT(run.err, Not(HasSubstr("wirsel proof:")));
  EXPECT_THAT(run.out, Not(HasSubstr("\r")));
}

}  // namespace

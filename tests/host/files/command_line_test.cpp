// One command-line convention: exit statuses 0, 1 and 2 for every command,
// menu items named in either language, messages that say what is wrong with
// a file and never pass control characters to the terminal.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "files_host.h"

using testing::HasSubstr;
using testing::Not;

namespace {

using CommandLine = FilesTest;

TEST_F(CommandLine, ErrorsEndWithStatus2InEveryCommand) {
  const std::string missing = folder_ + "/missing.txt";
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"typo", missing},
           {"hyphenate", missing},
           {"dehyphenate", missing},
           {"check", missing},
           {"run", missing},
           {"proof", missing},
           {"compose", missing, "--width", "20"},
           {"menus", missing},
           {"spell", "-l", missing},
           {"dict", "import", missing},
           {"typo", "--no-such-option"},
           {"run", File("a.txt", "kot\n"), "--do", "Frobnicate"}}) {
    const WirselRun run = host_.Run(args);
    EXPECT_EQ(run.status, 2) << args[0] << " " << args[1] << ": " << run.err;
  }
}

TEST_F(CommandLine, MenuItemsAreFoundUnderAPolishLocaleOrLanguage) {
  const std::string text = File("a.txt", "Kot i pies.\n");
  WirselRun run = host_.Run({"check", text}, {{"LANG", "pl_PL.UTF-8"}});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.err, HasSubstr("W zaznaczeniu nie ma błędów"));
  run = host_.Run({"check", "--lang", "pl", "--document", text});
  EXPECT_EQ(run.status, 0) << run.err;
  run = host_.Run({"run", "--lang", "pl", text, "--do", "Typography Preferences...", "--do",
                   "Dictionary Preferences...", "--do", "Check Story..."});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.err, HasSubstr("Preferencje typografii"));
}

TEST_F(CommandLine, MessagesAndHelpAreInPolishUnderAPolishLocaleOrLanguage) {
  const std::string missing = folder_ + "/brak.txt";
  const std::string junk = File("obraz.dic", std::string("\x89PNG\r\n\x1a\n\0\0", 10));
  struct Case {
    std::vector<std::string> args;
    bool to_stdout;
    const char* english;
    const char* polish;
  };
  const Case cases[] = {
      {{"--help"}, true, "Print this help message and exit", "Wypisuje tę pomoc i kończy pracę"},
      {{"proof", "--help"}, true, "Leave out the spelling report", "Pomija raport pisowni"},
      {{"dict", "add", "--help"}, true, "Words (UTF-8)", "Słowa (UTF-8)"},
      {{"spell", "--help"},
       true,
       "Check Polish spelling as hunspell does",
       "Sprawdza polską pisownię tak jak hunspell"},
      {{"typo", missing}, false, "brak.txt: cannot read:", "brak.txt: nie można odczytać:"},
      {{"typo"}, false, "FILE is required", "brak FILE (wymagane)"},
      {{"proof", "--format", "pdf", missing},
       false,
       "--format must be",
       "--format musi być txt, tex, html, markdown albo json, a nie „pdf”"},
      {{"spell", "-p", junk, "kot"},
       false,
       "neither a user dictionary nor a word list",
       "ani słownik użytkownika, ani lista słów"},
      {{"spell", "-i", "latin2", "kot"},
       false,
       "iconv -f latin2 -t UTF-8",
       "przekoduj, na przykład przez iconv -f latin2 -t UTF-8"},
  };
  const std::map<std::string, std::string> english_locales[] = {
      {{"LANG", "C"}}, {{"LANG", "pl_PL.UTF-8"}, {"LC_ALL", "C.UTF-8"}}};
  const std::map<std::string, std::string> polish_locales[] = {
      {{"LANG", "pl_PL.UTF-8"}}, {{"LANG", "C"}, {"LC_MESSAGES", "pl_PL"}}};
  for (const Case& c : cases) {
    for (const auto& env : english_locales) {
      const WirselRun run = host_.Run(c.args, env);
      EXPECT_THAT(c.to_stdout ? run.out : run.err, HasSubstr(c.english)) << c.args[0];
      EXPECT_EQ(run.status, c.to_stdout ? 0 : 2) << c.args[0];
    }
    for (const auto& env : polish_locales) {
      const WirselRun run = host_.Run(c.args, env);
      EXPECT_THAT(c.to_stdout ? run.out : run.err, HasSubstr(c.polish)) << c.args[0];
      EXPECT_EQ(run.status, c.to_stdout ? 0 : 2) << c.args[0];
    }
    std::vector<std::string> with_option = {"--lang", "pl"};
    with_option.insert(with_option.end(), c.args.begin(), c.args.end());
    const WirselRun run = host_.Run(with_option);
    EXPECT_THAT(c.to_stdout ? run.out : run.err, HasSubstr(c.polish)) << "--lang pl " << c.args[0];
  }
  const WirselRun run = host_.Run({"--lang", "de", "typo", missing});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("--lang must be en or pl, not \"de\""));
}

TEST_F(CommandLine, JsonNumberOutOfRangeIsNamedNotFatal) {
  const std::string json = File("doc.json",
                                "{\"wirsel\": 1, \"boxes\": [{\"id\": 1, \"kind\": \"text\",\n"
                                " \"bounds\": [0, 0, 1e400, 5]}],\n"
                                " \"spreads\": [{\"items\": [1]}],\n"
                                " \"stories\": [{\"id\": 1, \"boxes\": [1], \"text\": \"kot\"}]}\n");
  const WirselRun run = host_.Run({"proof", json});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("doc.json:2: boxes/0/bounds/2: a number out of range"));
}

TEST_F(CommandLine, DictionaryErrorsSayWhatIsWrongWithTheFile) {
  WirselRun run = host_.Run({"spell", "-d", folder_ + "/none.dic", "kot"});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("none.dic"));
  EXPECT_THAT(run.err, Not(HasSubstr("65493")));
  run = host_.Run({"spell", "-d", File("text.dic", "just some text\n"), "kot"});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("text.dic"));
}

TEST_F(CommandLine, ControlCharactersInNamesReachTheTerminalEscaped) {
  const WirselRun run = host_.Run({"typo", folder_ + "/evil\x1b[2Jname.txt"});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("evil\\x1b[2Jname.txt"));
  EXPECT_THAT(run.err, Not(HasSubstr("\x1b")));
}

}  // namespace

// `wirsel spell` through the real host: an ispell pipe session replayed from
// tests/spell/engine/data/ispell_session.in (a word added with "*word" is accepted
// at once and after a restart), the -l listing and the word mode.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "tests/spell/engine/spell_test_util.h"

namespace {

std::string Quote(const std::string& s) { return "'" + s + "'"; }

// Runs `wirsel spell ARGS < input` and returns its standard output.
std::string RunSpell(const std::string& args, const std::string& input_file, int* status) {
  const std::string command = Quote(WIRSEL_EXE) + " spell " + args + " < " + Quote(input_file);
  FILE* pipe = ::popen(command.c_str(), "r");
  std::string out;
  char buffer[512];
  while (pipe && std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
  const int raw = pipe ? ::pclose(pipe) : -1;
  *status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return out;
}

class SpellCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string log;
    dictionary_ = spelltest::CompileFixture("suggestions", folder_, &log);
    ASSERT_FALSE(dictionary_.empty()) << log;
    args_ = "-d " + Quote(dictionary_) + " -p " + Quote(folder_ + "/user.dic");
  }
  std::string Input(const std::string& text) {
    const std::string path = folder_ + "/input.txt";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fputs(text.c_str(), f);
    std::fclose(f);
    return path;
  }
  std::string folder_ = spelltest::TempFolder("command");
  std::string dictionary_;
  std::string args_;
};

TEST_F(SpellCommand, IspellSessionIsAnsweredAndAdditionsPersist) {
  int status = 0;
  const std::string out =
      RunSpell("-a " + args_, spelltest::FixturePath("ispell_session.in"), &status);
  EXPECT_EQ(status, 0);
  const size_t banner_end = out.find('\n');
  ASSERT_NE(banner_end, std::string::npos);
  EXPECT_EQ(out.rfind("@(#) International Ispell Version 3.2.06 (but really Hunspell", 0), 0u) << out;
  std::string expected;
  for (const std::string& line :
       spelltest::ReadLines(spelltest::FixturePath("ispell_session.expected"))) {
    expected += line + "\n";
  }
  std::string answers = out.substr(banner_end + 1);
  std::string compact;
  for (size_t p = 0; p < answers.size();) {
    const size_t end = answers.find('\n', p);
    const std::string line = answers.substr(p, end - p);
    if (!line.empty()) compact += line + "\n";
    p = end == std::string::npos ? answers.size() : end + 1;
  }
  EXPECT_EQ(compact, expected);
  // Each line's answers end with an empty line.
  EXPECT_EQ(std::count(answers.begin(), answers.end(), '\n') -
                std::count(compact.begin(), compact.end(), '\n'),
            4);

  const std::string again = RunSpell("-a " + args_, Input("^qqqq\n"), &status);
  EXPECT_NE(again.find("\n*\n\n"), std::string::npos) << again;
}

TEST_F(SpellCommand, ListModePrintsMisspelledWordsOnlyAndSucceeds) {
  int status = 0;
  const std::string run_on(400, 'q');  // longer than a word can be: passed over
  const std::string out =
      RunSpell("-l " + args_,
               Input("kot kit, \xc5\xbc\xc3\xb3\xc5\x82ty 5kot kot5 qq " + run_on + "\n"), &status);
  EXPECT_EQ(out, "kit\nqq\n");
  EXPECT_EQ(status, 0) << "as hunspell's -l, which flyspell requires";
}

TEST_F(SpellCommand, WordModePrintsOkOrSuggestions) {
  int status = 0;
  const std::string out = RunSpell(args_ + " kot kit qqqq", Input(""), &status);
  EXPECT_EQ(out, "kot: ok\nkit: kot, kat\nqqqq: no suggestions\n");
  EXPECT_EQ(status, 1);
  EXPECT_EQ(RunSpell(args_ + " kot", Input(""), &status), "kot: ok\n");
  EXPECT_EQ(status, 0);
}

TEST_F(SpellCommand, WordListGivenAsUserDictionaryIsAppendedToNeverConverted) {
  const std::string list = folder_ + "/words.txt";
  std::FILE* f = std::fopen(list.c_str(), "wb");
  std::fputs("kit\nqqqq\n", f);
  std::fclose(f);
  int status = 0;
  RunSpell("-a -d " + Quote(dictionary_) + " -p " + Quote(list), Input("*zzz\n#\nkit\n"), &status);
  EXPECT_EQ(status, 0);
  std::FILE* back = std::fopen(list.c_str(), "rb");
  char buffer[64] = {};
  const size_t got = std::fread(buffer, 1, sizeof buffer, back);
  std::fclose(back);
  EXPECT_EQ(std::string(buffer, got), "kit\nqqqq\nzzz\n");
}

TEST_F(SpellCommand, DictionaryNamedByPathOrLanguage) {
  int status = 0;
  for (const std::string& name : {dictionary_, std::string("pl_PL")}) {
    RunSpell("-l -d " + Quote(name), Input("kot\n"), &status);
    EXPECT_EQ(status, 0) << name;
  }
  RunSpell("-l -d en_US", Input("kot\n"), &status);
  EXPECT_EQ(status, 2);
  RunSpell("-l -d " + Quote(folder_), Input("kot\n"), &status);
  EXPECT_EQ(status, 2) << "a folder without son.dic";
}

}  // namespace

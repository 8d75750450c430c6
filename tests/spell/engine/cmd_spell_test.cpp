// `wirsel spell` through the real host: an ispell pipe session replayed from
// tests/spell/engine/data/ispell_session.in (a word added with "*word" is accepted
// at once and after a restart), the -l listing and the word mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "tests/host/run_wirsel.h"
#include "tests/spell/engine/spell_test_util.h"

namespace {

class SpellCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string log;
    dictionary_ = spelltest::CompileFixture("suggestions", folder_, &log);
    ASSERT_FALSE(dictionary_.empty()) << log;
  }
  // `wirsel spell ARGS` in a host folder of its own with the test's dictionary
  // and personal list, the file `input` on standard input.
  WirselRun Spell(std::vector<std::string> args, const std::string& input = "/dev/null") {
    args.insert(args.begin(), {"spell", "-d", dictionary_, "-p", folder_ + "/user.dic"});
    return HostFolder().Run(args, {{"<stdin>", input}});
  }
  std::string Input(const std::string& text) {
    const std::string path = folder_ + "/input.txt";
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  std::string folder_ = spelltest::TempFolder("command");
  std::string dictionary_;
};

TEST_F(SpellCommand, IspellSessionIsAnsweredAndAdditionsPersist) {
  const WirselRun run = Spell({"-a"}, spelltest::FixturePath("ispell_session.in"));
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string& out = run.out;
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

  const std::string again = Spell({"-a"}, Input("^qqqq\n")).out;
  EXPECT_NE(again.find("\n*\n\n"), std::string::npos) << again;
}

TEST_F(SpellCommand, ListModePrintsMisspelledWordsOnlyAndSucceeds) {
  const std::string run_on(400, 'q');  // longer than a word can be: passed over
  const WirselRun run =
      Spell({"-l"}, Input("kot kit, \xc5\xbc\xc3\xb3\xc5\x82ty 5kot kot5 qq " + run_on + "\n"));
  EXPECT_EQ(run.out, "kit\nqq\n");
  EXPECT_EQ(run.status, 0) << "as hunspell's -l, which flyspell requires";
}

TEST_F(SpellCommand, WordModePrintsOkOrSuggestions) {
  WirselRun run = Spell({"kot", "kit", "qqqq"});
  EXPECT_EQ(run.out, "kot: ok\nkit: kot, kat\nqqqq: no suggestions\n");
  EXPECT_EQ(run.status, 1);
  run = Spell({"kot"});
  EXPECT_EQ(run.out, "kot: ok\n");
  EXPECT_EQ(run.status, 0);
}

TEST_F(SpellCommand, DictionaryNamedByPathOrLanguage) {
  const std::map<std::string, std::string> input = {{"<stdin>", Input("kot\n")}};
  for (const std::string& name : {dictionary_, std::string("pl_PL")}) {
    EXPECT_EQ(HostFolder().Run({"spell", "-l", "-d", name}, input).status, 0) << name;
  }
  EXPECT_EQ(HostFolder().Run({"spell", "-l", "-d", "en_US"}, input).status, 2);
  EXPECT_EQ(HostFolder().Run({"spell", "-l", "-d", folder_}, input).status, 2)
      << "a folder without son.dic";
}

}  // namespace

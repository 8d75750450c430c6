// The user dictionary through the real host: words added from the
// misspelled-word dialog, the read-only plug-in folder, the preference that
// disables "Add", the editor behind "Dictionary Preferences...", and files
// that are missing, cut short or cannot be replaced.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "dict_host.h"

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::HasSubstr;

namespace {

std::string Script(const std::string& text) { return WriteTemp("script.dlg", text); }

std::string Document(const std::string& text) { return WriteTemp("story.txt", text); }

WirselRun Check(const DictHost& host, const std::string& story, const std::string& script,
                const std::map<std::string, std::string>& env = {}) {
  return host.Run({"run", Document(story), "--do", "Check Story...", "--lang", "en",
                   "--dialogs", Script(script)},
                  env);
}

// A missing file, or one cut so short it holds no word, is made anew.
TEST(UserDictionary, MissingOrEmptyCutFileIsCreatedEmptyAtStart) {
  for (const char* cut : {"", "\x05"}) {
    const DictHost host;
    if (*cut) std::ofstream(host.xtensions() + "/user.dic", std::ios::binary) << cut;
    const WirselRun run = host.Run({"menus", "--lang", "en"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBytes(host.xtensions() + "/user.dic"), std::string("\x02\0\0\0\0\0", 6));
  }
}

TEST(UserDictionary, AddedWordIsAcceptedByTheNextCheck) {
  const DictHost host;
  WirselRun run = Check(host, "Ala ma kotek.\n",
                        "dialog \"Check Spelling\"\nexpect kotek\nclick Add\nanswer ok\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(UserDictionaryWords(host.xtensions() + "/user.dic"), ElementsAre("kotek"));
  run = Check(host, "Kotek i kotek.\n",
              "expect \"There are no errors in the selection.\"\nanswer ok\n");
  EXPECT_EQ(run.status, 0) << run.err;
}

TEST(UserDictionary, ReadOnlyFolderMovesTheFileAndKeepsEveryWord) {
  const DictHost host;
  WirselRun run = Check(host, "piesek\n", "dialog \"Check Spelling\"\nclick Add\nanswer ok\n");
  ASSERT_EQ(run.status, 0) << run.err;
  run = Check(host, "piesek i kotek i kotki\n",
              "dialog \"Check Spelling\"\nexpect kotek\nclick Add\nexpect kotki\nclick Add\n"
              "answer ok\n",
              {{"WIRSEL_READONLY_DIRS", host.xtensions()}});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(UserDictionaryWords(host.user_folder() + "/user.dic"),
              ElementsAre("kotek", "kotki", "piesek"));
}

TEST(UserDictionary, WordOf60CharactersIsShownAndAddedAsItsFirst49) {
  const DictHost host;
  const std::string word = std::string(30, 'k') + std::string(30, 'o');
  const std::string shown = word.substr(0, 49);
  const WirselRun run =
      Check(host, "Ala " + word + " ma\n",
            "dialog \"Check Spelling\"\nexpect " + shown + "\nclick Add\nanswer ok\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(UserDictionaryWords(host.xtensions() + "/user.dic"), ElementsAre(shown));
}

// A run past the walker is passed over; a word past the engine's limit is
// shown cut and never accepted.
TEST(UserDictionary, OverlongWordsArePassedOverOrReported) {
  const DictHost host;
  WirselRun run = Check(host, "Ala " + std::string(400, 'x') + " ma kotek\n",
                        "dialog \"Check Spelling\"\nexpect kotek\nclick Ignore\nanswer ok\n");
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string word = std::string(300, 'a');
  run = Check(host, "Ala " + word + " ma\n",
              "dialog \"Check Spelling\"\nexpect " + word.substr(0, 49) +
                  "\nclick Ignore\nanswer ok\n");
  EXPECT_EQ(run.status, 0) << run.err;
}

TEST(UserDictionary, UncheckedPreferenceDisablesAddButTheWordsStillCount) {
  const DictHost host;
  WirselRun run = Check(host, "piesek\n", "dialog \"Check Spelling\"\nclick Add\nanswer ok\n");
  ASSERT_EQ(run.status, 0) << run.err;
  std::ofstream(host.xtensions() + "/Wirsel13.ini") << "[1Slownik]\r\n2SlownikiUzytkownika=0\r\n";
  run = Check(host, "piesek kotek\n", "dialog \"Check Spelling\"\nexpect kotek\nclick Add\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("disabled"));
}

TEST(UserDictionary, FileThatCannotBeReplacedStopsTheCommandAndIsLeftAlone) {
  const DictHost host;
  fs::create_directories(host.xtensions() + "/user.dic");
  std::ofstream(host.xtensions() + "/user.dic/keep") << "mine";
  const WirselRun run = Check(host, "Ala ma kotek.\n",
                              "expect \"Can't create user dictionary.\"\nanswer ok\n"
                              "expect \"Can't create user dictionary.\"\nanswer ok\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Ala ma kotek.\n");
  EXPECT_EQ(ReadBytes(host.xtensions() + "/user.dic/keep"), "mine");
}

TEST(UserDictionary, MissingMainDictionaryIsReportedWithItsPath) {
  const DictHost host;
  fs::remove(host.xtensions() + "/son.dic");
  const WirselRun run = Check(host, "Ala ma kotek.\n",
                              "expect \"Can't open spell checker.\"\nanswer ok\n"
                              "expect \"XTensions/son.dic]\"\nanswer ok\n");
  EXPECT_EQ(run.status, 2) << run.err;  // after the alert
  EXPECT_EQ(run.out, "Ala ma kotek.\n");
}

TEST(DictionaryPreferences, OkWritesEveryKeyAndCancelNothing) {
  const DictHost host;
  WirselRun run = host.Run({"menus", "--lang", "en"});
  run = host.Run({"run", Document("x\n"), "--do", "Dictionary Preferences...", "--lang", "en",
                  "--dialogs", Script("dialog \"Dictionary Preferences\"\nuncheck 1020\ncancel\n")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(fs::exists(host.xtensions() + "/Wirsel13.ini"));
  run = host.Run({"run", Document("x\n"), "--do", "Dictionary Preferences...", "--lang", "en",
                  "--dialogs",
                  Script("dialog \"Dictionary Preferences\"\nuncheck \"Skip CAPITALIZED words\"\n"
                         "uncheck \"Always Suggest\"\n"
                         "uncheck \"Accept hyphenated words whose parts are correct\"\nok\n")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadBytes(host.xtensions() + "/Wirsel13.ini"),
            "[1Slownik]\r\n2SlownikiUzytkownika=1\r\n3PominWERSALIKI=0\r\n4PominCYFRY=1\r\n"
            "5ZawszeSugeruj=0\r\n6SprawdzSlowoSkrotAktywny=1\r\n7SprawdzSlowoSkrot=Brak\r\n"
            "8SprawdzLancuchSkrotAktywny=1\r\n9SprawdzLancuchSkrot=Brak\r\n"
            "ASprawdzDokumentSkrotAktywny=1\r\nBSprawdzDokumentSkrot=Brak\r\n"
            "CAkceptujZLacznikiem=0\r\n");
}

TEST(DictionaryPreferences, EditorAddsChangesAndRemovesUserWords) {
  const DictHost host;
  const WirselRun run = host.Run(
      {"run", Document("x\n"), "--do", "Dictionary Preferences...", "--lang", "en", "--dialogs",
       Script("dialog \"Dictionary Preferences\"\nclick \"Edit User Dictionary\"\n"
              "dialog \"Edit list\"\nset 1079 piesek\nclick Add\nset 1079 kotek\nclick Add\n"
              "set 1079 Kotek\nchoose 1078 kotek\nset 1079 kotki\nclick Change\n"
              "choose 1078 piesek\nclick Remove\nexpect kotki\nclick Close\ncancel\n")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(UserDictionaryWords(host.xtensions() + "/user.dic"), ElementsAre("kotki"));
}

}  // namespace

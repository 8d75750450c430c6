// The spelling preferences in the settings file: defaults, the key order
// written, and values that do not fit.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/profile.h"
#include "spell/spell_options.h"

namespace fs = std::filesystem;

namespace {

class DictPrefsFile : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/dict-prefs-XXXXXX";
    folder_ = mkdtemp(pattern);
    path_ = folder_ + "/Wirsel13.ini";
  }
  void TearDown() override { fs::remove_all(folder_); }
  void Write(const std::string& text) {
    std::ofstream(path_, std::ios::binary) << text;
    SetProfileTarget(path_.c_str(), "Prefs");
  }
  std::string Read() const {
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::string folder_;
  std::string path_;
};

TEST_F(DictPrefsFile, MissingSectionGivesTheDefaults) {
  Write("[1Typografia]\n2Cudzyslow=0\n");
  const DictPrefs prefs = LoadDictPrefs();
  EXPECT_EQ(prefs.use_user_dictionary, 1);
  EXPECT_EQ(prefs.skip_all_capitals, 1);
  EXPECT_EQ(prefs.skip_with_digits, 1);
  EXPECT_EQ(prefs.always_suggest, 1);
  for (const DictShortcut* s : {&prefs.check_word, &prefs.check_story, &prefs.check_document}) {
    EXPECT_EQ(s->active, 1);
    EXPECT_STREQ(s->key, "Brak");
  }
}

TEST_F(DictPrefsFile, LongShortcutIsCutAndNonNumbersReadAsZero) {
  Write("[1Slownik]\n7SprawdzSlowoSkrot=Ctrl+Alt+Shift+W\n4PominCYFRY=tak\n");
  const DictPrefs prefs = LoadDictPrefs();
  EXPECT_STREQ(prefs.check_word.key, "Ctrl+Alt+S");
  EXPECT_EQ(prefs.skip_with_digits, 0);
  EXPECT_EQ(prefs.skip_all_capitals, 1);
}

TEST_F(DictPrefsFile, SaveWritesTheElevenKeysInOrderAndReadsBack) {
  Write("");
  DictPrefs prefs;
  prefs.skip_with_digits = 0;
  prefs.accept_compounds = 0;
  std::snprintf(prefs.check_story.key, sizeof prefs.check_story.key, "F7");
  prefs.check_story.active = 0;
  ASSERT_EQ(SaveDictPrefs(prefs), 0);
  EXPECT_EQ(Read(),
            "[1Slownik]\r\n2SlownikiUzytkownika=1\r\n3PominWERSALIKI=1\r\n4PominCYFRY=0\r\n"
            "5ZawszeSugeruj=1\r\n6SprawdzSlowoSkrotAktywny=1\r\n7SprawdzSlowoSkrot=Brak\r\n"
            "8SprawdzLancuchSkrotAktywny=0\r\n9SprawdzLancuchSkrot=F7\r\n"
            "ASprawdzDokumentSkrotAktywny=1\r\nBSprawdzDokumentSkrot=Brak\r\n"
            "CAkceptujZLacznikiem=0\r\n");
  const DictPrefs read = LoadDictPrefs();
  EXPECT_EQ(read.skip_with_digits, 0);
  EXPECT_EQ(read.accept_compounds, 0);
  EXPECT_EQ(read.check_story.active, 0);
  EXPECT_STREQ(read.check_story.key, "F7");
}

}  // namespace

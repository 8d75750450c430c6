// Spelling preferences that do not fit their fields (the keys written are
// checked through the real host in user_dictionary_test.cpp).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/profile.h"
#include "spell/dictprefs.h"

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
  std::string folder_;
  std::string path_;
};

TEST_F(DictPrefsFile, LongShortcutIsCutAndNonNumbersReadAsZero) {
  Write("[1Slownik]\n7SprawdzSlowoSkrot=Ctrl+Alt+Shift+W\n4PominCYFRY=tak\n");
  const DictPrefs prefs = LoadDictPrefs();
  EXPECT_STREQ(prefs.check_word.key, "Ctrl+Alt+S");
  EXPECT_EQ(prefs.skip_with_digits, 0);
  EXPECT_EQ(prefs.skip_all_capitals, 1);
}

}  // namespace

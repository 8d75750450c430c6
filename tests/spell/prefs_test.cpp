// Spelling preferences that do not fit their fields (the keys written are
// checked through the real host in user_dictionary_test.cpp).
#include <gtest/gtest.h>

#include "base/profile.h"
#include "spell/spell_options.h"
#include "tests/platform/tempdir.h"

namespace {

TEST(DictPrefsFile, LongShortcutIsCutAndNonNumbersReadAsZero) {
  testutil::TempDir dir;
  testutil::WriteFile(dir / "Wirsel13.ini",
                      "[1Slownik]\n7SprawdzSlowoSkrot=Ctrl+Alt+Shift+W\n4PominCYFRY=tak\n");
  SetProfileTarget((dir / "Wirsel13.ini").c_str(), "Prefs");
  const DictPrefs prefs = LoadDictPrefs();
  EXPECT_STREQ(prefs.check_word.key, "Ctrl+Alt+S");
  EXPECT_EQ(prefs.skip_with_digits, 0);
  EXPECT_EQ(prefs.skip_all_capitals, 1);
}

}  // namespace

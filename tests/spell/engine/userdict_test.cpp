// User dictionaries: the exact bytes of the front-coded list after inserts
// and removals, damaged and cut files, the chain the checks consult, and
// saving that never leaves a worse file.
#include "spell/engine/user_dict.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "platform/faults.h"
#include "spell/engine/spell.h"
#include "tests/spell/engine/spell_test_util.h"

namespace {

using Bytes = std::vector<uint8_t>;

class UserDictTest : public ::testing::Test {
 protected:
  void TearDown() override {
    spell_close();
  }
  UserDict* Load() {
    UserDict* dict = nullptr;
    EXPECT_EQ(userdict_load(path_.c_str(), &dict), 0);
    return dict;
  }
  UserDict* Fresh() {
    EXPECT_EQ(userdict_create(path_.c_str()), 0);
    return Load();
  }
  Bytes File() const { return spelltest::ReadBytes(path_); }
  std::vector<std::string> Words(UserDict* dict) {
    std::vector<std::string> words;
    char buffer[256];
    int more = userdict_next_word(dict, buffer, sizeof buffer, 1);
    while (buffer[0]) {
      words.push_back(buffer);
      if (!more) break;
      more = userdict_next_word(dict, buffer, sizeof buffer, 0);
    }
    return words;
  }
  std::string folder_ = spelltest::TempFolder("userdict");
  std::string path_ = folder_ + "/user.dic";
};

TEST_F(UserDictTest, InsertionsKeepTheFrontCodingExact) {
  UserDict* dict = Fresh();
  for (const char* w : {"kot", "kos", "ko", "Kot"}) userdict_add_word(dict, w);
  const Bytes expected{0x11, 0, 0, 0,    0, 0x39, 0x6F, 0x76, 1, 0, 0x69,
                       0x6F, 1, 2, 0x74, 1, 2,    0x76, 1,    0, 0};
  EXPECT_EQ(File(), expected);
  for (int pass = 0; pass < 2; ++pass) {
    for (const char* w : {"kot", "kos", "ko", "Kot"}) EXPECT_EQ(userdict_contains(dict, w), 1) << w;
    for (const char* w : {"k", "koty", "kOt", "KOT", "kor"})
      EXPECT_EQ(userdict_contains(dict, w), 0) << w;
    EXPECT_EQ(Words(dict), (std::vector<std::string>{"Kot", "ko", "kos", "kot"}));
    ASSERT_EQ(userdict_unload(&dict), 0);
    EXPECT_EQ(dict, nullptr);
    dict = Load();
  }
}

TEST_F(UserDictTest, RemovalPassesSharedLettersOnAndEndsWithAProperMark) {
  UserDict* dict = Fresh();
  for (const char* w : {"kot", "kota", "pies"}) userdict_add_word(dict, w);
  EXPECT_EQ(userdict_remove_word(dict, "kota"), 0);
  EXPECT_EQ(File(),
            (Bytes{13, 0, 0, 0, 0, 0x69, 0x6F, 0x76, 1, 0, 0x71, 0x67, 0x62, 0x74, 1, 0, 0}));
  EXPECT_EQ(userdict_contains(dict, "pies"), 1);
  EXPECT_EQ(userdict_remove_word(dict, "pies"), 0);
  EXPECT_EQ(File(), (Bytes{7, 0, 0, 0, 0, 0x69, 0x6F, 0x76, 1, 0, 0}));
  for (const char* w : {"kp", "kr", "zz", "pies"}) EXPECT_EQ(userdict_contains(dict, w), 0) << w;
  userdict_add_word(dict, "ala");
  EXPECT_EQ(Words(dict), (std::vector<std::string>{"ala", "kot"}));
}

TEST_F(UserDictTest, RemovingTheFirstWordOfAGroupKeepsTheNextReadable) {
  UserDict* dict = Fresh();
  for (const char* w : {"kot", "kota", "kotek", "kos"}) userdict_add_word(dict, w);
  EXPECT_EQ(userdict_remove_word(dict, "kot"), 0);
  EXPECT_EQ(Words(dict), (std::vector<std::string>{"kos", "kota", "kotek"}));
  EXPECT_EQ(userdict_remove_word(dict, "nic"), 0);
  EXPECT_EQ(Words(dict), (std::vector<std::string>{"kos", "kota", "kotek"}));
}

TEST_F(UserDictTest, AddingTwiceStoresOnceAndWritesBothTimes) {
  UserDict* dict = Fresh();
  userdict_add_word(dict, "wirsel");
  std::filesystem::remove(path_);
  userdict_add_word(dict, "wirsel");
  EXPECT_EQ(Words(dict), (std::vector<std::string>{"wirsel"}));
  EXPECT_EQ(File().size(), 4u + 1 + 6 + 1 + 2);
}

TEST_F(UserDictTest, WordsWithoutLettersOrTooLongAreNotStored) {
  UserDict* dict = Fresh();
  userdict_add_word(dict, "3D");
  userdict_add_word(dict, "");
  userdict_add_word(dict, std::string(300, 'a').c_str());
  userdict_add_word(dict, "abc5");
  for (const char* w : {"-", "--", "e-mail"}) userdict_add_word(dict, w);
  EXPECT_EQ(Words(dict), (std::vector<std::string>{"abc", "e-mail"}));
  EXPECT_EQ(userdict_contains(dict, "3D"), 0);
  EXPECT_EQ(userdict_contains(dict, std::string(1000, 'a').c_str()), 0);
}

TEST_F(UserDictTest, LengthFieldBeyondTheFileLoadsWhatIsThere) {
  // Claims 23 bytes; holds "kot", "kota" and half of a third entry.
  spelltest::WriteBytes(path_, {23, 0, 0, 0, 0, 0x69, 0x6F, 0x76, 1, 3, 0x5C, 1, 0, 0x71, 0x67});
  UserDict* dict = Load();
  EXPECT_EQ(Words(dict), (std::vector<std::string>{"kot", "kota"}));
  EXPECT_EQ(userdict_contains(dict, "pies"), 0);
  EXPECT_EQ(userdict_contains(dict, "kota"), 1);
  userdict_add_word(dict, "ala");
  EXPECT_EQ(Words(dict), (std::vector<std::string>{"ala", "kot", "kota"}));
}

TEST_F(UserDictTest, EmptyOrMissingFilesFailToLoad) {
  UserDict* dict = reinterpret_cast<UserDict*>(this);
  EXPECT_EQ(userdict_load((folder_ + "/none.dic").c_str(), &dict), kUserDictCannotOpen);
  EXPECT_EQ(dict, nullptr);
  spelltest::WriteBytes(path_, {});
  EXPECT_EQ(userdict_load(path_.c_str(), &dict), kUserDictUnreadable);
  spelltest::WriteBytes(path_, {2, 0, 0});
  EXPECT_EQ(userdict_load(path_.c_str(), &dict), kUserDictUnrecognised);
  EXPECT_EQ(userdict_create((folder_ + "/no/such/folder/user.dic").c_str()), kUserDictCannotCreate);
  EXPECT_EQ(userdict_unload(&dict), kUserDictNoneLoaded);
  UserDict* fresh = Fresh();
  EXPECT_EQ(userdict_unload(&dict), kUserDictNullHandle);
  EXPECT_EQ(userdict_unload(&fresh), 0);
}

TEST_F(UserDictTest, FailedSaveKeepsThePreviousFile) {
  UserDict* dict = Fresh();
  userdict_add_word(dict, "kot");
  const Bytes before = File();
  platform::SetFaultSwitch("write:1:ENOSPC");
  EXPECT_EQ(userdict_add_word(dict, "pies"), kUserDictNotSaved);
  platform::SetFaultSwitch(nullptr);
  EXPECT_EQ(userdict_save_error(dict), ENOSPC);
  EXPECT_EQ(File(), before);
  // Nothing unsaved is shown.
  EXPECT_EQ(Words(dict), (std::vector<std::string>{"kot"}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_),
                          std::filesystem::directory_iterator()),
            1);
  EXPECT_EQ(userdict_add_word(dict, "pies"), 0);
  UserDict* again = nullptr;
  ASSERT_EQ(userdict_load(path_.c_str(), &again), 0);
  EXPECT_EQ(Words(again), (std::vector<std::string>{"kot", "pies"}));
}

TEST_F(UserDictTest, SaveMergesWithWhatAnotherWriterSavedMeanwhile) {
  UserDict* first = Fresh();
  UserDict* second = Load();
  userdict_add_word(first, "kot");
  userdict_add_word(second, "pies");
  userdict_remove_word(first, "nic");
  EXPECT_EQ(Words(first), (std::vector<std::string>{"kot", "pies"}));
  UserDict* again = Load();
  EXPECT_EQ(Words(again), (std::vector<std::string>{"kot", "pies"}));
}

TEST_F(UserDictTest, PlainWordListIsReadAndChangedLineByLine) {
  const std::string text = "# own words\nKowalski/SX\n  żółw \nwirsel\n";
  spelltest::WriteBytes(path_, Bytes(text.begin(), text.end()));
  UserDict* dict = Load();
  EXPECT_EQ(userdict_format(dict), UserDictFormat::kPlain);
  EXPECT_EQ(userdict_contains(dict, "Kowalski"), 1);
  EXPECT_EQ(userdict_contains(dict, "\xBF\xF3\xB3w"), 1);  // żółw in Windows-1250
  EXPECT_EQ(userdict_add_word(dict, "kot"), 0);
  EXPECT_EQ(userdict_remove_word(dict, "wirsel"), 0);
  const Bytes now = File();
  EXPECT_EQ(std::string(now.begin(), now.end()), "# own words\nKowalski/SX\n  żółw \nkot\n");
}

TEST_F(UserDictTest, ChecksConsultEveryLoadedDictionaryWithTheCaseRules) {
  UserDict* dict = Fresh();
  for (const char* w : {"iPhone", "wirsel", "Kowalski"}) userdict_add_word(dict, w);
  std::string second = folder_ + "/second.dic";
  ASSERT_EQ(userdict_create(second.c_str()), 0);
  UserDict* other = nullptr;
  ASSERT_EQ(userdict_load(second.c_str(), &other), 0);
  userdict_add_word(other, "zupa");
  for (const char* w :
       {"iPhone", "wirsel", "Wirsel", "WIRSEL", "Kowalski", "KOWALSKI", "zupa", "ZUPA"}) {
    EXPECT_EQ(spell_check_word(w), 1) << w;
  }
  for (const char* w : {"IPHONE", "iphone", "kowalski", "wIRSEL"})
    EXPECT_EQ(spell_check_word(w), 0) << w;
  ASSERT_EQ(userdict_unload(&other), 0);
  EXPECT_EQ(spell_check_word("zupa"), 0);
  EXPECT_EQ(spell_check_word("wirsel"), 1);
}

TEST_F(UserDictTest, RandomBytesNeverReadOutsideTheList) {
  std::mt19937 random(7);
  for (int round = 0; round < 400; ++round) {
    Bytes bytes(4 + random() % 40);
    for (uint8_t& b : bytes) b = uint8_t(random() % 4 == 0 ? random() % 3 : 90 + random() % 40);
    bytes[0] = uint8_t(random() % 64);
    bytes[1] = bytes[2] = bytes[3] = 0;
    spelltest::WriteBytes(path_, bytes);
    UserDict* dict = nullptr;
    if (userdict_load(path_.c_str(), &dict) != 0) continue;
    for (const char* w : {"a", "ka", "kot", "\xbf\xbf"}) {
      userdict_contains(dict, w);
      spell_check_word(w);
    }
    Words(dict);
    userdict_add_word(dict, "kot");
    EXPECT_EQ(userdict_contains(dict, "kot"), 1);
    userdict_remove_word(dict, "kot");
    EXPECT_EQ(userdict_contains(dict, "kot"), 0);
    userdict_unload(&dict);
  }
}

}  // namespace

// The user exception list: order, add/remove/enumerate, and PLHYPH.USR as it
// is created, loaded, rewritten and protected when it does not load.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/faults.h"
#include "tests/hyph/engine/hyph_test_util.h"

namespace {

std::string LittleEndianSize(size_t size) {
  return {char(size), char(size >> 8), char(size >> 16), char(size >> 24)};
}

class UserList : public ::testing::Test {
 protected:
  void SetUp() override {
    dat_ = WriteHyphData(dir_ / "PLHYPH.DAT", "a1b\n", "", "prze-pis\n");
    ASSERT_EQ(hyph_open(dat_.c_str(), &e_.engine), kHyphOk);
  }
  int Attach() { return hyph_open_exceptions(usr_.c_str(), e_.engine); }
  std::vector<std::string> Entries() {
    std::vector<std::string> out;
    char buffer[256];
    for (bool restart = true; hyph_exc_next(e_.engine, buffer, sizeof buffer, restart);
         restart = false) {
      out.push_back(Utf8(buffer));
    }
    return out;
  }
  int Add(const std::string& utf8) { return hyph_exc_add(e_.engine, Cp1250(utf8).c_str()); }
  int Remove(const std::string& utf8) { return hyph_exc_remove(e_.engine, Cp1250(utf8).c_str()); }
  // The file must hold its little-endian size and the list in memory.
  void ExpectFileMirrorsList() {
    const std::string file = ReadBytes(usr_);
    ASSERT_GE(file.size(), 5u);
    const std::string list = file.substr(4);
    EXPECT_EQ(file.substr(0, 4), LittleEndianSize(list.size()));
    EXPECT_EQ(list.back(), '\0');
  }

  ScratchDir dir_;
  std::filesystem::path dat_;
  std::filesystem::path usr_ = dir_ / "PLHYPH.USR";
  EngineCloser e_;
};

TEST_F(UserList, MissingFileIsCreatedFromTheDefaultList) {
  ASSERT_EQ(Attach(), kHyphOk);
  const std::string expected = std::string("\x0C\x07przepis\0\x04\0\0", 13);
  EXPECT_EQ(ReadBytes(usr_), LittleEndianSize(13) + expected);
  EXPECT_EQ(Entries(), std::vector<std::string>{"prze-pis"});
}

TEST_F(UserList, OrderIsLongestFirstThenCodedBytes) {
  WriteBytes(usr_, LittleEndianSize(1) + std::string(1, '\0'));
  ASSERT_EQ(Attach(), kHyphOk);
  for (const char* w : {"zab", "zą-b", "aab", "ab", "a-bc"}) {
    EXPECT_EQ(Add(w), kHyphOk) << w;
    ExpectFileMirrorsList();
  }
  EXPECT_EQ(Entries(), (std::vector<std::string>{"aab", "a-bc", "zą-b", "zab", "ab"}));
  EXPECT_TRUE(hyph_exc_contains(e_.engine, Cp1250("ZĄB").c_str()));
  EXPECT_TRUE(hyph_exc_contains(e_.engine, "ab"));
  EXPECT_FALSE(hyph_exc_contains(e_.engine, "abd"));
  EXPECT_EQ(Remove("z-ąb"), kHyphOk);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"aab", "a-bc", "zab", "ab"}));
  EXPECT_EQ(Add("Za-b"), kHyphExcUnchanged);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"aab", "a-bc", "zab", "ab"}));
  ExpectFileMirrorsList();
}

TEST_F(UserList, ExceptionsDecideBreaksOnlyWhenUserListIsConsulted) {
  ASSERT_EQ(Attach(), kHyphOk);
  EXPECT_EQ(Hyphenate(e_.engine, "aabbaabb", true), "aa-bbaa-bb");
  ASSERT_EQ(Add("aab-baabb"), kHyphOk);
  EXPECT_EQ(Hyphenate(e_.engine, "AABBAABB", true), "AAB-BAABB");
  EXPECT_EQ(Hyphenate(e_.engine, "aabbaabb", false), "aa-bbaa-bb");
  ASSERT_EQ(Add("aabbaab"), kHyphOk);
  EXPECT_EQ(Hyphenate(e_.engine, "aabbaab"), "aabbaab") << "an entry without hyphens forbids all";
}

TEST_F(UserList, WordsWithoutLettersOrTooManyHyphensAreRefused) {
  ASSERT_EQ(Attach(), kHyphOk);
  const std::string before = ReadBytes(usr_);
  EXPECT_EQ(Add("---"), kHyphExcUnchanged);
  EXPECT_EQ(Add(""), kHyphExcUnchanged);
  std::string fifty;
  for (int i = 0; i < 50; ++i) fifty += "a-";
  EXPECT_EQ(Add(fifty), kHyphExcUnchanged);
  EXPECT_EQ(Add(std::string(252, 'a')), kHyphExcUnchanged);
  EXPECT_EQ(Add(std::string(1000, 'a')), kHyphExcUnchanged);
  EXPECT_EQ(ReadBytes(usr_), before);
  EXPECT_EQ(Add(std::string(251, 'a')), kHyphOk);
  EXPECT_FALSE(hyph_exc_contains(e_.engine, std::string(1000, 'a').c_str()));
  EXPECT_EQ(Remove(std::string(1000, 'a')), kHyphExcUnchanged);
}

TEST_F(UserList, WithoutAUserFileNothingCanBeChanged) {
  EXPECT_EQ(Add("kot"), kHyphExcNoList);
  EXPECT_EQ(Remove("prze-pis"), kHyphExcUnchanged);
  EXPECT_FALSE(std::filesystem::exists(usr_));
  EXPECT_EQ(Hyphenate(e_.engine, "przepis"), "prze-pis") << "the default list still counts";
}

TEST_F(UserList, EnumerationEndsWithoutTouchingTheBufferAndRestarts) {
  ASSERT_EQ(Attach(), kHyphOk);
  char buffer[256] = "unchanged";
  ASSERT_EQ(hyph_exc_next(e_.engine, buffer, sizeof buffer, true), 1);
  std::strcpy(buffer, "unchanged");
  EXPECT_EQ(hyph_exc_next(e_.engine, buffer, sizeof buffer, false), 0);
  EXPECT_STREQ(buffer, "unchanged");
  EXPECT_EQ(hyph_exc_next(e_.engine, buffer, sizeof buffer, true), 1);
  EXPECT_STREQ(buffer, "prze-pis");
  char tiny[4];
  EXPECT_EQ(hyph_exc_next(e_.engine, tiny, sizeof tiny, true), 0);
}

TEST_F(UserList, BigEndianSizeIsAcceptedAndRewrittenLittleEndian) {
  // 278 entries of seven letters (11 bytes), one more with three hyphens
  // (14 bytes) and the end: 3073 bytes, stored with the size 00 00 0C 01.
  std::string list;
  for (int i = 0; i < 279; ++i) {
    const std::string word = {'k', 'o', 't', 'e', char('a' + i / 26 / 26), char('a' + i / 26 % 26),
                              char('a' + i % 26)};
    const bool last = i == 278;
    list += std::string(1, char(last ? 14 : 11)) + '\x07' + word + '\0';
    if (last) list += std::string("\x02\x04\x05", 3);
    list += '\0';
  }
  list += '\0';
  ASSERT_EQ(list.size(), 3073u);
  WriteBytes(usr_, std::string("\x00\x00\x0C\x01", 4) + list);
  ASSERT_EQ(Attach(), kHyphOk);
  EXPECT_EQ(Entries().size(), 279u);
  EXPECT_EQ(Entries().back(), "ko-te-a-ks");
  ASSERT_EQ(Add("pies"), kHyphOk);
  const std::string file = ReadBytes(usr_);
  EXPECT_EQ(file.substr(0, 4), LittleEndianSize(3073 + 8));
  EXPECT_EQ(file.substr(4, 3072), list.substr(0, 3072));
}

// Files that exist but do not load are left exactly as they were.
TEST_F(UserList, FilesThatDoNotLoadAreNeverOverwritten) {
  const std::string complete = std::string("\x0C\x07przepis\0\x04\0\0", 13);
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"huge size", std::string("\xFF\xFF\xFF\xFF", 4) + complete},
      {"cut inside an entry", LittleEndianSize(25) + complete.substr(0, 12) + complete.substr(0, 6)},
      {"no terminating zero", LittleEndianSize(12) + complete.substr(0, 12)},
      {"shorter than the size field", std::string("\x05\x00", 2)},
      {"nothing after the size", LittleEndianSize(10)},
  };
  for (const auto& [what, bytes] : cases) {
    WriteBytes(usr_, bytes);
    EXPECT_NE(Attach(), kHyphOk) << what;
    EXPECT_FALSE(hyph_has_user_file(e_.engine)) << what;
    EXPECT_EQ(Add("kot"), kHyphExcNoList) << what;
    EXPECT_EQ(ReadBytes(usr_), bytes) << what;
  }
  EXPECT_EQ(Hyphenate(e_.engine, "przepis"), "prze-pis")
      << "whole entries before a cut stay in use";
}

// Runs the rest of a scope as another user (effective id only).
class AsUser {
 public:
  explicit AsUser(uid_t uid) : ok_(::seteuid(uid) == 0) {}
  ~AsUser() {
    if (ok_) (void)::seteuid(0);
  }
  bool ok() const { return ok_; }

 private:
  bool ok_;
};

TEST_F(UserList, UnreadableFileIsNeverOverwritten) {
  const std::string bytes = LittleEndianSize(1) + std::string(1, '\0');
  WriteBytes(usr_, bytes);
  ::chmod(usr_.c_str(), 0);
  if (::geteuid() != 0) {
    EXPECT_EQ(Attach(), kHyphUserOpen);
  } else {
    // Permissions do not stop root: attach as user nobody, who owns the
    // folder (so could replace the file) but cannot read the file.
    constexpr uid_t kNobody = 65534;
    ASSERT_EQ(::chown(dir_.path().c_str(), kNobody, static_cast<gid_t>(-1)), 0);
    AsUser nobody(kNobody);
    struct stat st;
    if (!nobody.ok() || ::stat(usr_.c_str(), &st) != 0) {
      GTEST_SKIP() << "as root, this needs a temporary folder that user nobody can reach";
    }
    EXPECT_EQ(Attach(), kHyphUserOpen);
  }
  ::chmod(usr_.c_str(), 0600);
  EXPECT_EQ(ReadBytes(usr_), bytes);
}

TEST_F(UserList, CompleteListInAFileShorterThanItsSizeIsAccepted) {
  const std::string complete = std::string("\x0C\x07przepis\0\x04\0\0", 13);
  WriteBytes(usr_, LittleEndianSize(65536) + complete);
  ASSERT_EQ(Attach(), kHyphOk);
  EXPECT_EQ(Entries(), std::vector<std::string>{"prze-pis"});
  ASSERT_EQ(Add("kot"), kHyphOk);
  EXPECT_EQ(ReadBytes(usr_).substr(0, 4), LittleEndianSize(13 + 7));
}

TEST_F(UserList, FailedSaveKeepsTheOldFile) {
  ASSERT_EQ(Attach(), kHyphOk);
  const std::string before = ReadBytes(usr_);
  for (const char* fault : {"write:1:ENOSPC", "sync:1:EIO", "rename:1:EIO"}) {
    platform::SetFaultSwitch(fault);
    EXPECT_EQ(Add("kot"), kHyphExcNotSaved) << fault;
    platform::SetFaultSwitch(nullptr);
    EXPECT_NE(hyph_save_error(), 0) << fault;
    EXPECT_EQ(ReadBytes(usr_), before) << fault;
    // Nothing unsaved is shown.
    EXPECT_EQ(Entries(), (std::vector<std::string>{"prze-pis"})) << fault;
  }
  ASSERT_EQ(Add("pies"), kHyphOk);
  ExpectFileMirrorsList();
  EXPECT_EQ(Entries(), (std::vector<std::string>{"prze-pis", "pies"}));
}

TEST_F(UserList, NoMemoryToGrowLeavesTheListUnchanged) {
  ASSERT_EQ(Attach(), kHyphOk);
  eng_block_fail_after(0);
  EXPECT_EQ(Add("kot"), kHyphExcNoList);
  eng_block_fail_after(-1);
  EXPECT_EQ(Entries(), std::vector<std::string>{"prze-pis"});
}

// Random adds and removes against a std::set of letter strings; the list's
// enumeration must always be the set in the engine's order.
TEST_F(UserList, RandomEditsAgreeWithASet) {
  ASSERT_EQ(Attach(), kHyphOk);
  ASSERT_EQ(Remove("przepis"), kHyphOk);
  std::mt19937 random(13);
  const std::string alphabet = Cp1250("aąbzż");
  const auto order = [](const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return a.size() > b.size();
    std::string ca, cb;
    for (char c : a) ca += char(c == char(0xB9) ? 'A' : c == char(0xBF) ? 'Z' : c);
    for (char c : b) cb += char(c == char(0xB9) ? 'A' : c == char(0xBF) ? 'Z' : c);
    return ca < cb;
  };
  std::set<std::string, decltype(order)> model(order);
  for (int step = 0; step < 2000; ++step) {
    std::string word;
    const int length = 1 + int(random() % 4);
    for (int i = 0; i < length; ++i) word += alphabet[random() % alphabet.size()];
    if (random() % 3 != 0) {
      EXPECT_EQ(hyph_exc_add(e_.engine, word.c_str()), model.insert(word).second ? kHyphOk : kHyphExcUnchanged);
    } else {
      EXPECT_EQ(hyph_exc_remove(e_.engine, word.c_str()), model.erase(word) ? kHyphOk : kHyphExcUnchanged);
    }
    EXPECT_EQ(hyph_exc_contains(e_.engine, word.c_str()), model.count(word) == 1);
  }
  std::vector<std::string> expected;
  for (const std::string& w : model) expected.push_back(Utf8(w));
  EXPECT_EQ(Entries(), expected);
  ExpectFileMirrorsList();
}

}  // namespace

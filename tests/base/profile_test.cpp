// The profile store: target handling, strings, numbers, escaped characters,
// hex blocks, write failures, batches, the encoding on disk and where a bare
// settings-file name is looked for.
#include "base/profile.h"

#include <errno.h>
#include <gtest/gtest.h>
#include <limits.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "platform/ini.h"
#include "tests/platform/tempdir.h"

namespace {

using testutil::ReadFile;
using testutil::ScopedEnv;
using testutil::TempDir;
using testutil::WriteFile;

class Profile : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SetProfileTarget(file_.c_str(), "1Typografia"));
    FlushProfile();
  }
  void TearDown() override { SetProfileTarget("", ""); }

  // The text stored under `key`, as it is in the file.
  std::string Stored(const char* key) {
    char out[256];
    platform::IniRead(file_.c_str(), "1Typografia", key, "<none>", out, sizeof out);
    return out;
  }
  std::string ReadString(const char* key, const char* def = "<default>") {
    char out[256];
    ReadProfileString(key, def, out, sizeof out);
    return out;
  }
  std::string ReadChar(const char* key) {
    char out[8];
    return ReadProfileChar(key, "", out, sizeof out);
  }

  TempDir dir_;
  std::string file_ = dir_ / "Wirsel13.ini";
};

TEST_F(Profile, TargetHalvesChangeIndependently) {
  ASSERT_TRUE(SetProfileTarget(nullptr, "1Slownik"));
  char file[PATH_MAX], section[64];
  ASSERT_TRUE(GetProfileTarget(file, sizeof file, section, sizeof section));
  EXPECT_EQ(file, file_);
  EXPECT_STREQ(section, "1Slownik");
  ASSERT_TRUE(GetProfileTarget(nullptr, 0, section, sizeof section));
  char tiny[4] = "xx";
  EXPECT_FALSE(GetProfileTarget(tiny, sizeof tiny, nullptr, 0));
  EXPECT_STREQ(tiny, "");
}

TEST_F(Profile, OverlongPathIsRefusedNotTruncated) {
  std::string huge = dir_.path() + "/" + std::string(kProfilePathSize, 'a');
  EXPECT_FALSE(SetProfileTarget(huge.c_str(), nullptr));
  char file[PATH_MAX] = "junk";
  GetProfileTarget(file, sizeof file, nullptr, 0);
  EXPECT_STREQ(file, "");
  EXPECT_EQ(ReadString("k"), "<default>");
  EXPECT_FALSE(WriteProfileString("k", "v"));
  EXPECT_EQ(FlushProfile(), ENOENT);
  EXPECT_EQ(FlushProfile(), 0);
  EXPECT_TRUE(dir_.List().empty());
  EXPECT_FALSE(SetProfileTarget(nullptr, std::string(300, 's').c_str()));
}

TEST_F(Profile, CharactersRoundTripThroughEscapes) {
  struct Case {
    const char* character;
    const char* stored;
  } cases[] = {{"\t", "\\t"}, {"\n", "\\n"}, {"\r", "\\r"}, {"\\", "\\\\"}, {"x", "x"}};
  for (const Case& c : cases) {
    ASSERT_TRUE(WriteProfileChar("2Znak", c.character));
    EXPECT_EQ(Stored("2Znak"), c.stored) << c.stored;
    EXPECT_EQ(ReadChar("2Znak"), c.character) << c.stored;
  }
  WriteFile(file_, "[1Typografia]\nother=\\q\nplain=abc\n");
  EXPECT_EQ(ReadChar("other"), "q");
  EXPECT_EQ(ReadChar("plain"), "abc");
  ASSERT_TRUE(WriteProfileByte("b", 'Q'));
  EXPECT_EQ(ReadProfileByte("b", 'x'), 'Q');
  EXPECT_EQ(ReadProfileByte("missing", 'x'), 'x');
}

TEST_F(Profile, ByteBlocksAreHexOfExactLength) {
  const unsigned char bytes[] = {0x00, 0xFF, 0x10, 0xAB};
  ASSERT_TRUE(WriteProfileBytes("3Blok", bytes, 4));
  EXPECT_EQ(Stored("3Blok"), "00FF10AB");
  unsigned char back[4] = {};
  ReadProfileBytes("3Blok", back, 4);
  EXPECT_EQ(0, memcmp(back, bytes, 4));

  WriteFile(file_, "[1Typografia]\nseven=0123456\nnine=012345678\nodd=G1zz0a0b\n");
  struct Case {
    const char* key;
    const char* bytes;
  } cases[] = {{"seven", "\0\0\0\0"}, {"nine", "\0\0\0\0"}, {"missing", "\0\0\0\0"},
               {"odd", "\x01\x00\x0A\x0B"}};  // a non-digit counts as 0
  for (const Case& c : cases) {
    unsigned char out[4] = {7, 7, 7, 7};
    ReadProfileBytes(c.key, out, 4);
    EXPECT_EQ(0, memcmp(out, c.bytes, 4)) << c.key;
  }
}

TEST_F(Profile, NumbersReadLikeAtoi) {
  WriteFile(file_, "[1Typografia]\nabc=abc\nlead=12abc\nneg= -5 \nhuge=99999999999\nempty=\n");
  EXPECT_EQ(ReadProfileInt("abc", 7), 0);
  EXPECT_EQ(ReadProfileInt("lead", 7), 12);
  EXPECT_EQ(ReadProfileInt("neg", 7), -5);
  EXPECT_EQ(ReadProfileInt("huge", 7), INT32_MAX);
  EXPECT_EQ(ReadProfileInt("empty", 7), 0);
  EXPECT_EQ(ReadProfileInt("missing", -42), -42);
  ASSERT_TRUE(WriteProfileInt("n", INT32_MIN));
  EXPECT_EQ(Stored("n"), "-2147483648");
  EXPECT_EQ(ReadProfileInt("n", 0), INT32_MIN);
}

TEST_F(Profile, StringsKeepQuotesAndAreBounded) {
  ASSERT_TRUE(WriteProfileString("s", "ab\"c\""));
  EXPECT_EQ(ReadString("s"), "ab\"c\"");
  ASSERT_TRUE(WriteProfileString("s", "\"quoted\""));
  EXPECT_EQ(ReadString("s"), "\"quoted\"");
  char small[3];
  EXPECT_EQ(ReadProfileString("s", "", small, sizeof small), 2u);
  EXPECT_STREQ(small, "\"q");
  ASSERT_TRUE(WriteProfileString("s", nullptr));
  EXPECT_EQ(ReadString("s"), "<default>");
}

TEST_F(Profile, SectionsAreKeptApart) {
  ASSERT_TRUE(WriteProfileInt("2Opcja", 1));
  SetProfileTarget(nullptr, "1Slownik");
  ASSERT_TRUE(WriteProfileInt("2Opcja", 2));
  EXPECT_EQ(ReadProfileInt("2opcja", 0), 2);
  SetProfileTarget(nullptr, "1TYPOGRAFIA");
  EXPECT_EQ(ReadProfileInt("2Opcja", 0), 1);
}

TEST_F(Profile, WriteFailuresAreReportedByFlush) {
  ASSERT_TRUE(WriteProfileInt("2Opcja", 1));
  std::string before = ReadFile(file_);
  {
    ScopedEnv env("WIRSEL_READONLY_DIRS", dir_.path().c_str());
    EXPECT_FALSE(WriteProfileInt("2Opcja", 2));
    EXPECT_FALSE(WriteProfileInt("3Opcja", 3));
  }
  EXPECT_EQ(ReadFile(file_), before);
  EXPECT_EQ(FlushProfile(), EACCES);
  EXPECT_EQ(FlushProfile(), 0);
  SetProfileTarget("", nullptr);
  EXPECT_FALSE(WriteProfileInt("2Opcja", 2));
  EXPECT_EQ(FlushProfile(), ENOENT);
}

TEST(LocateSettingsFile, BareNameLivesInTheUserFolderNotTheCurrentOne) {
  TempDir data, cwd;
  ScopedEnv xdg("XDG_DATA_HOME", data.path().c_str());
  char old[PATH_MAX];
  ASSERT_NE(getcwd(old, sizeof old), nullptr);
  ASSERT_EQ(chdir(cwd.path().c_str()), 0);
  WriteFile(cwd / "Wirsel13.ini", "[s]\n");
  char path[PATH_MAX];
  EXPECT_EQ(LocateSettingsFile("Wirsel13.ini", path, sizeof path), kProfileFileNotFound);
  EXPECT_EQ(std::string(path), data / "Wirsel13/Wirsel13.ini");
  WriteFile(data / "Wirsel13/Wirsel13.ini", "[s]\n");
  EXPECT_EQ(LocateSettingsFile("Wirsel13.ini", path, sizeof path), 0);
  EXPECT_EQ(LocateSettingsFile((cwd / "Wirsel13.ini").c_str(), path, sizeof path), 0);
  EXPECT_EQ(std::string(path), cwd / "Wirsel13.ini");
  ASSERT_EQ(chdir(old), 0);
}

TEST_F(Profile, BatchWritesTheFileOnceWithEveryKey) {
  std::filesystem::remove(file_);
  BeginProfileBatch();
  EXPECT_TRUE(WriteProfileInt("2Cudzyslow", 1));
  EXPECT_TRUE(WriteProfileString("11Znaki", ".,;"));
  // Nothing is on disk until the flush.
  EXPECT_EQ(ReadFile(file_), "");
  EXPECT_EQ(FlushProfile(), 0);
  EXPECT_EQ(ReadFile(file_), "[1Typografia]\r\n2Cudzyslow=1\r\n11Znaki=.,;\r\n");
}

TEST_F(Profile, BatchThatCannotBeWrittenLeavesTheOldFile) {
  WriteFile(file_, "[1Typografia]\n2Cudzyslow=0\n");
  ScopedEnv env("WIRSEL_READONLY_DIRS", dir_.path().c_str());
  BeginProfileBatch();
  WriteProfileInt("2Cudzyslow", 1);
  WriteProfileInt("3Cytat", 2);
  EXPECT_EQ(FlushProfile(), EACCES);
  EXPECT_EQ(ReadFile(file_), "[1Typografia]\n2Cudzyslow=0\n");
}

TEST_F(Profile, ValuesAreUtf8OnDiskAndWindows1250InMemory) {
  // "ząb" as the plug-in holds it.
  ASSERT_TRUE(WriteProfileString("18nbspAfterWords", "z\xB9" "b"));
  EXPECT_EQ(ReadFile(file_), "[1Typografia]\r\n18nbspAfterWords=z\xC4\x85" "b\r\n");
  char out[16];
  ReadProfileString("18nbspAfterWords", "", out, sizeof out);
  EXPECT_STREQ(out, "z\xB9" "b");
}

TEST_F(Profile, EarlierWindows1250FileIsReadAndTurnedIntoUtf8) {
  WriteFile(file_, "[1Typografia]\n18nbspAfterWords=w z \xBF" "e\n");
  char out[16];
  ReadProfileString("18nbspAfterWords", "", out, sizeof out);
  EXPECT_STREQ(out, "w z \xBF" "e");
  ASSERT_TRUE(WriteProfileInt("2Cudzyslow", 1));
  EXPECT_EQ(ReadFile(file_), "[1Typografia]\n18nbspAfterWords=w z \xC5\xBC" "e\n2Cudzyslow=1\n");
  ReadProfileString("18nbspAfterWords", "", out, sizeof out);
  EXPECT_STREQ(out, "w z \xBF" "e");
}

}  // namespace

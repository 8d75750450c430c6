// INI files: fixtures for reading, round trips and damaged or hostile files.
// How the file is replaced (faults, mode, links) is the one writer's, in
// safefile_test.cpp and tests/files.
#include "platform/ini.h"

#include <errno.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/files.h"
#include "tests/platform/tempdir.h"

namespace {

using testutil::ReadFile;
using testutil::TempDir;
using testutil::WriteFile;

std::string Read(const std::string& file, const char* section, const char* key,
                 const char* def = "<default>", size_t size = 256) {
  std::vector<char> out(size);
  platform::IniRead(file.c_str(), section, key, def, out.data(), out.size());
  return out.data();
}

// Each fixture NAME.ini comes with NAME.expected: lines of
// section <TAB> key <TAB> value ("<default>" when the key must be missing).
std::vector<std::string> FixtureNames() {
  std::vector<std::string> names;
  for (const std::string& file : TempDir::ListOf(INI_FIXTURES)) {
    if (file.size() > 4 && file.substr(file.size() - 4) == ".ini") names.push_back(file.substr(0, file.size() - 4));
  }
  return names;
}

class IniFixture : public testing::TestWithParam<std::string> {};

TEST_P(IniFixture, ReadsExpectedValues) {
  std::string base = std::string(INI_FIXTURES) + "/" + GetParam();
  std::istringstream expected(ReadFile(base + ".expected"));
  std::string line;
  int checked = 0;
  while (std::getline(expected, line)) {
    size_t tab1 = line.find('\t');
    size_t tab2 = line.find('\t', tab1 + 1);
    ASSERT_NE(tab2, std::string::npos) << line;
    std::string section = line.substr(0, tab1);
    std::string key = line.substr(tab1 + 1, tab2 - tab1 - 1);
    EXPECT_EQ(Read(base + ".ini", section.c_str(), key.c_str()), line.substr(tab2 + 1))
        << section << " / " << key;
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, IniFixture, testing::ValuesIn(FixtureNames()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

TEST(IniRead, ValuesAndDefaultsAreBoundedBySize) {
  TempDir dir;
  EXPECT_EQ(Read(dir / "none.ini", "s", "k", "fallback"), "fallback");
  EXPECT_EQ(Read(dir / "none.ini", "s", "k", "fallback", 4), "fal");
  WriteFile(dir / "a.ini", "[s]\nk=0123456789\n");
  EXPECT_EQ(Read(dir / "a.ini", "s", "k", "", 5), "0123");
  char one[1] = {'x'};
  EXPECT_EQ(platform::IniRead((dir / "none.ini").c_str(), "s", "k", "abc", one, 1), 0u);
  EXPECT_EQ(one[0], 0);
}

TEST(IniRead, UnusableFilesGiveTheDefault) {
  TempDir dir;
  mkdir((dir / "folder.ini").c_str(), 0700);
  WriteFile(dir / "plain", "x");
  EXPECT_EQ(Read(dir / "folder.ini", "s", "k"), "<default>");
  EXPECT_EQ(Read(dir / "plain/inside.ini", "s", "k"), "<default>");
  EXPECT_EQ(Read(dir / "missing-folder/x.ini", "s", "k"), "<default>");
  EXPECT_EQ(Read("", "s", "k"), "<default>");
  std::string huge(5000, 'a');
  EXPECT_EQ(Read("/" + huge, "s", "k"), "<default>");
}

TEST(IniRead, TenMegabyteLine) {
  TempDir dir;
  std::string big(10 << 20, 'x');
  WriteFile(dir / "big.ini", "[s]\nbig=" + big + "\nsmall=1\n");
  EXPECT_EQ(Read(dir / "big.ini", "s", "small"), "1");
  EXPECT_EQ(Read(dir / "big.ini", "s", "big"), std::string(255, 'x'));
  ASSERT_EQ(platform::IniWrite((dir / "big.ini").c_str(), "s", "small", "2"), 0);
  EXPECT_EQ(Read(dir / "big.ini", "s", "small"), "2");
  EXPECT_EQ(ReadFile(dir / "big.ini").size(), big.size() + 17);
}

class IniWriteTest : public testing::Test {
 protected:
  int Write(const char* section, const char* key, const char* value) {
    return platform::IniWrite(file_.c_str(), section, key, value);
  }
  TempDir dir_;
  std::string file_ = dir_ / "Wirsel13.ini";
};

TEST_F(IniWriteTest, NewFileUsesCrLfAndKeepsSectionsApart) {
  ASSERT_EQ(Write("1Dzielenie", "2UzywajWyjatkow", "1"), 0);
  ASSERT_EQ(Write("1Slownik", "2SlownikiUzytkownika", "user.dic"), 0);
  ASSERT_EQ(Write("1dzielenie", "3Min", "5"), 0);
  EXPECT_EQ(ReadFile(file_),
            "[1Dzielenie]\r\n2UzywajWyjatkow=1\r\n3Min=5\r\n"
            "[1Slownik]\r\n2SlownikiUzytkownika=user.dic\r\n");
}

// Each edit keeps every other byte of the file as it was: comments, blanks,
// the line ends it uses; a new key goes after its section's last line.
TEST_F(IniWriteTest, EditsKeepEveryOtherByte) {
  const struct {
    const char* before;
    const char* section;
    const char* key;
    const char* value;  // null: delete
    const char* after;
  } edits[] = {
      {"; comment\n[A]\n  Key = old  ; not a comment\nother=1\n\n[B]\nkey=b\n", "a", "KEY", "new",
       "; comment\n[A]\n  Key =new\nother=1\n\n[B]\nkey=b\n"},
      {"[A]\nx=1\n\n[B]\ny=2", "A", "z", "3", "[A]\nx=1\nz=3\n\n[B]\ny=2"},
      {"[A]\nx=1\nz=3\n\n[B]\ny=2", "B", "w", "4", "[A]\nx=1\nz=3\n\n[B]\ny=2\nw=4\n"},
      {"[A]\r\nx=1\r\n", "A", "x", "2", "[A]\r\nx=2\r\n"},
      {"[A]\r\nx=2\r\n", "A", "y", "3", "[A]\r\nx=2\r\ny=3\r\n"},
      {"[A]\nx=1", "B", "y", "3", "[A]\nx=1\n[B]\ny=3\n"},
      {"[A]\nx=1\ny=2\n[B]\nz=3\n", "A", "x", nullptr, "[A]\ny=2\n[B]\nz=3\n"},
      {"[A]\ny=2\n[B]\nz=3\n", "a", nullptr, nullptr, "[B]\nz=3\n"},
      {"[B]\nz=3\n", "missing", "k", nullptr, "[B]\nz=3\n"},
  };
  for (const auto& edit : edits) {
    WriteFile(file_, edit.before);
    ASSERT_EQ(Write(edit.section, edit.key, edit.value), 0) << edit.before;
    EXPECT_EQ(ReadFile(file_), edit.after) << edit.before;
  }
}

TEST_F(IniWriteTest, LineBreaksCannotInjectKeys) {
  ASSERT_EQ(Write("1Dzielenie", "9Lista", "a\r\n2UzywajWyjatkow=0\nb"), 0);
  EXPECT_EQ(Read(file_, "1Dzielenie", "2UzywajWyjatkow"), "<default>");
  EXPECT_EQ(Read(file_, "1Dzielenie", "9Lista"), "a  2UzywajWyjatkow=0 b");
}

TEST_F(IniWriteTest, QuotedAndBlankEdgedValuesReadBackAsWritten) {
  for (const char* value : {"\"x\"", "'y'", "\"", " lead", "trail\t", "\"a\" b", "a \"b\"", "''", "Ą\xB3\xBF\x80"}) {
    ASSERT_EQ(Write("Q", "v", value), 0) << value;
    EXPECT_EQ(Read(file_, "Q", "v"), value);
  }
}

TEST_F(IniWriteTest, FileNamesUpToTheSystemLimit) {
  std::string longest = dir_ / std::string(255, 'n');
  ASSERT_EQ(platform::IniWrite(longest.c_str(), "s", "k", "v"), 0);
  EXPECT_EQ(Read(longest, "s", "k"), "v");
}

TEST_F(IniWriteTest, BadNamesAreRefused) {
  EXPECT_EQ(Write("s", "a=b", "1"), EINVAL);
  EXPECT_EQ(Write("s", "  ", "1"), EINVAL);
  EXPECT_EQ(Write("s]", "k", "1"), EINVAL);
  EXPECT_EQ(Write("s\n", "k", "1"), EINVAL);
  EXPECT_EQ(Write(nullptr, "k", "1"), EINVAL);
  EXPECT_FALSE(platform::FileExists(file_.c_str()));
}

TEST_F(IniWriteTest, UnusablePathsFailWithoutSideEffects) {
  EXPECT_EQ(platform::IniWrite((dir_ / "no-folder/x.ini").c_str(), "s", "k", "v"), ENOENT);
  EXPECT_EQ(platform::IniWrite("", "s", "k", "v"), ENOENT);
  std::string huge = dir_.path() + "/" + std::string(5000, 'a');
  EXPECT_EQ(platform::IniWrite(huge.c_str(), "s", "k", "v"), ENAMETOOLONG);
  mkdir((dir_ / "folder.ini").c_str(), 0700);
  EXPECT_EQ(platform::IniWrite((dir_ / "folder.ini").c_str(), "s", "k", "v"), EISDIR);
  EXPECT_EQ(dir_.List(), (std::set<std::string>{"folder.ini"}));
}

}  // namespace

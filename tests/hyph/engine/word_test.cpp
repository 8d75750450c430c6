// hyph_word with the shipped PLHYPH.DAT and with small compiled pattern sets:
// raw bytes next to the trie's edge, long words, buffers (the breaks of
// everyday words: agreement_test.cpp and the fixtures).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/hyph/engine/hyph_test_util.h"

namespace {

class ShippedData : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(hyph_open(WIRSEL_PLHYPH_DAT, &e_.engine), kHyphOk); }
  EngineCloser e_;
};

// Every byte without a pattern code, put before, inside and after a word,
// must neither read outside the trie nor change the breaks of the letters
// around it beyond what the boundary rules allow.
TEST_F(ShippedData, RawBytesNeverLeaveTheTrie) {
  for (int c = 0x80; c <= 0xFF; ++c) {
    const std::string raw(1, char(c));
    char out[64];
    for (const std::string& word : {raw + "kot", "ko" + raw + "t", "kot" + raw,
                                    "zaokrą" + raw + "glenie"}) {
      hyph_word(e_.engine, word.c_str(), out, sizeof out, true);
      std::string letters;
      for (const char* p = out; *p; ++p) {
        if (*p != '-') letters += *p;
      }
      EXPECT_EQ(letters, word) << "byte " << c;
    }
  }
}

TEST_F(ShippedData, LongWordsAreHyphenatedUpToTheLimitAndRefusedBeyond) {
  std::string word;
  while (word.size() < kHyphMaxWord) word += "ka";
  word.resize(kHyphMaxWord);
  std::string out(2 * word.size(), 'x');
  hyph_word(e_.engine, word.c_str(), out.data(), out.size(), true);
  EXPECT_GT(std::strlen(out.c_str()), word.size()) << "a 254-letter word gets breaks";

  const std::string longer = word + "a";
  hyph_word(e_.engine, longer.c_str(), out.data(), out.size(), true);
  EXPECT_EQ(std::string(out.c_str()), longer) << "refused words come back unchanged";

  const std::string huge(1000, 'a');
  hyph_word(e_.engine, huge.c_str(), out.data(), out.size(), true);
  EXPECT_EQ(std::string(out.c_str()), "") << "a refused word that does not fit gives \"\"";

  const std::string digits_then_long = "ab1" + std::string(2000, 'x');
  hyph_word(e_.engine, digits_then_long.c_str(), out.data(), out.size(), true);
  EXPECT_EQ(std::string(out.c_str()), "ab");
}

TEST_F(ShippedData, OutputThatDoesNotFitIsNotWritten) {
  char small[6];
  std::memset(small, '#', sizeof small);
  hyph_word(e_.engine, "kot", small, sizeof small, true);
  EXPECT_STREQ(small, "kot");
  hyph_word(e_.engine, "dziewczyna", small, sizeof small, true);
  EXPECT_STREQ(small, "");
  char exact[13];
  hyph_word(e_.engine, "dziewczyna", exact, sizeof exact, true);
  EXPECT_STREQ(exact, "dziew-czy-na");
}

TEST(HyphWord, NullEngineGivesTheWordUnchanged) {
  char out[16];
  hyph_word(nullptr, "dziewczyna", out, sizeof out, true);
  EXPECT_STREQ(out, "dziewczyna");
}

TEST(HyphWord, RightmostFamilyIsWalkedWithoutReadingPastTheTrie) {
  // Letters with the highest codes lead to the families placed last.
  ScratchDir dir;
  const auto dat = WriteHyphData(dir / "PLHYPH.DAT", "ż1ż\nżż1żż\nzż1\n.ż1\n");
  EngineCloser e;
  ASSERT_EQ(hyph_open(dat.c_str(), &e.engine), kHyphOk);
  EXPECT_EQ(Hyphenate(e.engine, "żżżżżż"), "żż-ż-ż-żż");
  char out[600];
  std::string word(254, char(0xBF));
  word[100] = char(0xFF);
  hyph_word(e.engine, word.c_str(), out, sizeof out, true);
  EXPECT_GT(std::strlen(out), word.size());
}

}  // namespace

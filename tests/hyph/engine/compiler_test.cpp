// mkhyph: the golden file (the compiled bytes, chains and lists included),
// what the pattern reader refuses, and merging. Regenerate the golden file with
//   cmake --build <build> --target update_hyph_golden
// and review its diff.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/hyph/engine/hyph_test_util.h"
#include "tools/mkhyph/compile.h"

namespace {

const std::filesystem::path kGolden = WIRSEL_HYPH_FIXTURES "/golden";

TEST(Mkhyph, TinyPatternSetCompilesToTheGoldenFile) {
  std::vector<Pattern> patterns;
  std::string error;
  ASSERT_TRUE(ParsePatterns(ReadBytes(kGolden / "tiny.pat"), &patterns, &error)) << error;
  HyphData data;
  ASSERT_TRUE(CompilePatterns(patterns, &data, &error)) << error;
  ASSERT_TRUE(CompileExceptions(ReadBytes(kGolden / "tiny.exceptions"), &data.builtin_exceptions,
                                &error)) << error;
  ASSERT_TRUE(CompileExceptions(ReadBytes(kGolden / "tiny.user"), &data.default_user_exceptions,
                                &error)) << error;
  const std::vector<uint8_t> built = BuildHyphContainer(data);
  const std::string golden = ReadBytes(kGolden / "tiny.dat");
  const auto differ = std::mismatch(built.begin(), built.end(), golden.begin(), golden.end(),
                                    [](uint8_t a, char b) { return a == uint8_t(b); });
  EXPECT_TRUE(built.size() == golden.size() && differ.first == built.end())
      << "sizes " << built.size() << " and " << golden.size() << ", first difference at byte "
      << (differ.first - built.begin())
      << "; regenerate with the update_hyph_golden target and review the diff";
}

TEST(Mkhyph, ReaderRefusesWhatItCannotCompile) {
  const std::vector<std::pair<const char*, std::string>> refused = {
      {"directive", "LEFTHYPHENMIN 2\n"},
      {"next level", "NEXTLEVEL\n"},
      {"comment", "% comment\n"},
      {"slash", "/ab\n"},
      {"two digits", "a12b\n"},
      {"value before a leading boundary", "1.ab\n"},
      {"boundary inside", "a.b\n"},
      {"foreign letter", "a\xE4" "b\n"},
      {"capital", "aB1\n"},
  };
  for (const auto& [what, line] : refused) {
    std::vector<Pattern> patterns;
    std::string error;
    EXPECT_FALSE(ParsePatterns("ISO8859-2\n" + line, &patterns, &error)) << what;
    EXPECT_NE(error.find("line 2"), std::string::npos) << what << ": " << error;
  }
}

TEST(Mkhyph, SameLettersMergeByTheLargerValue) {
  ScratchDir dir;
  const auto dat = WriteHyphData(dir / "PLHYPH.DAT", "a1b\na2b\nc3d\nc1d\n");
  EngineCloser e;
  ASSERT_EQ(hyph_open(dat.c_str(), &e.engine), kHyphOk);
  EXPECT_EQ(Hyphenate(e.engine, "xxabxx"), "xxabxx");
  EXPECT_EQ(Hyphenate(e.engine, "xxcdxx"), "xxc-dxx");
}

// The order of the compiled list is the engine's (UserList.OrderIsLongestFirst...).
TEST(Mkhyph, DuplicateOrEmptyExceptionWordsAreRefused) {
  std::vector<uint8_t> list;
  std::string error;
  EXPECT_FALSE(CompileExceptions("zab\nZa-b\n", &list, &error));
  EXPECT_FALSE(CompileExceptions("---\n", &list, &error));
}

}  // namespace

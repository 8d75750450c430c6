// mkdict's output for a tiny input, byte for byte. After a deliberate change
// of the compiler, rewrite the golden file with
//   cmake --build <build> --target update_spell_golden
// and review the diff.
#include <gtest/gtest.h>

#include "tests/spell/engine/spell_test_util.h"

namespace {

TEST(SpellGolden, TinyDictionaryCompilesToTheGoldenBytes) {
  std::string log;
  const std::string out =
      spelltest::CompileFixture("golden/tiny", spelltest::TempFolder("golden"), &log);
  ASSERT_FALSE(out.empty()) << log;
  EXPECT_NE(log.find("stem store"), std::string::npos);
  const std::vector<uint8_t> golden =
      spelltest::ReadBytes(spelltest::FixturePath("golden/tiny.son"));
  ASSERT_FALSE(golden.empty());
  EXPECT_TRUE(spelltest::ReadBytes(out) == golden) << "mkdict output differs from golden/tiny.son";
}

}  // namespace

// One test case per fixture in tests/hyph/engine/data: NAME.pat (patterns, UTF-8
// after a charset line), optional NAME.exceptions (built-in exception
// words), NAME.words and NAME.expected (one word a line).
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/hyph/engine/hyph_test_util.h"

namespace {

namespace fs = std::filesystem;
const fs::path kFixtures = WIRSEL_HYPH_FIXTURES;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> FixtureNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kFixtures)) {
    if (entry.path().extension() == ".pat") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class HyphFixture : public ::testing::TestWithParam<std::string> {};

TEST_P(HyphFixture, HyphenatesAsExpected) {
  const std::string name = GetParam();
  std::string patterns = ReadBytes(kFixtures / (name + ".pat"));
  patterns.erase(0, patterns.find('\n') + 1);
  const fs::path exceptions = kFixtures / (name + ".exceptions");
  ScratchDir dir;
  const fs::path dat = WriteHyphData(dir / "PLHYPH.DAT", patterns,
                                     fs::exists(exceptions) ? ReadBytes(exceptions) : "");
  EngineCloser e;
  ASSERT_EQ(hyph_open(dat.c_str(), &e.engine), kHyphOk);
  const std::vector<std::string> words = Lines(ReadBytes(kFixtures / (name + ".words")));
  const std::vector<std::string> expected = Lines(ReadBytes(kFixtures / (name + ".expected")));
  ASSERT_EQ(words.size(), expected.size());
  for (size_t i = 0; i < words.size(); ++i) {
    EXPECT_EQ(Hyphenate(e.engine, words[i]), expected[i]) << "word " << words[i];
  }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, HyphFixture, ::testing::ValuesIn(FixtureNames()),
                         [](const auto& info) { return info.param; });

}  // namespace

// One test per fixture of tests/hyph/data: NAME.args holds the arguments
// of `wirsel` (one a line; "@FILE" is a data file), NAME.ini and NAME.usr,
// when present, become the host's Wirsel13.ini and PLHYPH.USR, and
// NAME.expected is the standard output. To regenerate after a reviewed
// change: WIRSEL_REGENERATE_GOLDEN=1 ctest -R hyphmod.Fixtures, then read
// the diff.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host_case.h"

namespace {

std::vector<std::string> FixtureNames() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(HOST_TEST_DATA)) {
    if (entry.path().extension() == ".args") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> ArgsOf(const std::string& name) {
  std::vector<std::string> args;
  std::istringstream lines(ReadBytes(DataPath(name + ".args")));
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty()) args.push_back(line);
  }
  return args;
}

class Fixtures : public testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(Fixtures, OutputMatchesExpected) {
  const std::string name = GetParam();
  HostCase host;
  for (const char* kind : {".ini", ".usr"}) {
    const std::string path = DataPath(name + kind);
    if (std::filesystem::exists(path)) {
      host.Put(std::string(kind) == ".ini" ? "Wirsel13.ini" : "PLHYPH.USR", ReadBytes(path));
    }
  }
  const WirselRun run = host.Run(ArgsOf(name));
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string expected = DataPath(name + ".expected");
  if (std::getenv("WIRSEL_REGENERATE_GOLDEN")) {
    std::ofstream(expected, std::ios::binary) << run.out;
  }
  EXPECT_EQ(run.out, ReadBytes(expected));
}

INSTANTIATE_TEST_SUITE_P(Behaviour, Fixtures, testing::ValuesIn(FixtureNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           return info.param;
                         });

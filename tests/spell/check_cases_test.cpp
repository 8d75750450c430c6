// One test per case in tests/spell/data/cases: NAME.txt or NAME.json is the
// document, NAME.args the command and its options (one a line), NAME.dlg the
// dialog script that plays the user, NAME.ini an optional settings file, and
// NAME.expected what `wirsel` writes to standard output. The interface is
// English unless NAME.args chooses a language.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "dict_host.h"

namespace fs = std::filesystem;

namespace {

std::string CasePath(const std::string& name, const std::string& extension) {
  return std::string(DICT_CASES) + "/" + name + extension;
}

std::vector<std::string> CaseNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(DICT_CASES)) {
    if (entry.path().extension() == ".args") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class CheckCase : public testing::TestWithParam<std::string> {};

TEST_P(CheckCase, WritesTheExpectedDocument) {
  const std::string name = GetParam();
  const std::string ini = fs::exists(CasePath(name, ".ini")) ? ReadBytes(CasePath(name, ".ini")) : "";
  const DictHost host(ini);
  std::vector<std::string> args = Lines(ReadBytes(CasePath(name, ".args")));
  ASSERT_FALSE(args.empty());
  const std::string input =
      fs::exists(CasePath(name, ".json")) ? CasePath(name, ".json") : CasePath(name, ".txt");
  args.insert(args.begin() + 1, input);
  if (std::find(args.begin(), args.end(), "--lang") == args.end()) {
    args.push_back("--lang");
    args.push_back("en");
  }
  args.push_back("--dialogs");
  args.push_back(CasePath(name, ".dlg"));
  const WirselRun run = host.Run(args);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, ReadBytes(CasePath(name, ".expected"))) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Cases, CheckCase, testing::ValuesIn(CaseNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           return info.param;
                         });

}  // namespace

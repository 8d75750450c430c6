// The typography commands through the real `wirsel` host and plug-in. Each
// fixture tests/data/typo/NAME.txt (or NAME.json) is one case:
//   NAME.expected  what the command writes (compared byte for byte);
//   NAME.args      optional: the command and its options, one a line (the
//                  file goes right after the command); default "typo",
//                  "--lang", "en";
//   NAME.dlg       optional dialog script (--dialogs);
//   NAME.ini       optional settings file in place before the run;
//   NAME.stored    optional lines the settings file must hold afterwards;
//   NAME.status    optional exit status other than 0, with NAME.err: a text
//                  standard error must hold.
// Each case runs in a host folder of its own whose XTensions folder links to
// the built plug-in and data files, so settings never leak between cases.
// TYPO_REGENERATE=1 rewrites the .expected files from what the host writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/host/run_wirsel.h"

namespace fs = std::filesystem;

namespace {

const fs::path kData = TYPO_TEST_DATA;

// A host folder whose XTensions folder holds links to the real one's files
// and, when given, its own settings file.
std::string PrivateHost(const std::string& ini) {
  const fs::path host = TempFolder();
  const fs::path xtensions = host / "XTensions";
  fs::create_directory(xtensions);
  for (const auto& entry : fs::directory_iterator(fs::path(REAL_HOST) / "XTensions")) {
    if (entry.path().extension() == ".ini" || entry.path().extension() == ".log") continue;
    fs::create_symlink(entry.path(), xtensions / entry.path().filename());
  }
  if (!ini.empty()) std::ofstream(xtensions / "Wirsel13.ini", std::ios::binary) << ini;
  return host.string();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::string Optional(const fs::path& path) {
  return fs::exists(path) ? ReadBytes(path.string()) : std::string();
}

struct Case {
  std::string name;
  fs::path input;
};

std::vector<Case> Cases() {
  std::vector<Case> cases;
  for (const auto& entry : fs::directory_iterator(kData)) {
    const fs::path& p = entry.path();
    if ((p.extension() == ".txt" || p.extension() == ".json") &&
        fs::exists(fs::path(p).replace_extension(".expected"))) {
      cases.push_back({p.stem().string(), p});
    }
  }
  std::sort(cases.begin(), cases.end(),
            [](const Case& a, const Case& b) { return a.name < b.name; });
  return cases;
}

class TypoFixture : public ::testing::TestWithParam<Case> {};

TEST_P(TypoFixture, WritesTheExpectedDocument) {
  const Case& c = GetParam();
  const fs::path base = kData / c.name;
  const std::string host = PrivateHost(Optional(fs::path(base).replace_extension(".ini")));
  std::vector<std::string> options = Lines(Optional(fs::path(base).replace_extension(".args")));
  if (options.empty()) options = {"typo", "--lang", "en"};
  std::vector<std::string> args = {options[0], c.input.string()};
  args.insert(args.end(), options.begin() + 1, options.end());
  const fs::path script = fs::path(base).replace_extension(".dlg");
  if (fs::exists(script)) args.insert(args.end(), {"--dialogs", script.string()});

  const WirselRun run = RunWirsel("", args, {{"WIRSEL_HOST_DIR", host}});
  const std::string status = Optional(fs::path(base).replace_extension(".status"));
  ASSERT_EQ(run.status, status.empty() ? 0 : std::atoi(status.c_str())) << run.err;
  for (const std::string& line : Lines(Optional(fs::path(base).replace_extension(".err")))) {
    EXPECT_NE(run.err.find(line), std::string::npos) << line << "\n" << run.err;
  }
  const fs::path expected = fs::path(base).replace_extension(".expected");
  if (std::getenv("TYPO_REGENERATE")) std::ofstream(expected, std::ios::binary) << run.out;
  EXPECT_EQ(run.out, ReadBytes(expected.string())) << run.err;

  const std::string settings = Optional(fs::path(host) / "XTensions" / "Wirsel13.ini");
  for (const std::string& line : Lines(Optional(fs::path(base).replace_extension(".stored")))) {
    EXPECT_NE(settings.find(line + "\r\n"), std::string::npos) << line << "\n" << settings;
  }
}

INSTANTIATE_TEST_SUITE_P(Typo, TypoFixture, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                           return info.param.name;
                         });

// A story of 10 MB without a single blank: every comma looks at the word
// around it, which is as long as the story.
TEST(TypoHostile, TenMegabytesWithoutBlanks) {
  if (!std::getenv("WIRSEL_SLOW_TESTS")) GTEST_SKIP() << "slow: run with WIRSEL_SLOW_TESTS=1";
  std::string text;
  text.reserve(10 << 20);
  while (text.size() < (10u << 20)) text += "a,";
  const std::string file = WriteTemp("noblank.txt", text + "\n");
  const WirselRun run =
      RunWirsel("", {"typo", file, "--lang", "en"}, {{"WIRSEL_HOST_DIR", PrivateHost("")}});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.size(),
            text.size() + text.size() / 2);  // a space after every comma but the last
}

}  // namespace

namespace {

TEST(TypoCommand, WritesTheOutputFileInTheChosenFormat) {
  const std::string file = WriteTemp("in.txt", "w domu\n");
  const std::string out = TempFolder() + "/out.tex";
  const WirselRun run = RunWirsel("", {"typo", file, "-o", out, "--format", "tex", "--lang", "en"},
                                  {{"WIRSEL_HOST_DIR", PrivateHost("")}});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(ReadBytes(out), "w~domu\n");
  EXPECT_EQ(ReadBytes(file), "w domu\n");
}

TEST(TypoCommand, RefusesAnUnknownFormat) {
  const std::string file = WriteTemp("in.txt", "w domu\n");
  const WirselRun run =
      RunWirsel("", {"typo", file, "--format", "rtf"}, {{"WIRSEL_HOST_DIR", PrivateHost("")}});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("--format"), std::string::npos) << run.err;
}

}  // namespace

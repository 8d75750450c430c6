// The fixture runner of host_cases.h.
#include "host_cases.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "run_wirsel.h"

namespace fs = std::filesystem;

namespace {

std::string Optional(const fs::path& path) {
  return fs::exists(path) ? ReadBytes(path.string()) : std::string();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

}  // namespace

std::vector<std::string> HostCaseNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() == ".expected") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

void CheckHostCase(const HostCaseSuite& suite, const std::string& name) {
  const auto path = [&](const char* extension) {
    return fs::path(suite.folder) / (name + extension);
  };
  const HostFolder host(Optional(path(".ini")), suite.son_dic);
  if (fs::exists(path(".usr"))) host.Put("PLHYPH.USR", ReadBytes(path(".usr").string()));

  std::vector<std::string> args = Lines(Optional(path(".args")));
  if (args.empty()) args = suite.default_args;
  for (std::string& arg : args) {
    if (arg[0] == '@') arg = (fs::path(suite.folder) / arg.substr(1)).string();
  }
  for (const char* input : {".txt", ".json"}) {
    if (fs::exists(path(input))) args.insert(args.begin() + 1, path(input).string());
  }
  if (suite.english && std::find(args.begin(), args.end(), "--lang") == args.end()) {
    args.insert(args.end(), {"--lang", "en"});
  }
  if (fs::exists(path(".dlg"))) args.insert(args.end(), {"--dialogs", path(".dlg").string()});

  const WirselRun run = host.Run(args);
  const std::string status = Optional(path(".status"));
  ASSERT_EQ(run.status, status.empty() ? 0 : std::atoi(status.c_str())) << run.err;
  for (const std::string& line : Lines(Optional(path(".err")))) {
    EXPECT_NE(run.err.find(line), std::string::npos) << line << "\n" << run.err;
  }
  if (std::getenv("WIRSEL_REGENERATE_GOLDEN")) {
    std::ofstream(path(".expected"), std::ios::binary) << run.out;
  }
  EXPECT_EQ(run.out, ReadBytes(path(".expected").string())) << run.err;
  const std::string settings = Optional(host.File("Wirsel13.ini"));
  for (const std::string& line : Lines(Optional(path(".stored")))) {
    EXPECT_NE(settings.find(line + "\r\n"), std::string::npos) << line << "\n" << settings;
  }
}

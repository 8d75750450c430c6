// Helpers of the spelling tests.
#include "tests/spell/engine/spell_test_util.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/platform/tempdir.h"

namespace spelltest {
namespace {

std::string Quote(const std::string& s) { return "'" + s + "'"; }

}  // namespace

std::string TempFolder(const std::string& name) {
  static const testutil::TempDir root;  // removed with everything in it at exit
  const std::string path = root / name;
  std::filesystem::remove_all(path);
  std::filesystem::create_directories(path);
  return path;
}

std::string FixturePath(const std::string& file) {
  return std::string(WIRSEL_SPELL_FIXTURES) + "/" + file;
}

int RunMkdict(const std::vector<std::string>& args, std::string* log) {
  std::string command = Quote(WIRSEL_MKDICT);
  for (const std::string& a : args) command += " " + Quote(a);
  command += " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return -1;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe)) log->append(buffer);
  int status = ::pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string CompileFixture(const std::string& name, const std::string& out_folder,
                           std::string* log) {
  std::string out = out_folder + "/" + std::filesystem::path(name).filename().string() + ".son";
  std::vector<std::string> args{FixturePath(name + ".aff"), FixturePath(name + ".dic"), out};
  for (const std::string& line : ReadLines(FixturePath(name + ".args"))) {
    bool is_file = line.find('.') != std::string::npos && line[0] != '-';
    args.push_back(is_file ? FixturePath(line) : line);
  }
  return RunMkdict(args, log) == 0 ? out : std::string();
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

}  // namespace spelltest

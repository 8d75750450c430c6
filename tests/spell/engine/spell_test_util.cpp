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

struct Pair {
  char32_t code_point;
  unsigned char cp1250;
};
constexpr Pair kPolish[] = {
    {U'ą', 0xB9}, {U'ć', 0xE6}, {U'ę', 0xEA}, {U'ł', 0xB3}, {U'ń', 0xF1}, {U'ó', 0xF3},
    {U'ś', 0x9C}, {U'ź', 0x9F}, {U'ż', 0xBF}, {U'Ą', 0xA5}, {U'Ć', 0xC6}, {U'Ę', 0xCA},
    {U'Ł', 0xA3}, {U'Ń', 0xD1}, {U'Ó', 0xD3}, {U'Ś', 0x8C}, {U'Ź', 0x8F}, {U'Ż', 0xAF},
};

std::string Quote(const std::string& s) { return "'" + s + "'"; }

}  // namespace

std::string Cp1250(const std::string& utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    unsigned char c = uint8_t(utf8[i]);
    if (c < 0x80) {
      out.push_back(char(c));
      ++i;
      continue;
    }
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
    char32_t cp = c & (0x3F >> extra);
    for (int k = 1; k <= extra && i + k < utf8.size(); ++k)
      cp = cp << 6 | (uint8_t(utf8[i + k]) & 0x3F);
    i += size_t(extra) + 1;
    char mapped = '?';
    for (const Pair& p : kPolish) {
      if (p.code_point == cp) mapped = char(p.cp1250);
    }
    out.push_back(mapped);
  }
  return out;
}

std::string Utf8(const std::string& cp1250) {
  std::string out;
  for (char ch : cp1250) {
    unsigned char c = uint8_t(ch);
    if (c < 0x80) {
      out.push_back(ch);
      continue;
    }
    char32_t cp = U'?';
    for (const Pair& p : kPolish) {
      if (p.cp1250 == c) cp = p.code_point;
    }
    out.push_back(char(0xC0 | (cp >> 6)));
    out.push_back(char(0x80 | (cp & 0x3F)));
  }
  return out;
}

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

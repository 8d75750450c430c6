// mkhyph: compiles Liang patterns (and optional exception word lists) into
// PLHYPH.DAT.
//   mkhyph PATTERNS OUTPUT [--exceptions FILE] [--user-exceptions FILE]
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "tools/mkhyph/compile.h"

namespace {

bool ReadFile(const std::string& path, std::string* text) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::ostringstream all;
  all << file.rdbuf();
  *text = all.str();
  return true;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "mkhyph: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc % 2 == 0) {
    return Fail("usage: mkhyph PATTERNS OUTPUT [--exceptions FILE] [--user-exceptions FILE]");
  }
  std::string text;
  if (!ReadFile(argv[1], &text)) return Fail(std::string("cannot read ") + argv[1]);
  std::vector<Pattern> patterns;
  std::string error;
  if (!ParsePatterns(text, &patterns, &error)) return Fail(std::string(argv[1]) + ": " + error);
  HyphData data;
  if (!CompilePatterns(patterns, &data, &error)) return Fail(error);
  data.builtin_exceptions.assign(1, 0);
  data.default_user_exceptions.assign(1, 0);
  for (int i = 3; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    std::vector<uint8_t>* list = option == "--exceptions"        ? &data.builtin_exceptions
                                 : option == "--user-exceptions" ? &data.default_user_exceptions
                                                                 : nullptr;
    if (!list) return Fail("unknown option " + option);
    if (!ReadFile(argv[i + 1], &text)) return Fail(std::string("cannot read ") + argv[i + 1]);
    if (!CompileExceptions(text, list, &error)) return Fail(std::string(argv[i + 1]) + ": " + error);
  }
  const std::vector<uint8_t> bytes = BuildHyphContainer(data);
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  out.close();
  if (!out) return Fail(std::string("cannot write ") + argv[2]);
  std::printf("mkhyph: %zu patterns, %zu trie nodes packed into %zu slots (highest used %zu), %zu ops\n",
              patterns.size(), data.trie_nodes, data.trie.size() / 6, data.highest_slot,
              data.ops.size() / 4 - 1);
  return 0;
}

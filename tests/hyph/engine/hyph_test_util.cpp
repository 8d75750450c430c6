// Helpers shared by the hyphenation tests.
#include "tests/hyph/engine/hyph_test_util.h"

#include <stdexcept>

#include "tools/mkhyph/compile.h"

std::vector<uint8_t> CompileHyphData(const std::string& patterns_utf8,
                                     const std::string& builtin_utf8,
                                     const std::string& default_user_utf8) {
  std::vector<Pattern> patterns;
  std::string error;
  if (!ParsePatterns("ISO8859-2\n" + Convert(patterns_utf8, "UTF-8", "ISO-8859-2"), &patterns,
                     &error)) {
    throw std::runtime_error(error);
  }
  HyphData data;
  if (!CompilePatterns(patterns, &data, &error) ||
      !CompileExceptions(builtin_utf8, &data.builtin_exceptions, &error) ||
      !CompileExceptions(default_user_utf8, &data.default_user_exceptions, &error)) {
    throw std::runtime_error(error);
  }
  return BuildHyphContainer(data);
}

std::filesystem::path WriteHyphData(const std::filesystem::path& path,
                                    const std::string& patterns_utf8,
                                    const std::string& builtin_utf8,
                                    const std::string& default_user_utf8) {
  const std::vector<uint8_t> bytes = CompileHyphData(patterns_utf8, builtin_utf8, default_user_utf8);
  WriteBytes(path, std::string(bytes.begin(), bytes.end()));
  return path;
}

std::string Hyphenate(HyphHandle engine, const std::string& utf8, bool user_exceptions) {
  const std::string word = Cp1250(utf8);
  char out[600];
  hyph_word(engine, word.c_str(), out, sizeof out, user_exceptions);
  return Utf8(out);
}

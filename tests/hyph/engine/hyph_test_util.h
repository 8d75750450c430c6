// Helpers for the hyphenation tests: encodings, scratch folders, and data
// files compiled by mkhyph's library from pattern sets made in the test.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "hyph/engine/hyph.h"
#include "tests/platform/tempdir.h"

using testutil::Convert;
using testutil::Cp1250;
using testutil::Utf8;

inline std::string ReadBytes(const std::filesystem::path& path) {
  return testutil::ReadFile(path.string());
}
inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  testutil::WriteFile(path.string(), bytes);
}

// A fresh folder under the system's temporary folder, removed at the end.
using ScratchDir = testutil::TempDir;

// The bytes of a PLHYPH.DAT compiled from patterns written in UTF-8 (one a
// line, no charset line) and exception words (UTF-8, one a line).
std::vector<uint8_t> CompileHyphData(const std::string& patterns_utf8,
                                     const std::string& builtin_utf8 = "",
                                     const std::string& default_user_utf8 = "");
// The same written to a file.
std::filesystem::path WriteHyphData(const std::filesystem::path& path,
                                    const std::string& patterns_utf8,
                                    const std::string& builtin_utf8 = "",
                                    const std::string& default_user_utf8 = "");

// hyph_word on a UTF-8 word, with the result in UTF-8.
std::string Hyphenate(HyphHandle engine, const std::string& utf8, bool user_exceptions = true);

// Closes the engine at the end of a scope.
struct EngineCloser {
  HyphHandle engine = nullptr;
  ~EngineCloser() { hyph_close(engine); }
};

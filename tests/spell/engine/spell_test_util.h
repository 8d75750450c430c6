// Helpers of the spelling tests: compiling fixtures with mkdict, text
// conversion, temporary folders and reading files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace spelltest {

// Windows-1250 text of UTF-8 source text (Polish letters; others become '?').
std::string Cp1250(const std::string& utf8);
std::string Utf8(const std::string& cp1250);

// A fresh, empty folder below the test program's temporary folder, which is
// removed at exit.
std::string TempFolder(const std::string& name);

// Runs mkdict on fixture NAME (NAME.aff, NAME.dic and the options listed in
// NAME.args, relative paths resolved in the fixture folder) and returns the
// output path; empty when mkdict failed (its output is in *log).
std::string CompileFixture(const std::string& name, const std::string& out_folder,
                           std::string* log);
// Runs mkdict with explicit arguments; returns its exit status.
int RunMkdict(const std::vector<std::string>& args, std::string* log);

std::string FixturePath(const std::string& file);
std::vector<std::string> ReadLines(const std::string& path);
std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace spelltest

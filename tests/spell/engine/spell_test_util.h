// Helpers of the spelling tests: compiling fixtures with mkdict, text
// conversion, temporary folders and reading files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/platform/tempdir.h"

namespace spelltest {

using testutil::Cp1250;
using testutil::Utf8;

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

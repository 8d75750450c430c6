// Reading a whole file with a size limit, and writing one safely through the
// platform's one writer (a temporary file renamed over a regular file, a
// symbolic link followed, a device written directly). "-" names standard
// input when read and standard output when written.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wirsel::io {

// Larger inputs are refused rather than read.
inline constexpr std::size_t kMaxInputBytes = std::size_t{256} << 20;

// The name that stands for standard input or output.
inline bool IsStandardStream(const std::string& path) { return path == "-"; }

// Throws IoError (line 0) when the file cannot be opened or read, or is
// larger than kMaxInputBytes.
std::string ReadFileBytes(const std::string& path);
// Throws IoError (line 0) with the system's reason when the file cannot be
// written; the old file is then as it was.
void WriteFileAtomically(const std::string& path, std::string_view bytes);
// Throws IoError when `path` could not be written (no such folder, a folder
// that cannot be written, a folder named as the file), before any work.
void CheckOutputPath(const std::string& path);

}  // namespace wirsel::io

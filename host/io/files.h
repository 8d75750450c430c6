// Reading a whole file with a size limit, and writing one safely: the bytes go
// to a temporary file beside the target, which is then renamed over it, so a
// failed write never leaves a half-written file behind.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wirsel::io {

// Larger inputs are refused rather than read.
inline constexpr std::size_t kMaxInputBytes = std::size_t{256} << 20;

// Throws IoError (line 0) when the file cannot be opened or read, or is
// larger than kMaxInputBytes.
std::string ReadFileBytes(const std::string& path);
// Throws IoError (line 0) when the file cannot be written.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace wirsel::io

// Windows-1250 <-> UTF-8 through the one Windows-1250 table (base/charset)
// and the one UTF-8 codec (base/utf8.h).
#include "host/cp1250.h"

#include "base/charset.h"
#include "base/utf8.h"

namespace {

char ToWin1250(char32_t c) {
  const int32_t code = Win1250ByteOf(c);
  return code < 0 ? '?' : static_cast<char>(code);
}

}  // namespace

std::string Win1250ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) AppendUtf8(out, Win1250ReadingOf(static_cast<unsigned char>(ch)));
  return out;
}

std::string Utf8ToWin1250(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) out += ToWin1250(NextUtf8(text, i));
  return out;
}

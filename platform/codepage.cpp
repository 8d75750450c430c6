// Single-character code-page conversion through glibc's iconv.
#include "platform/codepage.h"

#include <iconv.h>
#include <stdio.h>

namespace platform {
namespace {

// The iconv name of a Windows code-page number.
void CodePageName(int32_t code_page, char* out, size_t size) {
  switch (code_page) {
    case 10000: snprintf(out, size, "MACINTOSH"); break;
    case 10029: snprintf(out, size, "MAC-CENTRALEUROPE"); break;
    case 20127: snprintf(out, size, "ASCII"); break;
    case 65001: snprintf(out, size, "UTF-8"); break;
    default:
      if (code_page >= 28591 && code_page <= 28599) {
        snprintf(out, size, "ISO-8859-%d", static_cast<int>(code_page - 28590));
      } else {
        snprintf(out, size, "CP%d", static_cast<int>(code_page));
      }
  }
}

// Converts `in` completely; the number of output bytes, or -1.
long ConvertOnce(const char* to, const char* from, const char* in, size_t in_size, char* out,
                 size_t out_size) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return -1;
  char* in_ptr = const_cast<char*>(in);
  char* out_ptr = out;
  size_t in_left = in_size;
  size_t out_left = out_size;
  size_t result = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
  bool done = result != static_cast<size_t>(-1) && in_left == 0 &&
              iconv(cd, nullptr, nullptr, &out_ptr, &out_left) != static_cast<size_t>(-1);
  iconv_close(cd);
  // A non-reversible conversion (result > 0) substituted something.
  return done && result == 0 ? static_cast<long>(out_size - out_left) : -1;
}

}  // namespace

bool UnicodeToCodePage(uint16_t value, int32_t code_page, uint8_t* byte) {
  char name[32];
  CodePageName(code_page, name, sizeof name);
  const char in[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
  char out[8];
  if (ConvertOnce(name, "UTF-16LE", in, sizeof in, out, sizeof out) != 1) return false;
  *byte = static_cast<uint8_t>(out[0]);
  return true;
}

bool CodePageToUnicode(uint8_t byte, int32_t code_page, uint16_t* value) {
  char name[32];
  CodePageName(code_page, name, sizeof name);
  const char in[1] = {static_cast<char>(byte)};
  char out[8];
  if (ConvertOnce("UTF-16LE", name, in, sizeof in, out, sizeof out) != 2) return false;
  *value = static_cast<uint16_t>(static_cast<uint8_t>(out[0]) | (static_cast<uint8_t>(out[1]) << 8));
  return true;
}

}  // namespace platform

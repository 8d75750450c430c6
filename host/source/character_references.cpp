// HTML character references in prose (HTML pages and Markdown): numeric
// ones, and the named ones Polish text uses. A reference this table does not
// know is kept as an object, so it is written back untouched.
#include <algorithm>
#include <cstring>

#include "host/source/source_build.h"

namespace wirsel::source {

namespace {

struct Named {
  const char* name;
  char32_t code;
};

// Sorted by name.
constexpr Named kNamed[] = {
    {"AElig", 0xC6},   {"Aacute", 0xC1},  {"Oacute", 0xD3},  {"aacute", 0xE1},
    {"amp", 0x26},     {"apos", 0x27},    {"bdquo", 0x201E}, {"bull", 0x2022},
    {"copy", 0xA9},    {"deg", 0xB0},     {"eacute", 0xE9},  {"emsp", 0x2003},
    {"ensp", 0x2002},  {"euro", 0x20AC},  {"gt", 0x3E},      {"hellip", 0x2026},
    {"laquo", 0xAB},   {"ldquo", 0x201C}, {"lsaquo", 0x2039}, {"lsquo", 0x2018},
    {"lt", 0x3C},      {"mdash", 0x2014}, {"middot", 0xB7},  {"minus", 0x2212},
    {"nbsp", 0xA0},    {"ndash", 0x2013}, {"oacute", 0xF3},  {"ouml", 0xF6},
    {"para", 0xB6},    {"quot", 0x22},    {"raquo", 0xBB},   {"rdquo", 0x201D},
    {"reg", 0xAE},     {"rsaquo", 0x203A}, {"rsquo", 0x2019}, {"sbquo", 0x201A},
    {"sect", 0xA7},    {"shy", 0xAD},     {"thinsp", 0x2009}, {"times", 0xD7},
    {"trade", 0x2122}, {"uuml", 0xFC},
};

bool IsAlnum(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

bool CharacterReference(std::string_view bytes, size_t pos, char32_t& code, uint32_t& length) {
  if (pos >= bytes.size() || bytes[pos] != '&') return false;
  size_t i = pos + 1;
  constexpr size_t kLongest = 32;  // the longest HTML name has 31
  if (i < bytes.size() && bytes[i] == '#') {
    ++i;
    const bool hex = i < bytes.size() && (bytes[i] == 'x' || bytes[i] == 'X');
    if (hex) ++i;
    char32_t value = 0;
    size_t digits = 0;
    for (; i < bytes.size() && digits < 8; ++i, ++digits) {
      const char c = bytes[i];
      int d = -1;
      if (c >= '0' && c <= '9') d = c - '0';
      if (hex && c >= 'a' && c <= 'f') d = c - 'a' + 10;
      if (hex && c >= 'A' && c <= 'F') d = c - 'A' + 10;
      if (d < 0) break;
      value = value * (hex ? 16 : 10) + static_cast<char32_t>(d);
    }
    if (digits == 0 || i >= bytes.size() || bytes[i] != ';') return false;
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
    code = value;
    length = static_cast<uint32_t>(i + 1 - pos);
    return true;
  }
  const size_t name_start = i;
  while (i < bytes.size() && i - name_start < kLongest && IsAlnum(bytes[i])) ++i;
  if (i == name_start || i >= bytes.size() || bytes[i] != ';') return false;
  const std::string name(bytes.substr(name_start, i - name_start));
  const auto it = std::lower_bound(std::begin(kNamed), std::end(kNamed), name,
                                   [](const Named& n, const std::string& key) {
                                     return std::strcmp(n.name, key.c_str()) < 0;
                                   });
  if (it == std::end(kNamed) || name != it->name) {
    code = 0;  // a reference, but one to keep as it is
  } else {
    code = it->code;
  }
  length = static_cast<uint32_t>(i + 1 - pos);
  return true;
}

}  // namespace wirsel::source

// Pattern lines: letters in ISO-8859-2 become pattern codes, digits become
// the value of the gap before the next letter.
#include "tools/mkhyph/patterns.h"

#include <array>

namespace {

constexpr std::array<uint8_t, 256> IsoToCode() {
  std::array<uint8_t, 256> t{};
  for (int c = 'a'; c <= 'z'; ++c) t[c] = uint8_t(c);
  t['.'] = '.';
  t[0xB1] = 'A';  // ą
  t[0xE6] = 'C';  // ć
  t[0xEA] = 'E';  // ę
  t[0xB3] = 'L';  // ł
  t[0xF1] = 'N';  // ń
  t[0xF3] = 'O';  // ó
  t[0xB6] = 'S';  // ś
  t[0xBC] = 'X';  // ź
  t[0xBF] = 'Z';  // ż
  return t;
}
constexpr std::array<uint8_t, 256> kIsoToCode = IsoToCode();

bool ParseLine(std::string_view line, Pattern* p, std::string* why) {
  p->values.assign(1, 0);
  bool digit_here = false;
  for (const char ch : line) {
    const uint8_t c = uint8_t(ch);
    if (c >= '0' && c <= '9') {
      if (digit_here) return *why = "a value of more than one digit", false;
      p->values.back() = uint8_t(c - '0');
      digit_here = true;
      continue;
    }
    const uint8_t code = kIsoToCode[c];
    if (code == 0) return *why = "a character outside the Polish alphabet", false;
    if (code == '.' && !p->codes.empty() && p->codes.back() == '.') {
      return *why = "two boundary marks", false;
    }
    p->codes.push_back(code);
    p->values.push_back(0);
    digit_here = false;
  }
  if (p->codes.empty()) return *why = "no letters", false;
  for (size_t i = 1; i + 1 < p->codes.size(); ++i) {
    if (p->codes[i] == '.') return *why = "a boundary mark inside the pattern", false;
  }
  if (p->codes.front() == '.' && p->values.front() != 0) {
    return *why = "a value before the leading boundary mark", false;
  }
  if (p->codes.back() == '.' && p->values.back() != 0) {
    return *why = "a value after the closing boundary mark", false;
  }
  return true;
}

}  // namespace

std::string_view TakeLine(std::string_view& text) {
  const size_t end = text.find('\n');
  const std::string_view line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  return line;
}

bool ParsePatterns(std::string_view text, std::vector<Pattern>* patterns, std::string* error) {
  size_t line_number = 0;
  while (!text.empty()) {
    std::string_view line = TakeLine(text);
    ++line_number;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
      line.remove_suffix(1);
    }
    if (line_number == 1 || line.empty()) continue;
    Pattern p;
    std::string why;
    if (line.front() == '%' || line.front() == '/' || (line.front() >= 'A' && line.front() <= 'Z')) {
      why = "a directive or comment, which this compiler does not support";
    } else if (ParseLine(line, &p, &why)) {
      patterns->push_back(std::move(p));
      continue;
    }
    *error = "line " + std::to_string(line_number) + ": " + why;
    return false;
  }
  return true;
}

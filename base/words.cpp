// Word characters, word flags and case patterns over Windows-1250 text.
#include "base/words.h"

#include "base/charset.h"

namespace {

inline constexpr uint16_t kDiscretionaryHyphen = 31;

const CharsetConverter& Windows1250() {
  static const CharsetConverter converter(kCharsetWin, kCharsetWin);
  return converter;
}

uint32_t ClassOf(uint16_t c) { return c < 256 ? Windows1250().ClassOf(static_cast<uint8_t>(c)) : 0; }

}  // namespace

void WordFlagBuilder::Add(CharKind kind) {
  switch (kind) {
    case CharKind::kSmall:
      raw_ |= kWordNoCapital;
      break;
    case CharKind::kCapital:
      raw_ |= first_ ? kWordCapitalised : kWordAllCapitals;
      break;
    case CharKind::kDigit:
      raw_ |= kWordDigit;
      break;
    case CharKind::kOther:
      raw_ |= kWordOther;
      break;
  }
  first_ = false;
}

uint16_t WordFlagBuilder::Flags() const {
  uint16_t flags = raw_;
  if ((flags & kWordAllCapitals) && (flags & kWordNoCapital)) {
    flags = static_cast<uint16_t>((flags & ~(kWordAllCapitals | kWordNoCapital)) | kWordMixed);
  }
  if (flags & kWordAllCapitals) flags &= static_cast<uint16_t>(~kWordCapitalised);
  if ((flags & kWordNoCapital) && (flags & kWordCapitalised)) {
    flags &= static_cast<uint16_t>(~kWordNoCapital);
  }
  return flags;
}

bool IsLetterChar(uint16_t c) { return (ClassOf(c) & (kClassUpper | kClassLower)) != 0; }

bool IsDigitChar(uint16_t c) { return c >= '0' && c <= '9'; }

bool IsSilentWordChar(uint16_t c) { return c == kDiscretionaryHyphen || c == 214 || c == 215; }

bool IsWordChar(uint16_t c) {
  return IsLetterChar(c) || IsDigitChar(c) || c == '-' || IsSilentWordChar(c);
}

CharKind KindOfChar(uint8_t c) {
  const uint32_t cls = ClassOf(c);
  if (cls & kClassLower) return CharKind::kSmall;
  if (cls & kClassUpper) return CharKind::kCapital;
  if (cls & kClassDigit) return CharKind::kDigit;
  return CharKind::kOther;
}

uint16_t WordFlags(std::string_view word) {
  WordFlagBuilder flags;
  for (const char c : word) flags.Add(KindOfChar(static_cast<uint8_t>(c)));
  return flags.Flags();
}

uint8_t SmallLetter(uint8_t c) { return Windows1250().ToLower(c); }

uint8_t CapitalLetter(uint8_t c) { return Windows1250().ToUpper(c); }

std::string SmallLetters(const std::string& word) {
  std::string small = word;
  for (char& c : small) c = static_cast<char>(SmallLetter(static_cast<uint8_t>(c)));
  return small;
}

std::string ApplyCasePattern(const std::string& text, uint16_t flags) {
  std::string shaped = text;
  if (flags & kWordAllCapitals) {
    for (char& c : shaped) c = static_cast<char>(CapitalLetter(static_cast<uint8_t>(c)));
  } else if ((flags & kWordCapitalised) && !shaped.empty()) {
    shaped[0] = static_cast<char>(CapitalLetter(static_cast<uint8_t>(shaped[0])));
  }
  return shaped;
}

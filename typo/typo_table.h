// Character classes of the typography pass: the option-dependent class
// table, the fixed letter classes of Windows-1250, and the nested quotation
// marks chosen with the table.
#pragma once

#include <array>
#include <cstdint>

#include "typo/typo_options.h"

enum TypoClass : uint16_t {
  kTypoSpace = 0x0001,
  kTypoQuote = 0x0004,
  kTypoRemoveSpaceBefore = 0x0008,
  kTypoRemoveSpaceAfter = 0x0010,
  kTypoInsertSpaceBefore = 0x0020,
  kTypoInsertSpaceAfter = 0x0040,
  kTypoDash = 0x0080,
  kTypoBreak = 0x0100,
  kTypoSentencePunct = 0x0200,
  kTypoTabLike = 0x0400,
  kTypoBlank = 0x0501,  // any of Space, Break, TabLike
  kTypoOpenBracket = 0x1000,
  kTypoCloseBracket = 0x2000,
  kTypoRomanLetter = 0x4000,
  kTypoDeleteChar = 0x8000,
  kTypoSpaceRules = kTypoRemoveSpaceBefore | kTypoRemoveSpaceAfter | kTypoInsertSpaceBefore |
                    kTypoInsertSpaceAfter,
};

// Windows-1250 codes the pass writes or tests by value.
inline constexpr uint8_t kCodeEmDash = 151;
inline constexpr uint8_t kCodeEnDash = 150;
inline constexpr uint8_t kCodeLowQuote = 132;         // „
inline constexpr uint8_t kCodeRightQuote = 148;       // ”
inline constexpr uint8_t kCodeApostrophe = 146;       // ’
inline constexpr uint8_t kCodeLeftQuote = 147;        // “
inline constexpr uint8_t kCodeSingleLowQuote = 130;   // ‚
inline constexpr uint8_t kCodeLeftSingleQuote = 145;  // ‘
inline constexpr uint8_t kCodeEllipsis = 133;         // …
inline constexpr uint8_t kCodeParagraphEnd = 13;
inline constexpr uint8_t kCodeGuillemetLeft = 171;   // «
inline constexpr uint8_t kCodeGuillemetRight = 187;  // »
inline constexpr uint8_t kCodePerMille = 137;
inline constexpr uint8_t kCodeTransparent = 30;  // skipped when looking for neighbours
// A discretionary hyphen (a soft hyphen reads as it too) stands inside a word.
inline constexpr uint8_t kCodeDiscretionaryHyphen = 31;
inline constexpr uint16_t kNoCharacter = 65535;  // a neighbour that does not exist

struct TypoCharTable {
  std::array<uint16_t, 256> classes{};
  // Marks of a nested quotation; style 0 until a valid style was chosen.
  uint8_t nested_open = kCodeLowQuote;
  uint8_t nested_close = kCodeRightQuote;

  // Class bits of a character; codes of 256 and above have none.
  uint16_t Of(uint32_t code) const { return code < 256 ? classes[code] : 0; }
  bool Is(uint32_t code, uint16_t bits) const { return (Of(code) & bits) != 0; }
};

// Clears the classes and sets them from `options`. A character listed both to
// lose and to get a space on the same side only loses it. A nested style
// outside 0..3 keeps the marks chosen last.
void BuildTypoCharTable(TypoCharTable& table, const TypographyOptions& options);

// Letters (A-Z, a-z and the 18 Polish letters) and digits of Windows-1250;
// false for any code of 256 and above.
bool IsTypoLetter(uint32_t code);
bool IsTypoDigit(uint32_t code);
inline bool IsTypoAlnum(uint32_t code) { return IsTypoLetter(code) || IsTypoDigit(code); }

// Interface texts are stored in the Mac Central European character set and
// converted to Windows-1250 once, when shown. MACCE("Sprawdź wątek...") turns
// a UTF-8 source literal into those bytes at compile time, so the source stays
// readable and no text is converted twice.
#pragma once

#include <cstddef>

namespace macce {

// One Unicode code point to its Mac Central European byte; 0 when it has none
// (a compile error through MACCE).
consteval unsigned char FromCodePoint(char32_t c) {
  if (c < 0x80) return static_cast<unsigned char>(c);
  switch (c) {
    case U'ą': return 0x88; case U'ć': return 0x8D; case U'ę': return 0xAB;
    case U'ł': return 0xB8; case U'ń': return 0xC4; case U'ó': return 0x97;
    case U'ś': return 0xE6; case U'ź': return 0x90; case U'ż': return 0xFD;
    case U'Ą': return 0x84; case U'Ć': return 0x8C; case U'Ę': return 0xA2;
    case U'Ł': return 0xFC; case U'Ń': return 0xC1; case U'Ó': return 0xEE;
    case U'Ś': return 0xE5; case U'Ź': return 0x8F; case U'Ż': return 0xFB;
    case U'«': return 0xC7; case U'»': return 0xC8; case U'’': return 0xD5;
    case U'„': return 0xE3; case U'”': return 0xD3; case U'“': return 0xD2;
    case U'—': return 0xD1; case U'–': return 0xD0; case U'™': return 0xAA;
    case U'®': return 0xA8; case U'©': return 0xA9; case U'•': return 0xA5;
    case U'é': return 0x8E;
    default: return 0;
  }
}

template <std::size_t N>
struct Text {
  char bytes[N] = {};
  std::size_t size = 0;
  consteval Text(const char8_t (&utf8)[N]) {
    std::size_t i = 0;
    while (i + 1 < N) {
      char32_t c = utf8[i];
      int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
      if (extra) c &= (0x3F >> extra);
      ++i;
      for (int k = 0; k < extra; ++k, ++i) c = (c << 6) | (utf8[i] & 0x3F);
      unsigned char b = FromCodePoint(c);
      if (b == 0) throw "character without a Mac Central European code";
      bytes[size++] = static_cast<char>(b);
    }
    bytes[size] = 0;
  }
};

template <Text T>
inline constexpr auto kStored = T;

}  // namespace macce

// A NUL-terminated Mac Central European string with static storage.
#define MACCE(literal) (::macce::kStored<::macce::Text(u8##literal)>.bytes)

// The UTF-8 codec: one code point appended as UTF-8, and the next code point
// read from UTF-8 text with every read bounds-checked.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr char32_t kUtf8Replacement = 0xFFFD;

// Appends `c` (at most U+10FFFF) in one to four bytes.
inline void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// What DecodeUtf8At found at a position.
enum class Utf8Fault {
  kNone,
  kBadLead,          // a byte that cannot start a sequence
  kCut,              // the text ends inside the sequence
  kBadContinuation,  // a byte after the lead that does not continue it
  kOutOfRange,       // overlong, a surrogate half or above U+10FFFF
};

struct Utf8Decoded {
  char32_t c = 0;     // the code point (valid when fault is kNone)
  size_t length = 1;  // bytes used; 1 for a fault
  Utf8Fault fault = Utf8Fault::kNone;
  unsigned char bad = 0;  // the offending continuation byte (kBadContinuation)
};

// Decodes the sequence at text[i] (i < text.size()), bounds-checked.
inline Utf8Decoded DecodeUtf8At(std::string_view text, size_t i) {
  Utf8Decoded out;
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) {
    out.c = lead;
    return out;
  }
  const int extra = lead >= 0xC2 && lead <= 0xDF   ? 1
                    : lead >= 0xE0 && lead <= 0xEF ? 2
                    : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                   : 0;
  if (extra == 0) {
    out.fault = Utf8Fault::kBadLead;
    return out;
  }
  if (i + static_cast<size_t>(extra) >= text.size()) {
    out.fault = Utf8Fault::kCut;
    return out;
  }
  char32_t c = lead & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    const auto next = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
    if ((next & 0xC0) != 0x80) {
      out.fault = Utf8Fault::kBadContinuation;
      out.bad = next;
      return out;
    }
    c = (c << 6) | (next & 0x3F);
  }
  const bool overlong = (extra == 2 && c < 0x800) || (extra == 3 && c < 0x10000);
  if (overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    out.fault = Utf8Fault::kOutOfRange;
    return out;
  }
  out.c = c;
  out.length = static_cast<size_t>(extra) + 1;
  return out;
}

// The next code point of text[i...] (i < text.size()); i moves past it. A
// fault reads as U+FFFD and moves on by one byte.
inline char32_t NextUtf8(std::string_view text, size_t& i) {
  const Utf8Decoded decoded = DecodeUtf8At(text, i);
  i += decoded.length;
  return decoded.fault == Utf8Fault::kNone ? decoded.c : kUtf8Replacement;
}

// Splitting one line into words: invisible characters are taken out, the
// host's word walker runs over the rest, and each word is mapped back onto
// the characters of the line.
#include "host/line_words.h"

#include "host/cp1250.h"

#include "host/proof_words.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

size_t Utf16Units(char32_t c) { return c >= 0x10000 ? 2 : 1; }

}  // namespace

char32_t DecodeCharAt(std::string_view utf8, size_t i, size_t& length) {
  const unsigned char lead = static_cast<unsigned char>(utf8[i]);
  length = 1;
  if (lead < 0x80) return lead;
  size_t count = 0;
  char32_t c = 0;
  char32_t least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    count = 2;
    c = lead & 0x1F;
    least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    count = 3;
    c = lead & 0x0F;
    least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    count = 4;
    c = lead & 0x07;
    least = 0x10000;
  }
  if (count == 0 || i + count > utf8.size()) return kReplacement;
  for (size_t k = 1; k < count; ++k) {
    const unsigned char next = static_cast<unsigned char>(utf8[i + k]);
    if ((next & 0xC0) != 0x80) return kReplacement;
    c = (c << 6) | (next & 0x3F);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kReplacement;
  length = count;
  return c;
}

DecodedLine DecodeLine(std::string_view utf8) {
  DecodedLine line;
  line.chars.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    size_t length = 0;
    const char32_t c = DecodeCharAt(utf8, i, length);
    if (c == kReplacement && length == 1) {  // a valid U+FFFD takes 3 bytes
      if (line.bad_bytes++ == 0) line.first_bad_byte = i;
    }
    line.chars.push_back(c);
    i += length;
  }
  return line;
}

std::string EncodeUtf8(std::u32string_view chars) {
  std::string out;
  out.reserve(chars.size());
  for (const char32_t c : chars) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

bool IsInvisibleInWord(char32_t c) {
  return c == 0x00AD || c == 0x200B || c == 0x200C || c == 0x200D || c == 0x2060 || c == 0xFEFF;
}

std::vector<LineWord> WordsOfLine(std::u32string_view chars) {
  // The walker reads story characters (UTF-16); each visible character of
  // the line becomes exactly one of them, so walker positions index `kept`.
  std::u16string story;
  std::vector<size_t> kept;  // line index of each story character
  story.reserve(chars.size());
  kept.reserve(chars.size());
  for (size_t i = 0; i < chars.size(); ++i) {
    const char32_t c = chars[i];
    if (IsInvisibleInWord(c)) continue;
    story.push_back(c >= 0x10000 ? char16_t{0xFFFD} : static_cast<char16_t>(c));
    kept.push_back(i);
  }
  std::vector<size_t> utf16_before(chars.size() + 1, 0);
  for (size_t i = 0; i < chars.size(); ++i)
    utf16_before[i + 1] = utf16_before[i] + Utf16Units(chars[i]);

  std::vector<LineWord> words;
  WordWalker walker(story, 1);
  for (StoryWord word; walker.Next(word);) {
    const size_t first = kept[word.start16];
    const size_t end = kept[word.end16 - 1] + 1;
    LineWord out;
    // A word with letters outside the Polish alphabet is checked whole; the
    // leading "?" (no letter code) makes the engine reject it rather than
    // read only the letters before the first foreign one.
    out.text = word.polish ? word.win1250 : "?" + Utf8ToWin1250(word.text);
    out.shown = EncodeUtf8(chars.substr(first, end - first));
    out.normal = word.text;
    out.polish = word.polish;
    out.full_stop = word.full_stop;
    out.offset = first;
    out.length = end - first;
    out.utf16_offset = utf16_before[first];
    out.utf16_length = utf16_before[end] - utf16_before[first];
    words.push_back(std::move(out));
  }
  return words;
}

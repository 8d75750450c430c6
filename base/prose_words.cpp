// Words of Unicode prose: the text is read chunk by chunk (a chunk is a run
// of characters without white space), each chunk normalised, its addresses,
// paths and file names marked as left out, and its words taken.
#include "base/prose_words.h"

#include <utf8proc.h>

#include <algorithm>
#include <cstdlib>

#include "base/charset.h"

namespace {

// A chunk longer than this is not prose and is passed over.
inline constexpr size_t kChunkMax = 1 << 16;
inline constexpr char32_t kReplacement = 0xFFFD;

utf8proc_category_t Category(char32_t cp) {
  return utf8proc_category(static_cast<utf8proc_int32_t>(cp));
}

bool IsSeparator(char32_t cp) {
  if (cp == 0x1F) return false;  // the discretionary hyphen of story text
  if (cp <= 0x20 || cp == 0x7F || cp == 0xFFFC) return true;
  if (cp < 0x80) return false;
  const utf8proc_category_t category = Category(cp);
  return category == UTF8PROC_CATEGORY_ZS || category == UTF8PROC_CATEGORY_ZL ||
         category == UTF8PROC_CATEGORY_ZP || category == UTF8PROC_CATEGORY_CC;
}

// Windows-1250 code of a letter of the Polish alphabet, else 0.
uint8_t PolishLetter(char32_t cp) {
  if (cp > 0xFFFF) return 0;
  const int32_t code = Win1250CodeOf(static_cast<uint16_t>(cp));
  return code > 0 && IsLetterChar(static_cast<uint16_t>(code)) ? static_cast<uint8_t>(code) : 0;
}

bool IsForeignLetter(char32_t cp) {
  if (cp < 0x80) return false;
  switch (Category(cp)) {
    case UTF8PROC_CATEGORY_LU:
    case UTF8PROC_CATEGORY_LL:
    case UTF8PROC_CATEGORY_LT:
    case UTF8PROC_CATEGORY_LM:
    case UTF8PROC_CATEGORY_LO:
      return true;
    default:
      return false;
  }
}

bool IsMark(char32_t cp) {
  if (cp < 0x300) return false;
  const utf8proc_category_t category = Category(cp);
  return category == UTF8PROC_CATEGORY_MN || category == UTF8PROC_CATEGORY_MC ||
         category == UTF8PROC_CATEGORY_ME;
}

bool IsAsciiLetter(char32_t cp) { return (cp >= 'a' && cp <= 'z') || (cp >= 'A' && cp <= 'Z'); }
bool IsLetter(char32_t cp) {
  if (cp < 0x80) return IsAsciiLetter(cp);
  return PolishLetter(cp) != 0 || IsForeignLetter(cp);
}
bool IsHyphen(char32_t cp) { return cp == '-' || cp == 0x2010 || cp == 0x2011; }
bool IsApostrophe(char32_t cp) { return cp == '\'' || cp == 0x2019; }
// Read over inside a word, left out of its text.
bool IsSilent(char32_t cp) {
  return cp == 0x1F || cp == 0xAD || (cp >= 0x200B && cp <= 0x200D) || cp == 0x2060 ||
         cp == 0xFEFF;
}

bool IsAsciiDigit(char32_t cp) { return cp >= '0' && cp <= '9'; }
bool IsAsciiAlnum(char32_t cp) { return IsAsciiLetter(cp) || IsAsciiDigit(cp); }
char32_t AsciiSmall(char32_t cp) { return cp >= 'A' && cp <= 'Z' ? cp + 32 : cp; }

bool IsOpening(char32_t cp) {
  switch (cp) {
    case '(': case '[': case '{': case '<': case '"': case '\'': case 0x201E: case 0x201C:
    case 0x2018: case 0x201A: case 0xAB: case 0xBB: case 0x2039: case 0x203A: case '*':
      return true;
    default:
      return false;
  }
}

bool IsClosing(char32_t cp) {
  switch (cp) {
    case ')': case ']': case '}': case '>': case '"': case '\'': case 0x201D: case 0x2019:
    case 0xAB: case 0xBB: case 0x2039: case 0x203A: case ',': case ';': case ':': case '.':
    case '!': case '?': case 0x2026: case '*':
      return true;
    default:
      return false;
  }
}

void AppendUtf8(std::string& out, char32_t cp) {
  utf8proc_uint8_t bytes[4];
  const utf8proc_ssize_t n = utf8proc_encode_char(static_cast<utf8proc_int32_t>(cp), bytes);
  out.append(reinterpret_cast<const char*>(bytes), static_cast<size_t>(n));
}

// The ligatures read as their letters.
const char* LigatureLetters(char32_t cp) {
  switch (cp) {
    case 0xFB00: return "ff";
    case 0xFB01: return "fi";
    case 0xFB02: return "fl";
    case 0xFB03: return "ffi";
    case 0xFB04: return "ffl";
    default: return nullptr;
  }
}

CharKind KindOfForeign(char32_t cp) {
  const utf8proc_category_t category = Category(cp);
  return category == UTF8PROC_CATEGORY_LU || category == UTF8PROC_CATEGORY_LT ? CharKind::kCapital
                                                                               : CharKind::kSmall;
}

}  // namespace

ProseWalker::ProseWalker(std::string_view utf8) : utf8_(utf8) {}

ProseWalker::ProseWalker(std::u16string_view utf16) : utf16_(utf16), wide_(true) {}

bool ProseWalker::Decode(Char& c) {
  c.index = index_;
  c.index16 = index16_;
  if (wide_) {
    if (pos_ >= utf16_.size()) return false;
    char32_t cp = utf16_[pos_++];
    if (cp >= 0xD800 && cp <= 0xDBFF && pos_ < utf16_.size() && utf16_[pos_] >= 0xDC00 &&
        utf16_[pos_] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16_[pos_++] - 0xDC00);
      index16_ += 2;
    } else {
      if (cp >= 0xD800 && cp <= 0xDFFF) cp = kReplacement;
      index16_ += 1;
    }
    c.cp = cp;
  } else {
    if (pos_ >= utf8_.size()) return false;
    const unsigned char byte = static_cast<unsigned char>(utf8_[pos_]);
    if (byte < 0x80) {
      c.cp = byte;
      ++pos_;
      ++index16_;
      ++index_;
      return true;
    }
    utf8proc_int32_t cp = 0;
    const utf8proc_ssize_t n =
        utf8proc_iterate(reinterpret_cast<const utf8proc_uint8_t*>(utf8_.data()) + pos_,
                         static_cast<utf8proc_ssize_t>(utf8_.size() - pos_), &cp);
    if (n <= 0 || cp < 0) {
      pos_ += 1;
      cp = kReplacement;
    } else {
      pos_ += static_cast<size_t>(n);
    }
    c.cp = static_cast<char32_t>(cp);
    index16_ += c.cp > 0xFFFF ? 2 : 1;
  }
  ++index_;
  return true;
}

bool ProseWalker::NextChunk() {
  chunk_.clear();
  Char c{};
  bool too_long = false;
  for (;;) {
    const size_t pos = pos_;
    const size_t index = index_;
    const size_t index16 = index16_;
    if (!Decode(c)) break;
    if (IsSeparator(c.cp)) {
      if (!chunk_.empty()) {
        // Read again as the start of the next chunk's white space.
        pos_ = pos;
        index_ = index;
        index16_ = index16;
        break;
      }
      continue;
    }
    if (too_long) continue;
    if (chunk_.size() == kChunkMax) {
      // Not prose: passed over whole, without keeping it.
      too_long = true;
      ++skips_.other;
      continue;
    }
    chunk_.push_back(c);
  }
  if (too_long) {
    chunk_.clear();
    return true;  // an empty chunk: nothing to read in it
  }
  return !chunk_.empty();
}

void ProseWalker::Normalise() {
  read_.clear();
  // Soft hyphens and joiners are read over: a word, an address or a file
  // name runs on across them.
  auto push = [&](char32_t cp, uint32_t first, uint32_t last) {
    if (IsSilent(cp)) return;
    if (const char* letters = LigatureLetters(cp)) {
      for (const char* p = letters; *p; ++p) read_.push_back(Read{char32_t(*p), first, last});
    } else {
      read_.push_back(Read{cp, first, last});
    }
  };
  const uint32_t n = static_cast<uint32_t>(chunk_.size());
  std::string segment;
  for (uint32_t i = 0; i < n;) {
    uint32_t j = i + 1;
    while (j < n && chunk_[j].cp >= 0x300 &&
           utf8proc_get_property(static_cast<utf8proc_int32_t>(chunk_[j].cp))->combining_class !=
               0) {
      ++j;
    }
    if (j == i + 1 && chunk_[i].cp < 0x300) {
      push(chunk_[i].cp, i, i);
      i = j;
      continue;
    }
    segment.clear();
    for (uint32_t k = i; k < j; ++k) AppendUtf8(segment, chunk_[k].cp);
    utf8proc_uint8_t* composed = nullptr;
    const utf8proc_ssize_t length = utf8proc_map(
        reinterpret_cast<const utf8proc_uint8_t*>(segment.data()),
        static_cast<utf8proc_ssize_t>(segment.size()), &composed,
        static_cast<utf8proc_option_t>(UTF8PROC_STABLE | UTF8PROC_COMPOSE));
    if (length < 0 || composed == nullptr) {
      for (uint32_t k = i; k < j; ++k) push(chunk_[k].cp, k, k);
    } else {
      for (utf8proc_ssize_t at = 0; at < length;) {
        utf8proc_int32_t cp = 0;
        const utf8proc_ssize_t step = utf8proc_iterate(composed + at, length - at, &cp);
        if (step <= 0) break;
        push(static_cast<char32_t>(cp), i, j - 1);
        at += step;
      }
    }
    std::free(composed);
    i = j;
  }
}

void ProseWalker::MarkSkipped() {
  const size_t n = read_.size();
  skipped_.assign(n, false);
  auto at = [&](size_t i) { return read_[i].cp; };
  size_t a = 0;
  size_t b = n;
  while (a < b && IsOpening(at(a))) ++a;
  while (b > a && IsClosing(at(b - 1))) --b;
  if (b - a < 2) return;
  // Most chunks are plain words: nothing to look for without these.
  const bool plain = std::none_of(read_.begin() + static_cast<ptrdiff_t>(a),
                                  read_.begin() + static_cast<ptrdiff_t>(b), [](const Read& r) {
                                    return r.cp == ':' || r.cp == '/' || r.cp == '\\' ||
                                           r.cp == '@' || r.cp == '.' || r.cp == '_' ||
                                           r.cp == '~' || r.cp == '-';
                                  });
  if (plain) return;
  auto skip = [&](size_t from, size_t to, int64_t& counter) {
    std::fill(skipped_.begin() + static_cast<ptrdiff_t>(from),
              skipped_.begin() + static_cast<ptrdiff_t>(to), true);
    ++counter;
  };
  auto starts_with = [&](size_t i, std::string_view ascii) {
    if (i + ascii.size() > b) return false;
    for (size_t k = 0; k < ascii.size(); ++k) {
      if (AsciiSmall(at(i + k)) != char32_t(static_cast<unsigned char>(ascii[k]))) return false;
    }
    return true;
  };
  auto word_start = [&](size_t i) { return i == a || !IsAsciiAlnum(at(i - 1)); };

  // URLs: "scheme://", "www.", and the schemes written without slashes.
  for (size_t i = a; i < b; ++i) {
    if (starts_with(i, "://")) {
      size_t p = i;
      while (p > a && (IsAsciiAlnum(at(p - 1)) || at(p - 1) == '+' || at(p - 1) == '.' ||
                       at(p - 1) == '-')) {
        --p;
      }
      if (p < i && IsAsciiLetter(at(p))) return skip(p, b, skips_.urls);
    }
    if (!word_start(i)) continue;
    for (std::string_view prefix : {"www.", "mailto:", "news:", "urn:", "tel:", "xmpp:", "sip:",
                                    "magnet:", "doi:"}) {
      if (starts_with(i, prefix) && i + prefix.size() < b) return skip(i, b, skips_.urls);
    }
  }
  // E-mail addresses: local@domain.tld.
  for (size_t i = a + 1; i + 1 < b; ++i) {
    if (at(i) != '@') continue;
    auto local = [&](char32_t cp) {
      return IsAsciiAlnum(cp) || cp == '.' || cp == '_' || cp == '%' || cp == '+' || cp == '-';
    };
    size_t p = i;
    while (p > a && local(at(p - 1))) --p;
    size_t q = i + 1;
    bool dot = false;
    while (q < b && (IsAsciiAlnum(at(q)) || at(q) == '.' || at(q) == '-')) {
      if (at(q) == '.' && q > i + 1 && q + 1 < b && IsAsciiAlnum(at(q + 1))) dot = true;
      ++q;
    }
    if (p < i && dot) return skip(p, q, skips_.emails);
  }
  // Paths: a drive, a share, a backslash after a name, a leading "/", "~/",
  // "./" or "../", two or more slashes, or one slash before a file name.
  size_t slashes = 0;
  for (size_t i = a; i < b; ++i) {
    if (at(i) == '/') ++slashes;
    if (at(i) == '\\' && i > a &&
        (IsAsciiAlnum(at(i - 1)) || at(i - 1) == '.' || at(i - 1) == '~' || at(i - 1) == ':')) {
      return skip(a, b, skips_.paths);
    }
  }
  if (b - a >= 3 && IsAsciiLetter(at(a)) && at(a + 1) == ':' &&
      (at(a + 2) == '\\' || at(a + 2) == '/')) {
    return skip(a, b, skips_.paths);
  }
  if (starts_with(a, "\\\\") || starts_with(a, "~/") || starts_with(a, "./") ||
      starts_with(a, "../") || (at(a) == '/' && at(a + 1) != '/') || slashes >= 2) {
    return skip(a, b, skips_.paths);
  }
  // File names: ASCII pieces joined by dots, the last one a short extension;
  // pieces of at most two letters are an abbreviation ("m.in", "p.n.e").
  auto file_name = [&](size_t from) {
    if (from >= b) return false;
    size_t pieces = 1;
    size_t piece = 0;
    size_t longest = 0;
    bool lower = false;  // the last piece has a small letter
    bool upper = false;  // the last piece has a capital
    for (size_t i = from; i < b; ++i) {
      const char32_t cp = at(i);
      if (cp == '.') {
        if (piece == 0 && i != from) return false;
        ++pieces;
        longest = std::max(longest, piece);
        piece = 0;
        lower = upper = false;
        continue;
      }
      if (!IsAsciiAlnum(cp) && cp != '_' && cp != '+' && cp != '~' && cp != '-') return false;
      ++piece;
      if (cp >= 'a' && cp <= 'z') lower = true;
      if (cp >= 'A' && cp <= 'Z') upper = true;
    }
    longest = std::max(longest, piece);
    const bool hidden = at(from) == '.' && pieces == 2;
    const bool letters_of_one_case = lower != upper;  // in the last piece
    return pieces > 1 && letters_of_one_case && (hidden || (piece <= 5 && longest > 2));
  };
  const size_t last_slash = [&] {
    for (size_t i = b; i > a; --i) {
      if (at(i - 1) == '/') return i;
    }
    return a;
  }();
  if (file_name(last_slash) && (slashes == 0 || last_slash > a + 1)) {
    return skip(a, b, slashes == 0 ? skips_.file_names : skips_.paths);
  }
  // Options of programs and identifiers.
  if (starts_with(a, "--") && b - a > 2 && IsAsciiLetter(at(a + 2))) {
    return skip(a, b, skips_.other);
  }
  for (size_t i = a + 1; i + 1 < b; ++i) {
    if (at(i) == '_' && IsAsciiAlnum(at(i - 1)) && IsAsciiAlnum(at(i + 1))) {
      return skip(a, b, skips_.other);
    }
  }
}

void ProseWalker::TakeWords() {
  words_.clear();
  next_word_ = 0;
  const size_t n = read_.size();
  for (size_t i = 0; i < n;) {
    if (skipped_[i] || !IsLetter(read_[i].cp)) {
      ++i;
      continue;
    }
    size_t j = i;
    while (j < n && !skipped_[j]) {
      const char32_t cp = read_[j].cp;
      if (IsApostrophe(cp)) {
        if (j + 1 >= n || skipped_[j + 1] || !IsLetter(read_[j + 1].cp)) break;
      } else if (!IsLetter(cp) && !IsMark(cp) && !IsAsciiDigit(cp) && !IsHyphen(cp) &&
                 !IsSilent(cp)) {
        break;
      }
      ++j;
    }
    ProseWord word;
    word.polish = true;
    WordFlagBuilder flags;
    size_t characters = 0;
    for (size_t k = i; k < j; ++k) {
      const char32_t cp = read_[k].cp;
      if (IsSilent(cp)) continue;
      if (++characters > kWalkerWordMax) {
        word.too_long = true;
        break;
      }
      AppendUtf8(word.text, cp);
      if (const uint8_t code = PolishLetter(cp)) {
        word.win1250.push_back(static_cast<char>(code));
        flags.Add(KindOfChar(code));
      } else if (IsAsciiDigit(cp)) {
        word.win1250.push_back(static_cast<char>(cp));
        flags.Add(CharKind::kDigit);
      } else if (IsHyphen(cp) || IsApostrophe(cp)) {
        word.win1250.push_back(IsHyphen(cp) ? '-' : '\'');
        flags.Add(CharKind::kOther);
      } else {
        word.polish = false;
        if (!IsMark(cp)) flags.Add(KindOfForeign(cp));
      }
    }
    if (!word.polish || word.too_long) word.win1250.clear();
    word.flags = flags.Flags();
    const Char& first = chunk_[read_[i].first];
    const Char& last = chunk_[read_[j - 1].last];
    word.start = first.index;
    word.start16 = first.index16;
    word.end = last.index + 1;
    word.end16 = last.index16 + (last.cp > 0xFFFF ? 2 : 1);
    word.full_stop = j < n && read_[j].cp == '.';
    words_.push_back(std::move(word));
    i = j;
  }
}

bool ProseWalker::Next(ProseWord& word) {
  while (next_word_ >= words_.size()) {
    if (!NextChunk()) return false;
    Normalise();
    MarkSkipped();
    TakeWords();
  }
  word = std::move(words_[next_word_++]);
  return true;
}

std::string ProseWalker::NormalText() {
  std::string out;
  for (;;) {
    if (!NextChunk()) break;
    Normalise();
    for (const Read& r : read_) AppendUtf8(out, r.cp);
    out.push_back(' ');
  }
  if (!out.empty()) out.pop_back();
  return out;
}

std::vector<ProseWord> ProseWordsOf(std::string_view utf8) {
  std::vector<ProseWord> words;
  ProseWalker walker(utf8);
  for (ProseWord word; walker.Next(word);) words.push_back(word);
  return words;
}

std::string ProseNormalForm(std::string_view utf8) {
  ProseWalker walker(utf8);
  return walker.NormalText();
}

namespace {

std::string MapLetters(std::string_view utf8, utf8proc_int32_t (*map)(utf8proc_int32_t)) {
  std::string out;
  const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(utf8.data());
  for (size_t at = 0; at < utf8.size();) {
    utf8proc_int32_t cp = 0;
    const utf8proc_ssize_t step =
        utf8proc_iterate(bytes + at, static_cast<utf8proc_ssize_t>(utf8.size() - at), &cp);
    if (step <= 0 || cp < 0) {
      AppendUtf8(out, kReplacement);
      at += 1;
      continue;
    }
    AppendUtf8(out, static_cast<char32_t>(map(cp)));
    at += static_cast<size_t>(step);
  }
  return out;
}

}  // namespace

std::string ProseSmallLetters(std::string_view utf8) { return MapLetters(utf8, utf8proc_tolower); }

std::string ProseCapitals(std::string_view utf8) { return MapLetters(utf8, utf8proc_toupper); }

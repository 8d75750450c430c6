// Reading the pieces editors hand over with the source readers (the reading
// of a fragment, host/source/source_text.h), plus nroff, which has no reader,
// and the plain reading for a piece a reader refuses.
#include "host/editor_prose.h"

#include <algorithm>
#include <exception>

using wirsel::source::ProseRun;

namespace {

// Bytes at `i` that are markup to skip (0: a character to keep).
using SkipRule = size_t (*)(std::string_view piece, size_t i);

size_t SkipNothing(std::string_view, size_t) { return 0; }

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// TeX read without its reader: control words and symbols, comments, braces
// and math shifts.
size_t SkipTex(std::string_view piece, size_t i) {
  const char c = piece[i];
  if (c == '%') {
    const size_t end = piece.find('\n', i);
    return (end == std::string_view::npos ? piece.size() : end) - i;
  }
  if (c == '{' || c == '}' || c == '$') return 1;
  if (c != '\\') return 0;
  size_t end = i + 1;
  while (end < piece.size() && IsAsciiLetter(piece[end])) ++end;
  return end == i + 1 && end < piece.size() && static_cast<unsigned char>(piece[end]) < 0x80
             ? 2
             : end - i;
}

// HTML read without its reader: tags and character references.
size_t SkipHtml(std::string_view piece, size_t i) {
  if (piece[i] == '<') {
    const size_t end = piece.find('>', i);
    return (end == std::string_view::npos ? piece.size() : end + 1) - i;
  }
  if (piece[i] == '&') {
    size_t end = i + 1;
    while (end < piece.size() && end - i <= 32 &&
           (IsAsciiLetter(piece[end]) || piece[end] == '#' ||
            (piece[end] >= '0' && piece[end] <= '9'))) {
      ++end;
    }
    if (end < piece.size() && piece[end] == ';') return end + 1 - i;
  }
  return 0;
}

// nroff: a request line, and escapes (\fB, \f(XX, \*x, \*(xx, \nx, \(xx, \x).
size_t SkipNroff(std::string_view piece, size_t i) {
  if (i == 0 && (piece[0] == '.' || piece[0] == '\'')) return piece.size();
  if (piece[i] != '\\' || i + 1 >= piece.size()) return 0;
  const char kind = piece[i + 1];
  size_t end = i + 2;
  if (kind == 'f' || kind == '*' || kind == 'n') {
    end = i + 2 < piece.size() && piece[i + 2] == '(' ? i + 5 : i + 3;
  } else if (kind == '(') {
    end = i + 4;
  }
  end = std::min(end, piece.size());
  // Never into the middle of a character.
  while (end < piece.size() && (static_cast<unsigned char>(piece[end]) & 0xC0) == 0x80) ++end;
  return end - i;
}

// The characters of `piece` outside what `skip` takes as markup, as one run.
ProseRun PlainRun(std::string_view piece, SkipRule skip) {
  ProseRun run;
  size_t i = 0;
  while (i < piece.size()) {
    if (const size_t markup = skip(piece, i)) {
      i += markup;
      continue;
    }
    size_t length = 0;
    const char32_t c = DecodeCharAt(piece, i, length);
    const auto start = static_cast<uint32_t>(i);
    const auto end = static_cast<uint32_t>(i + length);
    if (c >= 0x10000) {
      run.text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      run.text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
      run.offsets.insert(run.offsets.end(), {start, end});
      run.ends.insert(run.ends.end(), {end, end});
    } else {
      run.text += static_cast<char16_t>(c == 0 ? 0xFFFD : c);
      run.offsets.push_back(start);
      run.ends.push_back(end);
    }
    i += length;
  }
  return run;
}

}  // namespace

std::string SanitizeUtf8(std::string_view bytes) {
  DecodedLine decoded = DecodeLine(bytes);
  if (decoded.bad_bytes == 0 && bytes.find('\0') == std::string_view::npos) {
    return std::string(bytes);
  }
  for (char32_t& c : decoded.chars) c = c == 0 ? 0xFFFD : c;
  return EncodeUtf8(decoded.chars);
}

std::vector<ProseRun> ReadPiece(Markup markup, std::string_view piece, std::string& carry) {
  using wirsel::source::SourceKind;
  SourceKind kind = SourceKind::kMarkdown;
  SkipRule plain = SkipNothing;
  switch (markup) {
    case Markup::kNone:
      carry.clear();
      return {PlainRun(piece, SkipNothing)};
    case Markup::kNroff:
      carry.clear();
      return {PlainRun(piece, SkipNroff)};
    case Markup::kTex:
      kind = SourceKind::kLatex;
      plain = SkipTex;
      break;
    case Markup::kHtml:
      kind = SourceKind::kHtml;
      plain = SkipHtml;
      break;
    case Markup::kMarkdown:
      break;
  }
  const std::string reopen = std::move(carry);
  carry.clear();
  std::vector<ProseRun> runs;
  try {
    wirsel::source::ReaderSettings settings;
    settings.fragment = true;
    const wirsel::source::SourceText source =
        wirsel::source::ReadSource(kind, reopen + std::string(piece), "", settings);
    carry = source.open_at_end;
    runs = wirsel::source::ProseRuns(source);
  } catch (const std::exception&) {
    return {PlainRun(piece, plain)};
  }
  if (reopen.empty()) return runs;
  // Offsets into the piece, without what stands for the reopening markup.
  const auto shift = static_cast<uint32_t>(reopen.size());
  std::vector<ProseRun> shifted;
  for (const ProseRun& run : runs) {
    ProseRun kept;
    for (size_t k = 0; k < run.text.size(); ++k) {
      if (run.ends[k] <= shift) continue;
      kept.text += run.text[k];
      kept.offsets.push_back(run.offsets[k] > shift ? run.offsets[k] - shift : 0);
      kept.ends.push_back(run.ends[k] - shift);
    }
    if (!kept.text.empty()) shifted.push_back(std::move(kept));
  }
  return shifted;
}

std::vector<RunWord> WordsOfRun(const ProseRun& run, std::string_view piece) {
  std::u32string chars;
  std::vector<size_t> units;  // where each character starts in run.text
  chars.reserve(run.text.size());
  units.reserve(run.text.size() + 1);
  for (size_t k = 0; k < run.text.size(); ++k) {
    units.push_back(k);
    char32_t c = run.text[k];
    if (c >= 0xD800 && c <= 0xDBFF && k + 1 < run.text.size() && run.text[k + 1] >= 0xDC00 &&
        run.text[k + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (run.text[++k] - 0xDC00);
    }
    chars.push_back(c);
  }
  units.push_back(run.text.size());
  std::vector<RunWord> words;
  for (LineWord& word : WordsOfLine(chars)) {
    RunWord out;
    out.start = run.offsets[units[word.offset]];
    out.end = run.ends[units[word.offset + word.length] - 1];
    if (out.end < out.start || out.end > piece.size()) continue;
    word.shown = std::string(piece.substr(out.start, out.end - out.start));
    out.word = std::move(word);
    words.push_back(std::move(out));
  }
  return words;
}

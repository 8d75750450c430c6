// The piece sequence of a source: building it, locating offsets, and the
// shared checks of the readers.
#include "host/source/source_text.h"

#include <algorithm>

#include "host/io/io_error.h"
#include "host/source/source_build.h"

namespace wirsel::source {

namespace {

// The names of each kind; "latex" names the format but is no file extension.
struct KindName {
  const char* name;
  SourceKind kind;
  bool extension;
};
constexpr KindName kKindNames[] = {
    {"tex", SourceKind::kLatex, true},   {"latex", SourceKind::kLatex, false},
    {"html", SourceKind::kHtml, true},   {"htm", SourceKind::kHtml, true},
    {"md", SourceKind::kMarkdown, true}, {"markdown", SourceKind::kMarkdown, true},
};

bool FindKind(std::string_view name, bool extension, SourceKind& kind) {
  for (const KindName& entry : kKindNames) {
    if (name == entry.name && (entry.extension || !extension)) {
      kind = entry.kind;
      return true;
    }
  }
  return false;
}

}  // namespace

bool SourceKindFromName(std::string_view name, SourceKind& kind) {
  return FindKind(name, false, kind);
}

bool SourceKindOfPath(std::string_view path, SourceKind& kind) {
  const size_t slash = path.find_last_of('/');
  const size_t dot = path.find_last_of('.');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
    return false;
  }
  std::string extension(path.substr(dot + 1));
  for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return FindKind(extension, true, kind);
}

const char* SourceKindName(SourceKind kind) {
  switch (kind) {
    case SourceKind::kLatex: return "tex";
    case SourceKind::kHtml: return "html";
    case SourceKind::kMarkdown: break;
  }
  return "markdown";
}

std::u16string SourceText::StoryText() const {
  std::u16string text;
  text.reserve(pieces.size());
  for (const Piece& piece : pieces) {
    if (piece.has_char()) text += piece.code;
  }
  return text;
}

std::vector<int32_t> SourceText::StoryPieces() const {
  std::vector<int32_t> indices;
  indices.reserve(pieces.size());
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (pieces[i].has_char()) indices.push_back(static_cast<int32_t>(i));
  }
  return indices;
}

LineIndex::LineIndex(std::string_view bytes) : bytes_(bytes) {
  starts_.push_back(0);
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') starts_.push_back(static_cast<uint32_t>(i + 1));
  }
}

void LineIndex::Locate(uint32_t offset, int64_t& line, int64_t& column) const {
  offset = std::min<uint32_t>(offset, static_cast<uint32_t>(bytes_.size()));
  const auto it = std::upper_bound(starts_.begin(), starts_.end(), offset) - 1;
  line = (it - starts_.begin()) + 1;
  column = 1;
  for (uint32_t i = *it; i < offset; ++i) {
    // Every byte but a UTF-8 continuation byte starts a character.
    if ((static_cast<unsigned char>(bytes_[i]) & 0xC0) != 0x80) ++column;
  }
}

std::vector<ProseRun> ProseRuns(const SourceText& source) {
  std::vector<ProseRun> runs(1);
  for (const Piece& piece : source.pieces) {
    if (!piece.has_char()) continue;
    if (piece.code == kBreakChar) {
      if (!runs.back().text.empty()) runs.emplace_back();
      continue;
    }
    runs.back().text += piece.code;
    runs.back().offsets.push_back(piece.start);
    runs.back().ends.push_back(piece.end());
  }
  if (runs.back().text.empty()) runs.pop_back();
  return runs;
}

SourceText ReadSource(SourceKind kind, std::string bytes, const std::string& name,
                      const ReaderSettings& settings) {
  switch (kind) {
    case SourceKind::kLatex: return ReadLatex(std::move(bytes), name, settings);
    case SourceKind::kHtml: return ReadHtml(std::move(bytes), name, settings);
    case SourceKind::kMarkdown: break;
  }
  return ReadMarkdown(std::move(bytes), name);
}

// ---- Shared reader parts ----

int LineOf(std::string_view bytes, size_t offset) {
  offset = std::min(offset, bytes.size());
  return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

void FailAt(const SourceText& source, size_t offset, const std::string& reason) {
  throw io::IoError(source.name, LineOf(source.bytes, offset), reason);
}

SourceText CheckedSource(SourceKind kind, std::string bytes, const std::string& name) {
  SourceText source;
  source.kind = kind;
  source.name = name;
  source.bytes = std::move(bytes);
  CheckEncoding(source);
  return source;
}

void CheckEncoding(const SourceText& source) {
  const std::string_view bytes = source.bytes;
  if (bytes.size() >= 0xFFFFFFF0u) FailAt(source, 0, "the file is too large (4 GB or more)");
  size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c == 0) FailAt(source, i, "a NUL byte: this is not a text file");
    if (c < 0x80) {
      ++i;
      continue;
    }
    size_t length = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
    if (c > 0xF4) length = 0;
    if (length == 0 || i + length > bytes.size()) {
      FailAt(source, i, "invalid UTF-8 (save the file as UTF-8)");
    }
    char32_t cp = c & (length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07);
    for (size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) FailAt(source, i, "invalid UTF-8 (save the file as UTF-8)");
      cp = (cp << 6) | (next & 0x3F);
    }
    const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      FailAt(source, i, "invalid UTF-8 (save the file as UTF-8)");
    }
    i += length;
  }
}

char32_t CodePointAt(std::string_view bytes, size_t pos, uint32_t& length) {
  const auto c = static_cast<unsigned char>(bytes[pos]);
  length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
  if (pos + length > bytes.size()) {  // cannot happen after CheckEncoding
    length = 1;
    return 0xFFFD;
  }
  if (length == 1) return c;
  char32_t cp = c & (length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07);
  for (uint32_t k = 1; k < length; ++k) {
    cp = (cp << 6) | (static_cast<unsigned char>(bytes[pos + k]) & 0x3F);
  }
  return cp;
}

// ---- Building ----

void PieceBuilder::Push(const Piece& piece) {
  source_.pieces.push_back(piece);
  covered_ = piece.end();
}

void PieceBuilder::MarkUpTo(uint32_t offset, Piece::Side side) {
  if (offset > covered_) Mark(covered_, offset - covered_, side);
}

void PieceBuilder::Char(char32_t code, uint32_t start, uint32_t length) {
  MarkUpTo(start);
  if (code >= 0x10000) {
    Push({.start = start,
          .length = length,
          .code = static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10))});
    Push({.start = start + length,
          .length = 0,
          .code = static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF))});
    return;
  }
  Push({.start = start, .length = length, .code = static_cast<char16_t>(code)});
}

namespace {

// The last piece with a character, or null.
const Piece* LastChar(const std::vector<Piece>& pieces) {
  for (auto it = pieces.rbegin(); it != pieces.rend(); ++it) {
    if (it->has_char()) return &*it;
  }
  return nullptr;
}

}  // namespace

void PieceBuilder::Space(uint32_t start, uint32_t length) {
  MarkUpTo(start);
  auto& pieces = source_.pieces;
  if (!pieces.empty() && pieces.back().type == Piece::kProse && pieces.back().code == u' ' &&
      pieces.back().end() == start) {
    pieces.back().length += length;
    covered_ = pieces.back().end();
    return;
  }
  // No space starts a paragraph, and white space on both sides of markup
  // (`a <!-- c --> b`) is one space to the passes: the second is kept as
  // markup, so a pass that takes out double spaces leaves it alone.
  const Piece* last = LastChar(pieces);
  if (!last || last->code == kBreakChar || last->code == u' ') {
    Mark(start, length);
    return;
  }
  Push({.start = start, .length = length, .code = u' '});
}

void PieceBuilder::Mark(uint32_t start, uint32_t length, Piece::Side side) {
  if (length == 0) return;
  MarkUpTo(start);
  auto& pieces = source_.pieces;
  // White space right after a space is part of that space (the indentation
  // of a continuation line), so a pass that binds the space binds it all.
  if (!pieces.empty() && pieces.back().type == Piece::kProse && pieces.back().code == u' ' &&
      pieces.back().end() == start) {
    uint32_t blanks = 0;
    while (blanks < length && IsBlank(source_.bytes[start + blanks])) ++blanks;
    pieces.back().length += blanks;
    covered_ = pieces.back().end();
    start += blanks;
    length -= blanks;
    if (length == 0) return;
  }
  if (!pieces.empty() && pieces.back().type == Piece::kMark && pieces.back().end() == start &&
      pieces.back().side == side) {
    pieces.back().length += length;
    covered_ = pieces.back().end();
    return;
  }
  Push({.start = start, .length = length, .type = Piece::kMark, .side = side});
}

void PieceBuilder::Object(uint32_t start, uint32_t length) {
  MarkUpTo(start);
  Push({.start = start, .length = length, .code = kObjectChar, .type = Piece::kProtected});
}

void PieceBuilder::Break(uint32_t start, uint32_t length) {
  MarkUpTo(start);
  auto& pieces = source_.pieces;
  const Piece* last = LastChar(pieces);
  if (!last || last->code == kBreakChar) {
    Mark(start, length);
    return;
  }
  // A space that ends a paragraph becomes part of the paragraph end.
  if (pieces.back().type == Piece::kProse && pieces.back().code == u' ' &&
      pieces.back().end() == start) {
    pieces.back().code = kBreakChar;
    pieces.back().type = Piece::kProtected;
    pieces.back().length += length;
    covered_ = pieces.back().end();
    return;
  }
  Push({.start = start, .length = length, .code = kBreakChar, .type = Piece::kProtected});
}

void PieceBuilder::Prose(uint32_t start, uint32_t end, bool blank_line_breaks, bool references) {
  const std::string_view bytes = source_.bytes;
  uint32_t i = start;
  while (i < end) {
    if (IsBlank(bytes[i])) {
      uint32_t j = i;
      int newlines = 0;
      while (j < end && IsBlank(bytes[j])) newlines += bytes[j++] == '\n';
      if (blank_line_breaks && newlines >= 2) {
        Break(i, j - i);
      } else {
        Space(i, j - i);
      }
      i = j;
      continue;
    }
    if (references && bytes[i] == '&') {
      char32_t code = 0;
      uint32_t length = 0;
      if (CharacterReference(bytes.substr(0, end), i, code, length)) {
        if (code == 0 || code == kObjectChar || code == kBreakChar) {
          Object(i, length);
        } else {
          Char(code, i, length);
        }
        i += length;
        continue;
      }
    }
    uint32_t length = 0;
    const char32_t code = CodePointAt(bytes, i, length);
    if (code == kObjectChar || code < 0x20) {
      Object(i, length);  // a control character or U+FFFC would confuse the passes
    } else {
      Char(code, i, length);
    }
    i += length;
  }
}

}  // namespace wirsel::source

// What the three source readers share: building the piece sequence, UTF-8
// decoding with errors at a line, and HTML character references.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/source/source_text.h"

namespace wirsel::source {

inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// The 1-based line of a byte offset.
int LineOf(std::string_view bytes, size_t offset);

// Throws io::IoError at the line of `offset`.
[[noreturn]] void FailAt(const SourceText& source, size_t offset, const std::string& reason);

// Checks the whole source once: valid UTF-8 and no NUL byte.
void CheckEncoding(const SourceText& source);

// A source of `kind` over `bytes`, its encoding checked: what every reader
// starts from.
SourceText CheckedSource(SourceKind kind, std::string bytes, const std::string& name);

// The code point at bytes[pos] (valid UTF-8, already checked); its length in
// `length`.
char32_t CodePointAt(std::string_view bytes, size_t pos, uint32_t& length);

// Decodes an HTML character reference at bytes[pos] ("&amp;", "&#8222;",
// "&#x201E;"): its code point and length, or false when it is not one this
// reader knows.
bool CharacterReference(std::string_view bytes, size_t pos, char32_t& code, uint32_t& length);

class PieceBuilder {
 public:
  explicit PieceBuilder(SourceText& source) : source_(source) {}

  // Prose from bytes [start, end): one character per code point, a run of
  // white space one space; with `blank_line_breaks` a run holding an empty
  // line is a paragraph end; with `references` HTML character references are
  // decoded (unknown ones become objects).
  void Prose(uint32_t start, uint32_t end, bool blank_line_breaks, bool references);
  // One prose character standing for bytes [start, start + length) (two
  // story characters outside the BMP).
  void Char(char32_t code, uint32_t start, uint32_t length);
  // A run of white space seen as one space (merged into a space just before).
  void Space(uint32_t start, uint32_t length);
  void Mark(uint32_t start, uint32_t length, Piece::Side side = Piece::kNeutral);
  void Object(uint32_t start, uint32_t length);
  // A paragraph end; none is added right after another or at the start.
  void Break(uint32_t start, uint32_t length);

  // Fills the bytes between the last piece and `offset` with a mark.
  void MarkUpTo(uint32_t offset, Piece::Side side = Piece::kNeutral);
  uint32_t covered() const { return covered_; }

 private:
  void Push(const Piece& piece);

  SourceText& source_;
  uint32_t covered_ = 0;  // bytes [0, covered_) are in pieces
};

}  // namespace wirsel::source

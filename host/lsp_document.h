// One open document of the language server: its text, edited by ranges in
// UTF-16 positions as the protocol counts them, and split into lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "host/editor_prose.h"

struct LspPosition {
  size_t line = 0;
  size_t character = 0;  // UTF-16 code units
};

class LspDocument {
 public:
  LspDocument(std::string text, Markup markup) : text_(std::move(text)), markup_(markup) {
    IndexLines();
  }

  // Replaces the text between two positions. False, with nothing changed,
  // when a position lies past the end of the document or `start` follows
  // `end`; a character past the end of its line means the line's end.
  bool Replace(LspPosition start, LspPosition end, std::string_view text, std::string* error);
  void ReplaceAll(std::string text);

  size_t line_count() const { return line_starts_.size(); }
  // The line's text without its line end.
  std::string_view Line(size_t line) const;
  // Lines [first, end) with their line ends.
  std::string_view Lines(size_t first, size_t end) const;
  Markup markup() const { return markup_; }
  const std::string& text() const { return text_; }

 private:
  void IndexLines();
  // After bytes [from, old_to) became [from, new_to).
  void Reindex(size_t from, size_t old_to, size_t new_to);
  // Byte offset of a position; false past the end.
  bool Offset(LspPosition position, size_t* offset) const;

  std::string text_;
  Markup markup_;
  std::vector<size_t> line_starts_;
};

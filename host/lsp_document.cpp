// Lines end at "\n", "\r\n" or "\r", as the protocol says.
#include "host/lsp_document.h"

#include <algorithm>

void LspDocument::IndexLines() {
  line_starts_.assign(1, 0);
  for (size_t i = 0; i < text_.size(); ++i) {
    if (text_[i] == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') ++i;
    if (text_[i] == '\n' || text_[i] == '\r') line_starts_.push_back(i + 1);
  }
}

std::string_view LspDocument::Line(size_t line) const {
  const size_t start = line_starts_[line];
  size_t end = line + 1 < line_starts_.size() ? line_starts_[line + 1] : text_.size();
  while (end > start && (text_[end - 1] == '\n' || text_[end - 1] == '\r')) --end;
  return std::string_view(text_).substr(start, end - start);
}

std::string_view LspDocument::Lines(size_t first, size_t end) const {
  const size_t from = line_starts_[first];
  const size_t to = end < line_starts_.size() ? line_starts_[end] : text_.size();
  return std::string_view(text_).substr(from, to - from);
}

bool LspDocument::Offset(LspPosition position, size_t* offset) const {
  if (position.line >= line_starts_.size()) return false;
  const std::string_view line = Line(position.line);
  size_t units = 0;
  size_t i = 0;
  while (i < line.size() && units < position.character) {
    const unsigned char lead = static_cast<unsigned char>(line[i]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    units += length == 4 ? 2 : 1;
    i = std::min(line.size(), i + length);
  }
  *offset = line_starts_[position.line] + i;
  return true;
}

bool LspDocument::Replace(LspPosition start, LspPosition end, std::string_view text,
                          std::string* error) {
  size_t from = 0;
  size_t to = 0;
  if (!Offset(start, &from) || !Offset(end, &to)) {
    *error = "position past the end of the document (it has " +
             std::to_string(line_starts_.size()) + " lines)";
    return false;
  }
  if (to < from) {
    *error = "range ends before it starts";
    return false;
  }
  text_.replace(from, to - from, text);
  Reindex(from, to, from + text.size());
  return true;
}

// Line starts up to the line before the edit stay (a "\r" there may meet a
// "\n" of the edit), those after it move, and the breaks in between are
// found again: the work is the edited lines, not the document.
void LspDocument::Reindex(size_t from, size_t old_to, size_t new_to) {
  const auto line = std::upper_bound(line_starts_.begin(), line_starts_.end(), from) - 1;
  const size_t kept =
      static_cast<size_t>(line - line_starts_.begin()) - (line == line_starts_.begin() ? 0 : 1);
  std::vector<size_t> after(std::upper_bound(line_starts_.begin(), line_starts_.end(), old_to + 1),
                            line_starts_.end());
  for (size_t& start : after) start = start - old_to + new_to;
  line_starts_.resize(kept + 1);
  for (size_t i = line_starts_[kept]; i < text_.size() && i <= new_to; ++i) {
    if (text_[i] == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') ++i;
    if ((text_[i] == '\n' || text_[i] == '\r') && i <= new_to) line_starts_.push_back(i + 1);
  }
  line_starts_.insert(line_starts_.end(), after.begin(), after.end());
}

void LspDocument::ReplaceAll(std::string text) {
  text_ = std::move(text);
  IndexLines();
}

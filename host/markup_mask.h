// Markup hidden from the spelling of `wirsel spell` (TeX, HTML/XML, nroff
// input) and `wirsel lsp` (Markdown, LaTeX): markup characters are replaced
// by spaces, line by line, so every word keeps its offset. A stopgap kept to a few rules until the
// source readers can hand over prose with positions.
#pragma once

#include <string>

enum class Markup { kNone, kTex, kHtml, kNroff, kMarkdown };

// What a construct left open at the end of one line carries into the next.
struct MarkupState {
  bool in_tag = false;      // HTML: inside <...>
  bool in_comment = false;  // HTML: inside <!-- ... -->
  char32_t math_end = 0;    // TeX: inside math closed by $ (or ']' / ')' after a backslash)
  char32_t fence = 0;       // Markdown: inside a code block fenced by ``` or ~~~
};

inline bool operator==(const MarkupState& a, const MarkupState& b) {
  return a.in_tag == b.in_tag && a.in_comment == b.in_comment && a.math_end == b.math_end &&
         a.fence == b.fence;
}

// Replaces the markup of one line by `fill` (a space unless the caller wants
// to tell markup from the line's own spaces).
void MaskMarkup(Markup markup, std::u32string& line, MarkupState& state, char32_t fill = U' ');

// Markup hidden from the spelling of `wirsel spell` (TeX, HTML/XML, nroff
// input): markup characters are replaced by spaces, line by line, so every
// word keeps its offset. A stopgap kept to a few rules until the source
// readers can hand over prose with positions.
#pragma once

#include <string>

enum class Markup { kNone, kTex, kHtml, kNroff };

// What a construct left open at the end of one line carries into the next.
struct MarkupState {
  bool in_tag = false;      // HTML: inside <...>
  bool in_comment = false;  // HTML: inside <!-- ... -->
  char32_t math_end = 0;    // TeX: inside math closed by $ (or ']' / ')' after a backslash)
};

// Replaces the markup of one line by spaces.
void MaskMarkup(Markup markup, std::u32string& line, MarkupState& state);

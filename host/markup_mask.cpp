// TeX: commands, comments, math and the arguments of commands that name
// things rather than hold prose (\cite, \ref, \label, \begin ...). HTML: tags,
// comments and entities. nroff: requests and escapes. Markdown: fenced code,
// code spans, link targets, autolinks and HTML tags.
#include "host/markup_mask.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

bool IsAsciiLetter(char32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Commands whose options and first argument are names, keys or code.
bool SkipsArgument(std::u32string_view name) {
  static constexpr std::u32string_view kNames[] = {U"begin",         U"end",
                                                   U"cite",          U"citep",
                                                   U"citet",         U"nocite",
                                                   U"ref",           U"eqref",
                                                   U"pageref",       U"autoref",
                                                   U"cref",          U"Cref",
                                                   U"label",         U"usepackage",
                                                   U"documentclass", U"includegraphics",
                                                   U"url",           U"href",
                                                   U"input",         U"include",
                                                   U"bibliography",  U"bibliographystyle",
                                                   U"newcommand",    U"renewcommand",
                                                   U"setlength",     U"hspace",
                                                   U"vspace",        U"pagestyle",
                                                   U"thispagestyle", U"color",
                                                   U"textcolor"};
  return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

void Blank(std::u32string& line, size_t from, size_t to, char32_t fill) {
  for (size_t i = from; i < to && i < line.size(); ++i) line[i] = fill;
}

// Past the options [..] and one {..} group starting at `i` (nesting counted).
size_t PastArgument(const std::u32string& line, size_t i) {
  while (i < line.size() && line[i] == U' ') ++i;
  while (i < line.size() && line[i] == U'[') {
    const size_t close = line.find(U']', i);
    i = close == std::u32string::npos ? line.size() : close + 1;
  }
  if (i >= line.size() || line[i] != U'{') return i;
  int depth = 0;
  for (; i < line.size(); ++i) {
    if (line[i] == U'{') ++depth;
    if (line[i] == U'}' && --depth == 0) return i + 1;
  }
  return i;
}

void MaskTex(std::u32string& line, MarkupState& state, char32_t fill) {
  size_t i = 0;
  while (i < line.size()) {
    if (state.math_end) {
      const size_t start = i;
      while (i < line.size()) {
        if (state.math_end == U'$' && line[i] == U'$') {
          i += i + 1 < line.size() && line[i + 1] == U'$' ? 2 : 1;
          state.math_end = 0;
          break;
        }
        if (line[i] == U'\\' && i + 1 < line.size() && line[i + 1] == state.math_end) {
          i += 2;
          state.math_end = 0;
          break;
        }
        i += line[i] == U'\\' ? 2 : 1;
      }
      Blank(line, start, i, fill);
      continue;
    }
    const char32_t c = line[i];
    if (c == U'%') {
      Blank(line, i, line.size(), fill);
      return;
    }
    if (c == U'$') {
      state.math_end = U'$';
      Blank(line, i, i + (i + 1 < line.size() && line[i + 1] == U'$' ? 2 : 1), fill);
      i += i + 1 < line.size() && line[i + 1] == U'$' ? 2 : 1;
      continue;
    }
    if (c != U'\\') {
      ++i;
      continue;
    }
    if (i + 1 < line.size() && (line[i + 1] == U'(' || line[i + 1] == U'[')) {
      state.math_end = line[i + 1] == U'(' ? U')' : U']';
      Blank(line, i, i + 2, fill);
      i += 2;
      continue;
    }
    size_t end = i + 1;
    while (end < line.size() && IsAsciiLetter(line[end])) ++end;
    if (end == i + 1 && end < line.size()) ++end;  // \% \\ \{ ...
    const std::u32string name = line.substr(i + 1, end - i - 1);
    if (SkipsArgument(name)) end = PastArgument(line, end);
    Blank(line, i, end, fill);
    i = end;
  }
}

void MaskHtml(std::u32string& line, MarkupState& state, char32_t fill) {
  size_t i = 0;
  while (i < line.size()) {
    if (state.in_comment) {
      const size_t close = line.find(U"-->", i);
      const size_t end = close == std::u32string::npos ? line.size() : close + 3;
      Blank(line, i, end, fill);
      if (close != std::u32string::npos) state.in_comment = false;
      i = end;
    } else if (state.in_tag) {
      const size_t close = line.find(U'>', i);
      const size_t end = close == std::u32string::npos ? line.size() : close + 1;
      Blank(line, i, end, fill);
      if (close != std::u32string::npos) state.in_tag = false;
      i = end;
    } else if (line.compare(i, 4, U"<!--") == 0) {
      state.in_comment = true;
    } else if (line[i] == U'<') {
      state.in_tag = true;
    } else if (line[i] == U'&') {
      size_t end = i + 1;
      while (end < line.size() && end - i <= 32 && line[end] != U';' && line[end] != U' ') ++end;
      if (end < line.size() && line[end] == U';') Blank(line, i, end + 1, fill);
      i = end;
    } else {
      ++i;
    }
  }
}

void MaskNroff(std::u32string& line, char32_t fill) {
  if (!line.empty() && (line[0] == U'.' || line[0] == U'\'')) {
    Blank(line, 0, line.size(), fill);
    return;
  }
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] != U'\\' || i + 1 >= line.size()) continue;
    size_t end = i + 2;
    if (line[i + 1] == U'f' || line[i + 1] == U'*' || line[i + 1] == U'n') {
      end = line.size() > i + 2 && line[i + 2] == U'(' ? i + 5 : i + 3;
    } else if (line[i + 1] == U'(') {
      end = i + 4;
    }
    end = std::min(end, line.size());
    Blank(line, i, end, fill);
    i = end - 1;
  }
}

void MaskMarkdown(std::u32string& line, MarkupState& state, char32_t fill) {
  size_t indent = 0;
  while (indent < line.size() && indent < 4 && line[indent] == U' ') ++indent;
  const bool fence_line = line.size() >= indent + 3 &&
                          (line[indent] == U'`' || line[indent] == U'~') &&
                          line[indent + 1] == line[indent] && line[indent + 2] == line[indent];
  if (state.fence || fence_line) {
    if (fence_line && (!state.fence || state.fence == line[indent])) {
      state.fence = state.fence ? 0 : line[indent];
    }
    Blank(line, 0, line.size(), fill);
    return;
  }
  for (size_t i = 0; i < line.size(); ++i) {
    size_t end = i;
    if (line[i] == U'`') {
      size_t ticks = i;
      while (ticks < line.size() && line[ticks] == U'`') ++ticks;
      const size_t close = line.find(std::u32string(ticks - i, U'`'), ticks);
      end = close == std::u32string::npos ? ticks : close + (ticks - i);
    } else if (line[i] == U']' && i + 1 < line.size() && line[i + 1] == U'(') {
      const size_t close = line.find(U')', i + 2);
      end = close == std::u32string::npos ? line.size() : close + 1;
    } else if (line[i] == U'<') {
      const size_t close = line.find(U'>', i + 1);
      end = close == std::u32string::npos ? i + 1 : close + 1;
    } else if (line.compare(i, 7, U"http://") == 0 || line.compare(i, 8, U"https://") == 0) {
      end = i;
      while (end < line.size() && line[end] != U' ' && line[end] != U')') ++end;
    }
    if (end > i) {
      Blank(line, i, end, fill);
      i = end - 1;
    }
  }
}

}  // namespace

void MaskMarkup(Markup markup, std::u32string& line, MarkupState& state, char32_t fill) {
  switch (markup) {
    case Markup::kTex:
      MaskTex(line, state, fill);
      break;
    case Markup::kHtml:
      MaskHtml(line, state, fill);
      break;
    case Markup::kNroff:
      MaskNroff(line, fill);
      break;
    case Markup::kMarkdown:
      MaskMarkdown(line, state, fill);
      break;
    case Markup::kNone:
      break;
  }
}

// The prose the editor front ends (`wirsel spell`, `wirsel lsp`) check in
// text they get a piece at a time (a line of the ispell pipe, a paragraph of
// a language-server document), read by the source readers of host/source as
// `wirsel proof` reads whole files. What a piece leaves open (math, a
// verbatim environment, an HTML comment or tag) is carried into the next as
// the markup that reopens it, so a piece reads as it does in its document.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/line_words.h"
#include "host/source/source_text.h"

enum class Markup : uint8_t { kNone, kTex, kHtml, kNroff, kMarkdown };

// `bytes` as the readers take text: every byte that is not part of valid
// UTF-8, and every NUL, becomes U+FFFD, so each character keeps its place
// (its count in characters and in UTF-16 units).
std::string SanitizeUtf8(std::string_view bytes);

// The prose of `piece` (sanitized) in paragraphs, offsets in bytes of the
// piece. `carry` is what the piece before left open and becomes what this
// one leaves open. A piece the reader refuses is read as plain text without
// its obvious markup (TeX commands and comments, HTML tags and references).
std::vector<wirsel::source::ProseRun> ReadPiece(Markup markup, std::string_view piece,
                                                std::string& carry);

// A word of a run, as WordsOfLine finds it.
struct RunWord {
  LineWord word;       // `shown` is the word as it stands in the piece
  uint32_t start = 0;  // its bytes in the piece
  uint32_t end = 0;
};
std::vector<RunWord> WordsOfRun(const wirsel::source::ProseRun& run, std::string_view piece);

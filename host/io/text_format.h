// UTF-8 text files (.txt) as documents of one text box, and a story written
// out as text, TeX or HTML.
//
// Reading: every line end (LF, CR LF or a lone CR) is one paragraph end (13)
// in the story; U+00AD stays the host's soft hyphen, U+00A0 stays 160;
// characters outside the BMP become two story characters (a UTF-16 surrogate
// pair). The first line end of the file decides how line ends are written
// back, so a file round-trips byte for byte (mixed line ends are written back
// in the style of the first).
// Writing text: 13 becomes that line end; 31 and U+00AD become U+00AD; a
// space with the non-breaking mark becomes U+00A0; a surrogate without its
// partner becomes U+FFFD.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "host/model/document.h"

namespace wirsel::io {

enum class LineEnd { kLf, kCrLf, kCr };
enum class TextFlavor { kText, kTex, kHtml };

struct TextFile {
  std::unique_ptr<model::Document> document;  // one spread, one page, one text box
  LineEnd line_end = LineEnd::kLf;
};

// Throws IoError with the line and reason on invalid UTF-8 or a story that
// would be too long; `name` is the file name used in errors and as the
// document's name.
TextFile ParseText(std::string_view bytes, const std::string& name);
TextFile ReadTextFile(const std::string& path);

// The story as UTF-8 text, TeX (a fragment: \- for hyphens, ~ for
// non-breaking spaces, specials escaped, a blank line between paragraphs) or
// HTML (a whole page: &shy;, &nbsp;, one <p> per paragraph; `title` is its
// title).
std::string RenderStory(const model::Story& story, TextFlavor flavor, LineEnd line_end,
                        std::string_view title = {});

// UTF-8 to story characters: every line end (LF, CR LF, lone CR) becomes one
// paragraph end (13); the style of the first is stored in *first_line_end
// (left alone when there is none). Throws IoError at the line of the first
// invalid sequence.
std::u16string DecodeUtf8(std::string_view bytes, const std::string& name,
                          LineEnd* first_line_end = nullptr);
// Story characters to UTF-8, unchanged (a surrogate without its partner
// becomes U+FFFD).
std::string EncodeUtf8(std::u16string_view units);

}  // namespace wirsel::io

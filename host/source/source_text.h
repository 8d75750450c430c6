// LaTeX, HTML and Markdown sources read as prose for the passes, and written
// back with every byte that is not prose exactly as it was.
//
// A reader turns the source bytes into a sequence of pieces, in source order,
// that together cover every byte of the file:
//  - a prose character: one story character (a UTF-16 unit) with the source
//    bytes it stands for ("a", "&amp;", "~", "\-", "--", a run of white space
//    that the passes see as one space, ...);
//  - a mark: markup that takes no room in the prose (`\emph{`, `</b>`, `**`,
//    a comment, the indentation of a continuation line), so `\emph{w} domu`
//    is the sentence "w domu" for the passes;
//  - a protected character: markup that stands in the prose as one character,
//    U+FFFC for a word-like object (math, a code span, `\cite{x}`, an image)
//    or a paragraph end (13) for a block boundary.
// Marks and protected characters are always written back as they were, even
// when a pass erased the character that stands for them.
//
// The story characters are the prose and protected characters in order; the
// writer gets the story after the passes together with, for each story
// character, the piece it came from (or none for a character a pass put in)
// and places what the passes added between the pieces.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wirsel::source {

enum class SourceKind : uint8_t { kLatex, kHtml, kMarkdown };

// "tex", "html", "markdown" (also "md"); false for anything else.
bool SourceKindFromName(std::string_view name, SourceKind& kind);
// The kind a file name's extension stands for (.tex; .html, .htm; .md,
// .markdown); false for other names.
bool SourceKindOfPath(std::string_view path, SourceKind& kind);
const char* SourceKindName(SourceKind kind);

inline constexpr char16_t kObjectChar = 0xFFFC;
inline constexpr char16_t kBreakChar = 13;

struct Piece {
  enum Type : uint8_t {
    kProse,      // a prose character
    kProtected,  // U+FFFC or 13 standing for markup; written back as it was
    kMark,       // markup without a character
  };
  // Where a mark sits in the markup around it: what a pass inserts right at
  // a mark goes after closing markup and before opening or other markup.
  enum Side : uint8_t { kNeutral, kOpening, kClosing };

  uint32_t start = 0;  // source bytes [start, start + length)
  uint32_t length = 0;
  char16_t code = 0;   // story character (not for marks)
  Type type = kProse;
  Side side = kNeutral;

  uint32_t end() const { return start + length; }
  bool has_char() const { return type != kMark; }
};

struct SourceText {
  SourceKind kind = SourceKind::kMarkdown;
  std::string name;   // the file name, for messages and reports
  std::string bytes;  // the source as read
  std::vector<Piece> pieces;
  // Read as a fragment: the markup that reopens what the bytes left open at
  // their end ("$", "\\begin{verbatim}", "<!--", "<a href=\"x"), to put
  // before the next fragment; empty when nothing is open.
  std::string open_at_end;

  // The story characters: prose and protected pieces in order.
  std::u16string StoryText() const;
  // Index in `pieces` of each story character.
  std::vector<int32_t> StoryPieces() const;
};

// Line (from 1) and column (from 1, in characters) of a byte offset.
class LineIndex {
 public:
  explicit LineIndex(std::string_view bytes);
  void Locate(uint32_t offset, int64_t& line, int64_t& column) const;

 private:
  std::string_view bytes_;
  std::vector<uint32_t> starts_;
};

// A paragraph of prose as the passes see it, with the source offset of each
// of its characters: what an ispell pipe or a language server checks.
struct ProseRun {
  std::u16string text;           // no paragraph end; U+FFFC for objects
  std::vector<uint32_t> offsets; // source byte offset of each character
  std::vector<uint32_t> ends;    // and just past its source bytes
};
std::vector<ProseRun> ProseRuns(const SourceText& source);

// Settings of the readers.
struct ReaderSettings {
  // More LaTeX commands whose arguments are prose, as "name:kinds" words
  // separated by spaces or commas (see latex_rules.h).
  std::string tex_prose_commands;
  // The bytes are a piece of a larger source that an editor hands over (a
  // line, a paragraph): what is open at the end ends there (see
  // SourceText::open_at_end), and a "}" or "\\end{...}" that closes what the
  // piece did not open is markup. Only bytes that are not UTF-8 still fail.
  bool fragment = false;
};

// Reads a source. Throws io::IoError naming the file and line on bytes it
// cannot read safely: invalid UTF-8, a NUL byte, unbalanced braces, an
// environment or math that never ends.
SourceText ReadSource(SourceKind kind, std::string bytes, const std::string& name,
                      const ReaderSettings& settings = {});
SourceText ReadLatex(std::string bytes, const std::string& name, const ReaderSettings& settings);
SourceText ReadMarkdown(std::string bytes, const std::string& name);
SourceText ReadHtml(std::string bytes, const std::string& name,
                    const ReaderSettings& settings = {});

// One story character after the passes.
struct StoryChar {
  char16_t code = 0;
  bool non_breaking = false;  // a space with the non-breaking mark
  int32_t piece = -1;         // index in pieces, -1 for a character a pass put in
};

// The source with the story's prose in place of the original prose.
std::string WriteSource(const SourceText& source, const std::vector<StoryChar>& story);
// The prose as plain UTF-8 text (objects as their source bytes, a blank
// line between paragraphs), for `--format txt`.
std::string WriteProseText(const SourceText& source, const std::vector<StoryChar>& story);

}  // namespace wirsel::source

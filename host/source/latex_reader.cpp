// The LaTeX reader: a small tokenizer that knows groups, commands and their
// arguments (latex_rules.h), math, verbatim-like environments and comments,
// and hands everything else to the passes as prose.
#include <algorithm>
#include <cstring>
#include <vector>

#include "host/source/latex_rules.h"
#include "host/source/source_build.h"

namespace wirsel::source {

// ---- The rules ----

namespace {

struct BuiltIn {
  const char* names;  // separated by spaces
  TexCommand::Kind kind;
  const char* args;
};

constexpr BuiltIn kBuiltIn[] = {
    {"emph textbf textit textsl textsc textup textmd textrm textsf textnormal underline uline "
     "mbox fbox enquote thanks",
     TexCommand::kInline, "p"},
    {"textcolor colorbox href", TexCommand::kInline, "xp"},
    {"part chapter section subsection subsubsection paragraph subparagraph caption footnote "
     "footnotetext title author date marginpar",
     TexCommand::kBlock, "p"},
    {"label index selectlanguage vspace hspace pagestyle thispagestyle documentclass usepackage "
     "bibliographystyle bibliography input include cline nocite linespread",
     TexCommand::kInvisible, "x"},
    {"setlength addtolength setcounter addtocounter", TexCommand::kInvisible, "xx"},
    {"bf it em rm sf tt sc sl small large Large LARGE huge Huge normalsize footnotesize "
     "scriptsize tiny bfseries itshape mdseries upshape slshape scshape normalfont rmfamily "
     "sffamily ttfamily centering raggedright raggedleft noindent indent newpage clearpage "
     "cleardoublepage pagebreak nopagebreak nolinebreak hfill vfill medskip bigskip smallskip "
     "maketitle tableofcontents listoffigures listoftables appendix frontmatter mainmatter "
     "backmatter hline toprule midrule bottomrule protect relax makeatletter makeatother "
     "centerline",
     TexCommand::kInvisible, ""},
    {"cite citep citet parencite textcite autocite ref eqref pageref autoref cref Cref nameref "
     "url nolinkurl includegraphics input",
     TexCommand::kObject, "x"},
};

constexpr const char* kMathEnvironments[] = {
    "equation", "equation*", "align", "align*", "alignat", "alignat*", "gather", "gather*",
    "multline", "multline*", "eqnarray", "eqnarray*", "flalign", "flalign*", "displaymath",
    "math", "split", "dmath", "dmath*"};
constexpr const char* kVerbatimEnvironments[] = {
    "verbatim", "verbatim*", "Verbatim", "Verbatim*", "lstlisting", "minted", "comment",
    "alltt", "BVerbatim", "LVerbatim", "filecontents", "filecontents*"};

void AddWords(std::map<std::string, TexCommand, std::less<>>& commands, const char* names,
              const TexCommand& command) {
  const std::string_view all(names);
  size_t i = 0;
  while (i < all.size()) {
    const size_t end = std::min(all.find(' ', i), all.size());
    if (end > i) commands[std::string(all.substr(i, end - i))] = command;
    i = end + 1;
  }
}

}  // namespace

TexRules::TexRules(std::string_view user_commands) {
  for (const BuiltIn& entry : kBuiltIn) AddWords(commands_, entry.names, {entry.kind, entry.args});
  size_t i = 0;
  while (i < user_commands.size()) {
    while (i < user_commands.size() && (user_commands[i] == ' ' || user_commands[i] == ',')) ++i;
    size_t end = i;
    while (end < user_commands.size() && user_commands[end] != ' ' && user_commands[end] != ',') {
      ++end;
    }
    const std::string_view word = user_commands.substr(i, end - i);
    i = end;
    const size_t colon = word.find(':');
    if (colon == 0 || colon == std::string_view::npos) continue;
    std::string kinds(word.substr(colon + 1));
    TexCommand command{TexCommand::kInline, {}};
    if (kinds.size() >= 2 && kinds.compare(kinds.size() - 2, 2, "/b") == 0) {
      command.kind = TexCommand::kBlock;
      kinds.resize(kinds.size() - 2);
    }
    if (kinds.empty() || kinds.find_first_not_of("px") != std::string::npos) continue;
    command.args = kinds;
    std::string name(word.substr(0, colon));
    if (!name.empty() && name[0] == '\\') name.erase(0, 1);
    commands_[name] = command;
  }
}

TexCommand TexRules::Command(std::string_view name) const {
  const auto it = commands_.find(name);
  if (it != commands_.end()) return it->second;
  return {TexCommand::kObject, {}};
}

TexEnvironment TexRules::Environment(std::string_view name) const {
  for (const char* math : kMathEnvironments) {
    if (name == math) return TexEnvironment::kMath;
  }
  for (const char* verbatim : kVerbatimEnvironments) {
    if (name == verbatim) return TexEnvironment::kVerbatim;
  }
  return TexEnvironment::kProse;
}

// ---- The tokenizer ----

namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '@'; }

// Characters that end a run of plain prose.
bool Special(char c) {
  switch (c) {
    case '\\': case '{': case '}': case '$': case '%': case '~': case '&': case '#': case '^':
    case '_': case '-': case '`': case '\'': case ',': case ' ': case '\t': case '\n':
    case '\r': case '\f':
      return true;
    default:
      return false;
  }
}

class LatexReader {
 public:
  LatexReader(SourceText& source, const TexRules& rules, bool fragment)
      : source_(source), bytes_(source.bytes), fragment_(fragment), rules_(rules), build_(source) {}

  void Read() {
    const auto size = static_cast<uint32_t>(bytes_.size());
    uint32_t i = 0;
    while (i < size) {
      const char c = bytes_[i];
      if (!Special(c)) {
        uint32_t j = i + 1;
        while (j < size && !Special(bytes_[j])) ++j;
        build_.Prose(i, j, true, false);
        i = j;
        continue;
      }
      i = Token(i);
    }
    if (!frames_.empty() && !fragment_) {
      const Frame& open = frames_.back();
      if (open.type == Frame::kEnvironment) {
        FailAt(source_, open.offset, "\\begin{" + open.name + "} is never ended");
      }
      FailAt(source_, open.offset,
             open.type == Frame::kArgument ? "the argument of \\" + open.name + " is never closed"
                                           : std::string("this { is never closed"));
    }
    build_.MarkUpTo(size);
    source_.open_at_end = reopen_;
  }

 private:
  struct Frame {
    enum Type : uint8_t { kGroup, kArgument, kEnvironment };
    Type type = kGroup;
    uint32_t offset = 0;  // where it opened
    std::string name;     // the command or environment
    std::string rest;     // arguments still to come after this one
    bool block = false;
  };

  uint32_t size() const { return static_cast<uint32_t>(bytes_.size()); }
  char At(uint32_t i) const { return i < size() ? bytes_[i] : '\0'; }

  // Past the group that opens at `open` ('{'), skipping escaped characters
  // and comments. In a fragment a group left open ends with it.
  uint32_t GroupEnd(uint32_t open) {
    int depth = 0;
    for (uint32_t i = open; i < size(); ++i) {
      const char c = bytes_[i];
      if (c == '\\') {
        ++i;
      } else if (c == '%' && !verbatim_arguments_) {
        while (i < size() && bytes_[i] != '\n') ++i;
      } else if (c == '{') {
        ++depth;
      } else if (c == '}' && --depth == 0) {
        return i + 1;
      }
    }
    if (!fragment_) FailAt(source_, open, "this { is never closed");
    // Kept markup goes on in the next piece: a command whose argument is kept.
    reopen_ = verbatim_arguments_ ? "\\url" : "\\label";
    reopen_.append(static_cast<size_t>(std::max(depth, 1)), '{');
    return size();
  }

  // Past an optional argument that opens at `open` ('['), or `open` when
  // there is none (no ']' before an empty line).
  uint32_t OptionEnd(uint32_t open) {
    if (At(open) != '[') return open;
    const std::string reopen = reopen_;  // an option left open is no option
    int depth = 0;
    for (uint32_t i = open + 1; i < size(); ++i) {
      const char c = bytes_[i];
      if (c == '\\') {
        ++i;
      } else if (c == '{') {
        i = GroupEnd(i) - 1;
        reopen_ = reopen;
      } else if (c == '}') {
        return open;
      } else if (c == ']' && depth == 0) {
        return i + 1;
      } else if (c == '\n' && At(i + 1) == '\n') {
        return open;
      }
    }
    return open;
  }

  uint32_t SkipOptions(uint32_t i) {
    for (uint32_t next = OptionEnd(i); next != i; next = OptionEnd(i)) i = next;
    return i;
  }

  // Spaces and at most one line end after a control word (TeX skips them).
  uint32_t SkipSpaces(uint32_t i) const {
    while (At(i) == ' ' || At(i) == '\t') ++i;
    if (At(i) == '\r') ++i;
    if (At(i) == '\n') {
      uint32_t j = i + 1;
      while (At(j) == ' ' || At(j) == '\t') ++j;
      if (At(j) != '\n' && At(j) != '\r') i = j;
    }
    return i;
  }

  // Past `text` from i, or fails naming what was opened at `open`; in a
  // fragment, the end, with `reopen` the markup that goes on in the next.
  uint32_t Find(uint32_t i, std::string_view text, uint32_t open, const std::string& what,
                std::string_view reopen) {
    const size_t found = bytes_.find(text, i);
    if (found != std::string_view::npos) return static_cast<uint32_t>(found + text.size());
    if (!fragment_) FailAt(source_, open, what + " is never closed");
    reopen_ = reopen;
    return size();
  }

  uint32_t Token(uint32_t i) {
    const char c = bytes_[i];
    switch (c) {
      case ' ': case '\t': case '\n': case '\r': case '\f': {
        uint32_t j = i;
        while (j < size() && IsBlank(bytes_[j])) ++j;
        build_.Prose(i, j, true, false);
        return j;
      }
      case '%': {
        uint32_t j = i;
        while (j < size() && bytes_[j] != '\n') ++j;
        if (j < size()) j = SkipSpaces(j);
        build_.Mark(i, j - i);
        return j;
      }
      case '{':
        build_.Mark(i, 1, Piece::kOpening);
        frames_.push_back({Frame::kGroup, i, {}, {}, false});
        return i + 1;
      case '}':
        return Close(i);
      case '$': {
        uint32_t j;
        if (At(i + 1) == '$') {
          j = Find(i + 2, "$$", i, "$$ (display math)", "$$");
        } else {
          j = i + 1;
          while (j < size() && bytes_[j] != '$') j += bytes_[j] == '\\' ? 2 : 1;
          if (j < size()) {
            ++j;
          } else if (fragment_) {
            j = size();
            reopen_ = "$";
          } else {
            FailAt(source_, i, "$ (math) is never closed");
          }
        }
        build_.Object(i, j - i);
        return j;
      }
      case '~':
        build_.Char(0xA0, i, 1);
        return i + 1;
      case '&':
        build_.Break(i, 1);  // a table cell ends
        return i + 1;
      case '#': case '^': case '_':
        build_.Object(i, 1);
        return i + 1;
      case '-':
        if (At(i + 1) == '-') {
          const bool em = At(i + 2) == '-';
          build_.Char(em ? 0x2014 : 0x2013, i, em ? 3 : 2);
          return i + (em ? 3 : 2);
        }
        build_.Char('-', i, 1);
        return i + 1;
      case '`':
        return Quote(i, 0x2018, 0x201C);
      case '\'':
        return Quote(i, '\'', 0x201D);
      case ',':
        return Quote(i, ',', 0x201E);
      default:
        return Command(i);
    }
  }

  uint32_t Close(uint32_t i) {
    if (fragment_ && (frames_.empty() || frames_.back().type == Frame::kEnvironment)) {
      build_.Mark(i, 1, Piece::kClosing);  // opened before the fragment
      return i + 1;
    }
    if (frames_.empty()) FailAt(source_, i, "this } closes no {");
    Frame frame = frames_.back();
    if (frame.type == Frame::kEnvironment) {
      FailAt(source_, i, "this } closes no { inside \\begin{" + frame.name + "} (line " +
                             std::to_string(LineOf(bytes_, frame.offset)) + ")");
    }
    frames_.pop_back();
    if (frame.type == Frame::kGroup) {
      build_.Mark(i, 1, Piece::kClosing);
      return i + 1;
    }
    return Arguments(i, i + 1, frame.name, frame.rest, frame.block, Piece::kClosing);
  }

  // Takes the arguments in `kinds` from `at`, the mark starting at `start`:
  // kept ones into the mark; at a prose one the mark ends after its "{".
  uint32_t Arguments(uint32_t start, uint32_t at, const std::string& name, const std::string& kinds,
                     bool block, Piece::Side side) {
    for (size_t k = 0; k < kinds.size(); ++k) {
      at = SkipOptions(at);
      if (At(at) != '{') break;  // used without its argument
      if (kinds[k] == 'x') {
        at = GroupEnd(at);
        continue;
      }
      build_.Mark(start, at + 1 - start, side == Piece::kClosing ? Piece::kClosing : Piece::kOpening);
      frames_.push_back({Frame::kArgument, at, name, kinds.substr(k + 1), block});
      return at + 1;
    }
    at = SkipOptions(at);
    build_.Mark(start, at - start, side);
    if (block) build_.Break(at, 0);
    return at;
  }

  // `` '' ,, are the quotation marks “ ” „; one alone is `single`.
  uint32_t Quote(uint32_t i, char32_t single, char32_t doubled) {
    if (At(i + 1) == At(i)) {
      build_.Char(doubled, i, 2);
      return i + 2;
    }
    build_.Char(single, i, 1);
    return i + 1;
  }

  uint32_t Command(uint32_t i) {
    const char next = At(i + 1);
    if (i + 1 >= size()) {
      build_.Object(i, 1);
      return i + 1;
    }
    if (!IsLetter(next)) return Symbol(i, next);
    uint32_t j = i + 1;
    while (j < size() && IsLetter(bytes_[j])) ++j;
    const std::string name(bytes_.substr(i + 1, j - i - 1));
    if (name == "begin" || name == "end") return Environment(i, j, name == "begin");
    if (name == "verb") {
      uint32_t k = j + (At(j) == '*' ? 1 : 0);
      const char delimiter = At(k);
      if (k >= size() || IsLetter(delimiter) || IsBlank(delimiter)) {
        if (!fragment_) FailAt(source_, i, "\\verb needs a delimiter, as in \\verb|text|");
        build_.Object(i, j - i);
        return j;
      }
      uint32_t end = k + 1;
      while (end < size() && bytes_[end] != delimiter && bytes_[end] != '\n') ++end;
      if (At(end) != delimiter) {
        if (!fragment_) {
          FailAt(source_, i, "\\verb" + std::string(1, delimiter) + " is never closed on its line");
        }
        build_.Object(i, end - i);
        return end;
      }
      build_.Object(i, end + 1 - i);
      return end + 1;
    }
    if (name == "item") {
      build_.Break(i, 0);
      const uint32_t end = SkipSpaces(SkipOptions(j));
      build_.Mark(i, end - i, Piece::kOpening);
      return end;
    }
    if (name == "par" || name == "newline" || name == "linebreak") {
      const uint32_t end = SkipSpaces(SkipOptions(j));
      build_.Break(i, end - i);
      return end;
    }
    const TexCommand command = rules_.Command(name);
    uint32_t at = At(j) == '*' ? j + 1 : j;
    // A URL may hold "%" and "#": its argument is read as it stands.
    verbatim_arguments_ = name == "url" || name == "href" || name == "nolinkurl" || name == "path";
    const uint32_t end = CommandArguments(i, j, at, name, command);
    verbatim_arguments_ = false;
    return end;
  }

  uint32_t CommandArguments(uint32_t i, uint32_t j, uint32_t at, const std::string& name,
                            const TexCommand& command) {
    switch (command.kind) {
      case TexCommand::kInline:
      case TexCommand::kBlock: {
        const bool block = command.kind == TexCommand::kBlock;
        if (block) build_.Break(i, 0);
        return Arguments(i, at, name, command.args, block, Piece::kOpening);
      }
      case TexCommand::kInvisible:
      case TexCommand::kObject: {
        const uint32_t before = at;
        const bool known = !command.args.empty() || command.kind == TexCommand::kInvisible;
        size_t taken = 0;
        while (true) {
          const uint32_t after_options = SkipOptions(at);
          if (At(after_options) == '{' && (!known || taken < command.args.size())) {
            at = GroupEnd(after_options);
            ++taken;
            continue;
          }
          at = after_options;
          break;
        }
        // TeX skips the spaces after a control word without arguments.
        if (at == before) at = SkipSpaces(at);
        if (command.kind == TexCommand::kInvisible) {
          build_.Mark(i, at - i);
        } else {
          build_.Object(i, at - i);
        }
        return at;
      }
    }
    return j;
  }

  uint32_t Symbol(uint32_t i, char next) {
    switch (next) {
      case '(': {
        const uint32_t end = Find(i + 2, "\\)", i, "\\( (math)", "\\(");
        build_.Object(i, end - i);
        return end;
      }
      case '[': {
        const uint32_t end = Find(i + 2, "\\]", i, "\\[ (display math)", "\\[");
        build_.Object(i, end - i);
        return end;
      }
      case '\\': {
        uint32_t end = i + 2 + (At(i + 2) == '*' ? 1 : 0);
        end = SkipSpaces(SkipOptions(end));
        build_.Break(i, end - i);
        return end;
      }
      case '-':
        build_.Char(0xAD, i, 2);
        return i + 2;
      case ' ': case '\n': case '\t':
        build_.Space(i, 2);
        return i + 2;
      case ',':
        build_.Char(0x2009, i, 2);
        return i + 2;
      case '%': case '&': case '#': case '$': case '_': case '{': case '}':
        build_.Char(static_cast<unsigned char>(next), i, 2);
        return i + 2;
      case '/': case '@': case '!': case ';': case ':':
        build_.Mark(i, 2);
        return i + 2;
      default: {
        // An accent or other control symbol, with the character or group it
        // applies to: kept whole.
        uint32_t end = i + 1;
        uint32_t length = 0;
        CodePointAt(bytes_, end, length);
        end += length;
        if (std::strchr("'\"^`~=.uvHckbdrt", next) != nullptr && next != '\0') {
          if (At(end) == '{') {
            end = GroupEnd(end);
          } else if (end < size() && !IsBlank(bytes_[end]) && !Special(bytes_[end])) {
            CodePointAt(bytes_, end, length);
            end += length;
          }
        }
        build_.Object(i, end - i);
        return end;
      }
    }
  }

  uint32_t Environment(uint32_t i, uint32_t j, bool begin) {
    const uint32_t open = SkipSpaces(j);
    if (At(open) != '{') {
      if (!fragment_)
        FailAt(source_, i, std::string(begin ? "\\begin" : "\\end") + " needs {name}");
      build_.Mark(i, j - i);
      return j;
    }
    const uint32_t name_end = GroupEnd(open);
    const std::string name(bytes_.substr(open + 1, name_end - open - 2));
    if (!begin && fragment_) {
      // What the fragment opened is closed here; the rest was opened before it.
      const auto opened = std::find_if(frames_.rbegin(), frames_.rend(), [&](const Frame& frame) {
        return frame.type == Frame::kEnvironment && frame.name == name;
      });
      if (opened != frames_.rend()) frames_.erase(std::prev(opened.base()), frames_.end());
    } else if (!begin) {
      if (frames_.empty() || frames_.back().type != Frame::kEnvironment) {
        if (!frames_.empty()) {
          FailAt(source_, i, "\\end{" + name + "} while a { from line " +
                                 std::to_string(LineOf(bytes_, frames_.back().offset)) +
                                 " is still open");
        }
        FailAt(source_, i, "\\end{" + name + "} without its \\begin");
      }
      if (frames_.back().name != name) {
        FailAt(source_, i, "\\end{" + name + "} ends \\begin{" + frames_.back().name +
                               "} of line " + std::to_string(LineOf(bytes_, frames_.back().offset)));
      }
      frames_.pop_back();
    }
    if (!begin) {
      build_.Break(i, 0);
      build_.Mark(i, name_end - i, Piece::kClosing);
      build_.Break(name_end, 0);
      return name_end;
    }
    const TexEnvironment kind = rules_.Environment(name);
    if (kind != TexEnvironment::kProse) {
      const uint32_t end = Find(name_end, "\\end{" + name + "}", i, "\\begin{" + name + "}",
                                "\\begin{" + name + "}");
      if (kind == TexEnvironment::kVerbatim) {
        build_.Break(i, 0);
        build_.Mark(i, end - i);
        build_.Break(end, 0);
      } else {
        build_.Object(i, end - i);
      }
      return end;
    }
    uint32_t at = name_end;
    while (true) {
      const uint32_t after_options = SkipOptions(at);
      if (At(after_options) == '{') {
        at = GroupEnd(after_options);
        continue;
      }
      at = after_options;
      break;
    }
    build_.Break(i, 0);
    build_.Mark(i, at - i, Piece::kOpening);
    frames_.push_back({Frame::kEnvironment, i, name, {}, false});
    return at;
  }

  SourceText& source_;
  std::string_view bytes_;
  bool fragment_;                    // a piece of a larger source (ReaderSettings)
  std::string reopen_;               // in a fragment: what reopens what it left open
  bool verbatim_arguments_ = false;  // no comments inside the arguments being read
  const TexRules& rules_;
  PieceBuilder build_;
  std::vector<Frame> frames_;
};

}  // namespace

SourceText ReadLatex(std::string bytes, const std::string& name, const ReaderSettings& settings) {
  SourceText source = CheckedSource(SourceKind::kLatex, std::move(bytes), name);
  const TexRules rules(settings.tex_prose_commands);
  LatexReader(source, rules, settings.fragment).Read();
  return source;
}

}  // namespace wirsel::source

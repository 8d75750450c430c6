// Writing a source back: each story character that came from the source is
// written as its own bytes while the passes left it as it was; what they put
// in is written the way the source's kind writes it; marks and protected
// characters are always written as they were.
#include <algorithm>
#include <span>

#include "base/utf8.h"
#include "host/source/source_build.h"
#include "host/source/source_text.h"

namespace wirsel::source {

namespace {

constexpr char16_t kNoBreakSpace = 0xA0;
constexpr char16_t kSoftHyphen = 0xAD;
constexpr char16_t kDiscretionaryHyphen = 31;

// The character as the passes mean it: a space with the non-breaking mark is
// a non-breaking space, the host's discretionary hyphen a soft hyphen.
char16_t Meaning(const StoryChar& c) {
  if (c.code == u' ' && c.non_breaking) return kNoBreakSpace;
  if (c.code == kDiscretionaryHyphen) return kSoftHyphen;
  return c.code;
}

// How each kind writes the characters that need it; every other character is
// written as it is, in UTF-8.
struct Escape {
  char16_t c;
  const char* text;
};
constexpr Escape kPlainEscapes[] = {{kBreakChar, "\n\n"}};
constexpr Escape kLatexEscapes[] = {{kNoBreakSpace, "~"},
                                    {kSoftHyphen, "\\-"},
                                    {kBreakChar, "\n\n"},
                                    {u'#', "\\#"},
                                    {u'$', "\\$"},
                                    {u'%', "\\%"},
                                    {u'&', "\\&"},
                                    {u'_', "\\_"},
                                    {u'{', "\\{"},
                                    {u'}', "\\}"},
                                    {u'~', "\\textasciitilde{}"},
                                    {u'^', "\\textasciicircum{}"},
                                    {u'\\', "\\textbackslash{}"}};
constexpr Escape kHtmlEscapes[] = {
    {kNoBreakSpace, "&nbsp;"}, {kSoftHyphen, "&shy;"}, {kBreakChar, "<br>\n"},
    {u'&', "&amp;"},           {u'<', "&lt;"},         {u'>', "&gt;"}};
constexpr Escape kMarkdownEscapes[] = {{kBreakChar, "\n\n"}, {u'*', "\\*"},   {u'_', "\\_"},
                                       {u'`', "\\`"},        {u'\\', "\\\\"}, {u'<', "\\<"},
                                       {u'[', "\\["},        {u']', "\\]"}};

std::span<const Escape> EscapesOf(SourceKind kind, bool plain) {
  if (plain) return kPlainEscapes;
  switch (kind) {
    case SourceKind::kLatex:
      return kLatexEscapes;
    case SourceKind::kHtml:
      return kHtmlEscapes;
    case SourceKind::kMarkdown:
      return kMarkdownEscapes;
  }
  return {};
}

class Writer {
 public:
  Writer(const SourceText& source, const std::vector<StoryChar>& story, bool plain)
      : source_(source), story_(story), plain_(plain) {}

  std::string Run() {
    out_.reserve(source_.bytes.size() + source_.bytes.size() / 8);
    size_t next = 0;  // first piece not yet written or passed over
    for (size_t i = 0; i < story_.size(); ++i) {
      const StoryChar& c = story_[i];
      if (c.piece < 0 || static_cast<size_t>(c.piece) < next ||
          static_cast<size_t>(c.piece) >= source_.pieces.size()) {
        added_.push_back(i);
        continue;
      }
      Gap(next, static_cast<size_t>(c.piece));
      Kept(c, source_.pieces[static_cast<size_t>(c.piece)]);
      next = static_cast<size_t>(c.piece) + 1;
    }
    Gap(next, source_.pieces.size());
    return std::move(out_);
  }

 private:
  std::string_view Bytes(const Piece& piece) const {
    return std::string_view(source_.bytes).substr(piece.start, piece.length);
  }

  // Pieces [from, to) whose characters the passes erased (or marks), with
  // the characters the passes added since the last kept one: those take the
  // place of the first erased prose character, else go after the closing
  // marks that lead the gap.
  void Gap(size_t from, size_t to) {
    size_t place = to;
    if (!added_.empty()) {
      for (size_t k = from; k < to; ++k) {
        if (source_.pieces[k].type == Piece::kProse) {
          place = k;
          break;
        }
      }
      if (place == to) {
        place = from;
        while (place < to && source_.pieces[place].type == Piece::kMark &&
               source_.pieces[place].side == Piece::kClosing) {
          ++place;
        }
      }
    }
    for (size_t k = from; k < to; ++k) {
      if (k == place) WriteAdded();
      const Piece& piece = source_.pieces[k];
      if (piece.type == Piece::kMark) {
        if (!plain_) out_ += Bytes(piece);
      } else if (piece.type == Piece::kProtected) {
        WriteProtected(piece);
      }
    }
    if (place >= to) WriteAdded();
  }

  void WriteProtected(const Piece& piece) {
    if (!plain_) {
      out_ += Bytes(piece);
    } else if (piece.code == kBreakChar) {
      out_ += "\n\n";
    } else {
      out_ += Bytes(piece);
    }
  }

  void WriteAdded() {
    for (size_t i = 0; i < added_.size(); ++i) {
      const char16_t c = Meaning(story_[added_[i]]);
      if (c >= 0xD800 && c <= 0xDBFF && i + 1 < added_.size()) {
        const char16_t low = story_[added_[i + 1]].code;
        if (low >= 0xDC00 && low <= 0xDFFF) {
          AppendUtf8(out_, 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (low - 0xDC00));
          ++i;
          continue;
        }
      }
      Encode(c);
    }
    added_.clear();
  }

  void Kept(const StoryChar& c, const Piece& piece) {
    const char16_t now = Meaning(c);
    if (piece.type == Piece::kProtected) {
      WriteProtected(piece);
      return;
    }
    if (now == piece.code) {
      if (!plain_) {
        out_ += Bytes(piece);
        return;
      }
    }
    // A low surrogate kept after its high one was written with its bytes.
    if (now >= 0xDC00 && now <= 0xDFFF && piece.length == 0) return;
    if (now >= 0xD800 && now <= 0xDBFF) {
      const size_t index = static_cast<size_t>(&c - story_.data());
      if (index + 1 < story_.size()) {
        const char16_t low = story_[index + 1].code;
        if (low >= 0xDC00 && low <= 0xDFFF) {
          AppendUtf8(out_, 0x10000 + ((static_cast<char32_t>(now) - 0xD800) << 10) + (low - 0xDC00));
          return;
        }
      }
    }
    if (!plain_ && now == kNoBreakSpace && source_.kind == SourceKind::kLatex) {
      // A space that held a line end keeps it: the comment sign makes TeX
      // skip the line end and the next line's indentation.
      const std::string_view bytes = Bytes(piece);
      const size_t line_end = bytes.find_first_of("\r\n");
      if (line_end != std::string_view::npos) {
        out_ += "~%";
        out_ += bytes.substr(line_end);
        return;
      }
    }
    Encode(now);
    // A space that held a line end and turned non-breaking ahead of markup
    // that must start its line (a block quote's ">") keeps the line end.
    if (!plain_ && now == kNoBreakSpace && Bytes(piece).find('\n') != std::string_view::npos) {
      const size_t k = static_cast<size_t>(&piece - source_.pieces.data()) + 1;
      if (k < source_.pieces.size() && source_.pieces[k].type == Piece::kMark &&
          source_.kind == SourceKind::kMarkdown) {
        out_ += '\n';
      }
    }
  }

  // A character the passes put in (or changed), as this kind writes it.
  void Encode(char16_t c) {
    if (c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD;
    for (const Escape& escape : EscapesOf(source_.kind, plain_)) {
      if (escape.c == c) {
        out_ += escape.text;
        return;
      }
    }
    AppendUtf8(out_, c);
  }

  const SourceText& source_;
  const std::vector<StoryChar>& story_;
  bool plain_;
  std::vector<size_t> added_;  // story indices of characters put in since the last kept one
  std::string out_;
};

}  // namespace

std::string WriteSource(const SourceText& source, const std::vector<StoryChar>& story) {
  return Writer(source, story, false).Run();
}

std::string WriteProseText(const SourceText& source, const std::vector<StoryChar>& story) {
  return Writer(source, story, true).Run();
}

}  // namespace wirsel::source

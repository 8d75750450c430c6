// The Markdown reader: md4c parses the source (CommonMark with tables and
// strikethrough); its text callbacks point into the source, so the prose is
// exactly the text they deliver outside code, raw HTML, images and
// autolinks, and every byte between them is markup kept as it was. YAML
// front matter ("---" lines at the top) is kept whole.
#include <md4c.h>

#include <algorithm>
#include <cstring>

#include "host/source/source_build.h"

namespace wirsel::source {

namespace {

class MarkdownReader {
 public:
  explicit MarkdownReader(SourceText& source) : source_(source), build_(source) {}

  void Read() {
    const std::string_view bytes = source_.bytes;
    const uint32_t body = FrontMatterEnd();
    if (body > 0) build_.Mark(0, body);
    MD_PARSER parser{};
    parser.flags = MD_FLAG_TABLES | MD_FLAG_STRIKETHROUGH | MD_FLAG_PERMISSIVEURLAUTOLINKS |
                   MD_FLAG_PERMISSIVEWWWAUTOLINKS | MD_FLAG_PERMISSIVEEMAILAUTOLINKS;
    parser.enter_block = [](MD_BLOCKTYPE type, void*, void* self) {
      static_cast<MarkdownReader*>(self)->Block(type);
      return 0;
    };
    parser.leave_block = [](MD_BLOCKTYPE type, void*, void* self) {
      static_cast<MarkdownReader*>(self)->Block(type);
      return 0;
    };
    parser.enter_span = [](MD_SPANTYPE type, void* detail, void* self) {
      static_cast<MarkdownReader*>(self)->EnterSpan(type, detail);
      return 0;
    };
    parser.leave_span = [](MD_SPANTYPE type, void*, void* self) {
      static_cast<MarkdownReader*>(self)->LeaveSpan(type);
      return 0;
    };
    parser.text = [](MD_TEXTTYPE type, const MD_CHAR* text, MD_SIZE size, void* self) {
      static_cast<MarkdownReader*>(self)->Text(type, text, size);
      return 0;
    };
    if (md_parse(bytes.data() + body, static_cast<MD_SIZE>(bytes.size() - body), &parser, this) !=
        0) {
      FailAt(source_, body, "the Markdown parser gave up (out of memory?)");
    }
    build_.MarkUpTo(static_cast<uint32_t>(bytes.size()));
  }

 private:
  // Past "---" ... "---" (or "...") lines at the very top, else 0.
  uint32_t FrontMatterEnd() const {
    const std::string_view bytes = source_.bytes;
    if (bytes.substr(0, 4) != "---\n" && bytes.substr(0, 5) != "---\r\n") return 0;
    size_t line = bytes.find('\n') + 1;
    while (line < bytes.size()) {
      size_t end = bytes.find('\n', line);
      if (end == std::string_view::npos) end = bytes.size();
      std::string_view text = bytes.substr(line, end - line);
      if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
      if (text == "---" || text == "...") return static_cast<uint32_t>(std::min(end + 1, bytes.size()));
      line = end + 1;
    }
    return 0;  // no end: not front matter
  }

  void Block(MD_BLOCKTYPE) { build_.Break(build_.covered(), 0); }

  void EnterSpan(MD_SPANTYPE type, void* detail) {
    opened_ = true;
    if (type == MD_SPAN_CODE || type == MD_SPAN_IMG) ++kept_;
    if (type == MD_SPAN_A && detail) {
      const auto* a = static_cast<const MD_SPAN_A_DETAIL*>(detail);
      href_.assign(a->href.text ? a->href.text : "", a->href.size);
    }
  }

  void LeaveSpan(MD_SPANTYPE type) {
    closed_ = true;
    if ((type == MD_SPAN_CODE || type == MD_SPAN_IMG) && kept_ > 0 && --kept_ == 0) {
      if (type == MD_SPAN_CODE && code_end_ > code_start_) {
        // The code span with its backticks is the object.
        const std::string_view bytes = source_.bytes;
        uint32_t start = code_start_;
        while (start > build_.covered() && (bytes[start - 1] == '`' || bytes[start - 1] == ' ')) {
          --start;
        }
        uint32_t end = code_end_;
        while (end < bytes.size() && (bytes[end] == '`' || bytes[end] == ' ') &&
               CountBackticks(start) > CountBackticks(code_end_, end)) {
          ++end;
        }
        build_.Object(start, end - start);
      } else {
        build_.Object(build_.covered(), 0);  // the span's bytes follow as markup
      }
      code_start_ = code_end_ = 0;
    }
    if (type == MD_SPAN_A) href_.clear();
  }

  // An autolink's text is its destination (or that without "mailto:" or
  // "http://"): a URL, kept as it is.
  bool Autolink(std::string_view text) const {
    if (href_.empty()) return false;
    return href_ == text || href_ == "mailto:" + std::string(text) ||
           href_ == "http://" + std::string(text) || href_ == "https://" + std::string(text);
  }

  void Text(MD_TEXTTYPE type, const MD_CHAR* text, MD_SIZE size) {
    const std::string_view bytes = source_.bytes;
    if (type == MD_TEXT_SOFTBR) {
      if (kept_ == 0) build_.Space(build_.covered(), 0);
      return;
    }
    if (type == MD_TEXT_BR) {
      if (kept_ == 0) build_.Break(build_.covered(), 0);
      return;
    }
    if (type == MD_TEXT_CODE && kept_ > 0 && text >= bytes.data() &&
        text + size <= bytes.data() + bytes.size()) {
      const auto start = static_cast<uint32_t>(text - bytes.data());
      if (start >= build_.covered()) {
        if (code_end_ == 0) code_start_ = start;
        code_end_ = start + size;
      }
      return;
    }
    if (type != MD_TEXT_NORMAL && type != MD_TEXT_ENTITY) return;  // code, raw HTML: markup
    if (kept_ > 0 || size == 0) return;
    // Only text that lies in the source after what is built is prose.
    if (text < bytes.data() || text + size > bytes.data() + bytes.size()) return;
    const auto start = static_cast<uint32_t>(text - bytes.data());
    if (start < build_.covered()) return;
    const Piece::Side side = closed_ ? Piece::kClosing : opened_ ? Piece::kOpening : Piece::kNeutral;
    build_.MarkUpTo(start, side);
    opened_ = closed_ = false;
    if (Autolink(std::string_view(text, size))) {
      build_.Object(start, size);
      return;
    }
    build_.Prose(start, start + size, false, type == MD_TEXT_ENTITY);
  }

  // Backticks in the run that opens at `start`, or in [from, to).
  uint32_t CountBackticks(uint32_t start) const {
    uint32_t n = 0;
    while (start + n < source_.bytes.size() && source_.bytes[start + n] == ' ') ++start;
    while (start + n < source_.bytes.size() && source_.bytes[start + n] == '`') ++n;
    return n;
  }
  uint32_t CountBackticks(uint32_t from, uint32_t to) const {
    return static_cast<uint32_t>(std::count(source_.bytes.begin() + from, source_.bytes.begin() + to, '`'));
  }

  SourceText& source_;
  PieceBuilder build_;
  uint32_t code_start_ = 0;  // the text of the code span being read
  uint32_t code_end_ = 0;
  int kept_ = 0;  // depth of code spans and images
  bool opened_ = false;
  bool closed_ = false;
  std::string href_;
};

}  // namespace

SourceText ReadMarkdown(std::string bytes, const std::string& name) {
  SourceText source = CheckedSource(SourceKind::kMarkdown, std::move(bytes), name);
  MarkdownReader(source).Read();
  return source;
}

}  // namespace wirsel::source

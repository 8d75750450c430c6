// The HTML reader: gumbo parses the page as a browser would; its text nodes
// carry their place in the source, so the prose is the text of the nodes
// outside code-like elements (with character references decoded), block
// elements end paragraphs, and every other byte (tags, attributes, comments,
// the doctype, scripts, styles, code) is markup kept as it was. Where gumbo
// repairs malformed markup by moving nodes, only text that lies in source
// order becomes prose; the rest is kept as markup.
#include <gumbo.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "host/source/source_build.h"

namespace wirsel::source {

namespace {

// Elements whose content is never prose: kept as one word inside a sentence
// (inline) or as a block of their own.
bool KeptInline(GumboTag tag) {
  switch (tag) {
    case GUMBO_TAG_CODE: case GUMBO_TAG_KBD: case GUMBO_TAG_SAMP: case GUMBO_TAG_VAR:
    case GUMBO_TAG_SVG: case GUMBO_TAG_MATH: case GUMBO_TAG_IMG: case GUMBO_TAG_INPUT:
    case GUMBO_TAG_OBJECT: case GUMBO_TAG_IFRAME: case GUMBO_TAG_VIDEO: case GUMBO_TAG_AUDIO:
    case GUMBO_TAG_CANVAS: case GUMBO_TAG_SELECT: case GUMBO_TAG_EMBED: case GUMBO_TAG_BUTTON:
      return true;
    default:
      return false;
  }
}

bool KeptBlock(GumboTag tag) {
  switch (tag) {
    case GUMBO_TAG_PRE: case GUMBO_TAG_SCRIPT: case GUMBO_TAG_STYLE: case GUMBO_TAG_TEXTAREA:
    case GUMBO_TAG_NOSCRIPT: case GUMBO_TAG_TEMPLATE: case GUMBO_TAG_XMP: case GUMBO_TAG_LISTING:
    case GUMBO_TAG_PLAINTEXT:
      return true;
    default:
      return false;
  }
}

bool Block(GumboTag tag) {
  switch (tag) {
    case GUMBO_TAG_P: case GUMBO_TAG_DIV: case GUMBO_TAG_H1: case GUMBO_TAG_H2: case GUMBO_TAG_H3:
    case GUMBO_TAG_H4: case GUMBO_TAG_H5: case GUMBO_TAG_H6: case GUMBO_TAG_LI: case GUMBO_TAG_UL:
    case GUMBO_TAG_OL: case GUMBO_TAG_DL: case GUMBO_TAG_DT: case GUMBO_TAG_DD:
    case GUMBO_TAG_TABLE: case GUMBO_TAG_TR: case GUMBO_TAG_TD: case GUMBO_TAG_TH:
    case GUMBO_TAG_THEAD: case GUMBO_TAG_TBODY: case GUMBO_TAG_TFOOT: case GUMBO_TAG_CAPTION:
    case GUMBO_TAG_BLOCKQUOTE: case GUMBO_TAG_SECTION: case GUMBO_TAG_ARTICLE:
    case GUMBO_TAG_HEADER: case GUMBO_TAG_FOOTER: case GUMBO_TAG_NAV: case GUMBO_TAG_ASIDE:
    case GUMBO_TAG_MAIN: case GUMBO_TAG_FIGURE: case GUMBO_TAG_FIGCAPTION:
    case GUMBO_TAG_ADDRESS: case GUMBO_TAG_HR: case GUMBO_TAG_BR: case GUMBO_TAG_TITLE:
    case GUMBO_TAG_HTML: case GUMBO_TAG_HEAD: case GUMBO_TAG_BODY: case GUMBO_TAG_FORM:
    case GUMBO_TAG_FIELDSET: case GUMBO_TAG_LEGEND: case GUMBO_TAG_OPTION: case GUMBO_TAG_DETAILS:
    case GUMBO_TAG_SUMMARY: case GUMBO_TAG_CENTER:
      return true;
    default:
      return false;
  }
}

// Elements whose content is raw text, not markup: a fragment that opens one
// and does not close it leaves it open.
bool SameName(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return lower(x) == lower(y); });
}

bool RawText(std::string_view name) {
  for (const char* raw : {"script", "style", "textarea", "xmp", "plaintext", "pre", "listing"}) {
    if (SameName(name, raw)) return true;
  }
  return false;
}

// What a fragment leaves open at its end, as the markup that reopens it: a
// comment, a tag whose ">" is still to come (inside a quoted value or not),
// or an element of raw text; "" when nothing is.
std::string OpenAtEnd(std::string_view bytes) {
  size_t i = 0;
  while ((i = bytes.find('<', i)) != std::string_view::npos) {
    if (bytes.compare(i, 4, "<!--") == 0) {
      const size_t end = bytes.find("-->", i + 4);
      if (end == std::string_view::npos) return "<!--";
      i = end + 3;
      continue;
    }
    const char next = i + 1 < bytes.size() ? bytes[i + 1] : '\0';
    const bool letter = (next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z');
    if (!letter && next != '/' && next != '!' && next != '?') {
      ++i;
      continue;
    }
    size_t j = i + 1;
    char quote = 0;
    for (; j < bytes.size() && (quote || bytes[j] != '>'); ++j) {
      if (quote && bytes[j] == quote) {
        quote = 0;
      } else if (!quote && (bytes[j] == '"' || bytes[j] == '\'')) {
        quote = bytes[j];
      }
    }
    if (j >= bytes.size()) return quote ? std::string("<x a=") + quote : std::string("<x");
    size_t name_end = i + 1;
    while (name_end < j && bytes[name_end] != ' ' && bytes[name_end] != '>' &&
           bytes[name_end] != '/' && !IsBlank(bytes[name_end])) {
      ++name_end;
    }
    const std::string_view name = bytes.substr(i + 1, name_end - i - 1);
    i = j + 1;
    if (!letter || !RawText(name)) continue;
    size_t end = i;
    while ((end = bytes.find("</", end)) != std::string_view::npos &&
           !SameName(bytes.substr(end + 2, name.size()), name)) {
      end += 2;
    }
    if (end == std::string_view::npos) return "<" + std::string(name) + ">";
    i = end;
  }
  return {};
}

struct Event {
  enum Type : uint8_t { kBreak, kObject, kText };
  uint32_t start = 0;
  uint32_t end = 0;
  Type type = kText;
};

class HtmlReader {
 public:
  explicit HtmlReader(SourceText& source) : source_(source), build_(source) {}

  void Read() {
    const std::string& bytes = source_.bytes;
    GumboOutput* output = gumbo_parse_with_options(&kGumboDefaultOptions, bytes.data(), bytes.size());
    if (!output) FailAt(source_, 0, "the HTML parser gave up (out of memory?)");
    Collect(output->document);
    gumbo_destroy_output(&kGumboDefaultOptions, output);
    std::stable_sort(events_.begin(), events_.end(),
                     [](const Event& a, const Event& b) { return a.start < b.start; });
    for (const Event& event : events_) {
      if (event.start < build_.covered()) continue;  // out of source order: kept as markup
      MarkUpTo(event.start);
      switch (event.type) {
        case Event::kBreak: build_.Break(event.start, 0); break;
        case Event::kObject: build_.Object(event.start, 0); break;
        case Event::kText: build_.Prose(event.start, event.end, false, true); break;
      }
    }
    MarkUpTo(static_cast<uint32_t>(bytes.size()));
  }

 private:
  // The offset of a piece of the source, or false when it is not one.
  bool Offset(const GumboStringPiece& piece, uint32_t& start) const {
    const char* base = source_.bytes.data();
    if (!piece.data || piece.length == 0 || piece.data < base ||
        piece.data + piece.length > base + source_.bytes.size()) {
      return false;
    }
    start = static_cast<uint32_t>(piece.data - base);
    return true;
  }

  void Add(Event::Type type, const GumboStringPiece& piece) {
    uint32_t start = 0;
    if (!Offset(piece, start)) return;
    uint32_t end = start + static_cast<uint32_t>(piece.length);
    if (type == Event::kText) {
      // Text that gumbo gathered across tags it dropped (after </body>)
      // is prose only up to the first of them.
      const std::string_view text = std::string_view(source_.bytes).substr(start, end - start);
      for (size_t i = text.find('<'); i != std::string_view::npos; i = text.find('<', i + 1)) {
        const char next = i + 1 < text.size() ? text[i + 1] : ' ';
        if (next == '/' || next == '!' || next == '?' || (next >= 'a' && next <= 'z') ||
            (next >= 'A' && next <= 'Z')) {
          end = start + static_cast<uint32_t>(i);
          break;
        }
      }
      if (end == start) return;
    }
    events_.push_back({start, end, type});
  }

  // Walks the tree without recursion (a page may nest deeply).
  void Collect(const GumboNode* root) {
    std::vector<const GumboNode*> stack{root};
    while (!stack.empty()) {
      const GumboNode* node = stack.back();
      stack.pop_back();
      if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE) {
        Add(Event::kText, node->v.text.original_text);
        continue;
      }
      if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_DOCUMENT &&
          node->type != GUMBO_NODE_TEMPLATE) {
        continue;  // comments, CDATA: markup
      }
      const GumboVector* children = nullptr;
      if (node->type == GUMBO_NODE_DOCUMENT) {
        children = &node->v.document.children;
      } else {
        const GumboElement& element = node->v.element;
        if (KeptInline(element.tag)) {
          Add(Event::kObject, element.original_tag);
          continue;
        }
        const bool block = Block(element.tag) || KeptBlock(element.tag);
        if (block) {
          Add(Event::kBreak, element.original_tag);
          Add(Event::kBreak, element.original_end_tag);
        }
        if (KeptBlock(element.tag)) continue;
        children = &element.children;
      }
      for (unsigned i = children->length; i > 0; --i) {
        stack.push_back(static_cast<const GumboNode*>(children->data[i - 1]));
      }
    }
  }

  // Markup up to `offset`: closing when it holds only end tags, opening when
  // it holds no end tag.
  void MarkUpTo(uint32_t offset) {
    const uint32_t from = build_.covered();
    if (offset <= from) return;
    const std::string_view gap = std::string_view(source_.bytes).substr(from, offset - from);
    const bool ends = gap.find("</") != std::string_view::npos;
    bool starts = false;
    for (size_t i = gap.find('<'); i != std::string_view::npos; i = gap.find('<', i + 1)) {
      if (i + 1 < gap.size() && gap[i + 1] != '/') starts = true;
    }
    build_.MarkUpTo(offset, ends ? Piece::kClosing : starts ? Piece::kOpening : Piece::kNeutral);
  }

  SourceText& source_;
  PieceBuilder build_;
  std::vector<Event> events_;
};

}  // namespace

SourceText ReadHtml(std::string bytes, const std::string& name, const ReaderSettings& settings) {
  SourceText source = CheckedSource(SourceKind::kHtml, std::move(bytes), name);
  HtmlReader(source).Read();
  if (settings.fragment) source.open_at_end = OpenAtEnd(source.bytes);
  return source;
}

}  // namespace wirsel::source

// Text files as one-box documents, and a story rendered as text, TeX or HTML.
#include "host/io/text_format.h"

#include "base/utf8.h"
#include "host/io/files.h"
#include "host/io/io_error.h"
#include "host/messages/messages.h"

namespace wirsel::io {

using model::kParagraphEnd;

namespace {

constexpr char32_t kReplacement = kUtf8Replacement;

bool IsHighSurrogate(char32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// The code point starting at units[i]; advances i past it.
char32_t NextCodePoint(std::u16string_view units, std::size_t& i) {
  char32_t u = units[i++];
  if (IsHighSurrogate(u) && i < units.size() && IsLowSurrogate(units[i])) {
    return 0x10000 + ((u - 0xD800) << 10) + (units[i++] - 0xDC00);
  }
  return IsHighSurrogate(u) || IsLowSurrogate(u) ? kReplacement : u;
}

std::string_view LineEndText(LineEnd line_end) {
  switch (line_end) {
    case LineEnd::kCrLf: return "\r\n";
    case LineEnd::kCr: return "\r";
    case LineEnd::kLf: break;
  }
  return "\n";
}

std::string HexByte(unsigned char byte) {
  const char* digits = "0123456789ABCDEF";
  return std::string("0x") + digits[byte >> 4] + digits[byte & 15];
}

// What one story character becomes in each output.
class Renderer {
 public:
  Renderer(const model::Story& story, TextFlavor flavor, LineEnd line_end)
      : story_(story), flavor_(flavor), eol_(LineEndText(line_end)) {}

  std::string Body() {
    const std::u16string units = story_.Text();
    std::size_t i = 0;
    bool paragraph_open = false;
    while (i < units.size()) {
      const int32_t pos = static_cast<int32_t>(i);
      char32_t c = NextCodePoint(units, i);
      if (flavor_ == TextFlavor::kHtml && !paragraph_open) {
        out_ += "<p>";
        paragraph_open = true;
      }
      if (c == kParagraphEnd) {
        EndParagraph(i == units.size());
        paragraph_open = false;
        continue;
      }
      bool nonbreaking = c == model::kNoBreakSpace ||
                         (c == model::kSpace &&
                          (story_.Attribute(pos, model::kStyleKind) & model::kNonBreakingFlag));
      bool hyphen = c == model::kDiscretionaryHyphen || c == model::kSoftHyphen;
      if (nonbreaking) NonBreakingSpace();
      else if (hyphen) Hyphen();
      else Character(c);
    }
    if (paragraph_open) out_ += std::string("</p>") + std::string(eol_);
    return std::move(out_);
  }

 private:
  void EndParagraph(bool last) {
    switch (flavor_) {
      case TextFlavor::kText: out_ += eol_; break;
      case TextFlavor::kTex:
        out_ += eol_;
        if (!last) out_ += eol_;
        break;
      case TextFlavor::kHtml: out_ += std::string("</p>") + std::string(eol_); break;
    }
  }

  void NonBreakingSpace() {
    switch (flavor_) {
      case TextFlavor::kText: AppendUtf8(out_, model::kNoBreakSpace); break;
      case TextFlavor::kTex: out_ += '~'; break;
      case TextFlavor::kHtml: out_ += "&nbsp;"; break;
    }
  }

  void Hyphen() {
    switch (flavor_) {
      case TextFlavor::kText: AppendUtf8(out_, model::kSoftHyphen); break;
      case TextFlavor::kTex: out_ += "\\-"; break;
      case TextFlavor::kHtml: out_ += "&shy;"; break;
    }
  }

  void Character(char32_t c) {
    if (flavor_ == TextFlavor::kText) return AppendUtf8(out_, c);
    if (c == model::kAnchorChar) return;  // an inline box has no text form
    if (flavor_ == TextFlavor::kTex) return TexCharacter(c);
    switch (c) {
      case '&': out_ += "&amp;"; break;
      case '<': out_ += "&lt;"; break;
      case '>': out_ += "&gt;"; break;
      case '"': out_ += "&quot;"; break;
      case model::kLineFeed: out_ += "<br>"; break;
      default: AppendUtf8(out_, c);
    }
  }

  void TexCharacter(char32_t c) {
    switch (c) {
      case '#': case '$': case '%': case '&': case '_': case '{': case '}':
        out_ += '\\';
        out_ += static_cast<char>(c);
        break;
      case '\\': out_ += "\\textbackslash{}"; break;
      case '~': out_ += "\\textasciitilde{}"; break;
      case '^': out_ += "\\textasciicircum{}"; break;
      case model::kLineFeed: out_ += "\\\\"; out_ += eol_; break;
      default: AppendUtf8(out_, c);
    }
  }

  const model::Story& story_;
  TextFlavor flavor_;
  std::string_view eol_;
  std::string out_;
};

std::string HtmlEscaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace

std::u16string DecodeUtf8(std::string_view bytes, const std::string& name,
                          LineEnd* first_line_end) {
  std::u16string units;
  units.reserve(bytes.size());
  int line = 1;
  bool seen_line_end = false;
  auto line_end = [&](LineEnd style) {
    if (!seen_line_end && first_line_end) *first_line_end = style;
    seen_line_end = true;
    units += kParagraphEnd;
    ++line;
  };
  std::size_t i = 0;
  const std::size_t n = bytes.size();
  while (i < n) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead == '\n') {
      line_end(LineEnd::kLf);
      ++i;
      continue;
    }
    if (lead == '\r') {
      bool pair = i + 1 < n && bytes[i + 1] == '\n';
      line_end(pair ? LineEnd::kCrLf : LineEnd::kCr);
      i += pair ? 2 : 1;
      continue;
    }
    if (lead < 0x80) {
      units += static_cast<char16_t>(lead);
      ++i;
      continue;
    }
    const Utf8Decoded decoded = DecodeUtf8At(bytes, i);
    switch (decoded.fault) {
      case Utf8Fault::kNone:
        break;
      case Utf8Fault::kBadLead:
        throw IoError(name, line, Msg("invalid UTF-8: byte {1}", HexByte(lead)));
      case Utf8Fault::kCut:
        throw IoError(name, line, Msg("invalid UTF-8: sequence cut short at the end of the file"));
      case Utf8Fault::kBadContinuation:
        throw IoError(
            name, line,
            Msg("invalid UTF-8: byte {1} followed by {2}", HexByte(lead), HexByte(decoded.bad)));
      case Utf8Fault::kOutOfRange:
        throw IoError(name, line, Msg("invalid UTF-8: encoded value out of range"));
    }
    const char32_t c = decoded.c;
    if (c >= 0x10000) {
      units += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      units += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      units += static_cast<char16_t>(c);
    }
    i += decoded.length;
  }
  return units;
}

std::string EncodeUtf8(std::u16string_view units) {
  std::string out;
  out.reserve(units.size());
  std::size_t i = 0;
  while (i < units.size()) AppendUtf8(out, NextCodePoint(units, i));
  return out;
}

TextFile ParseText(std::string_view bytes, const std::string& name) {
  TextFile file;
  std::u16string units = DecodeUtf8(bytes, name, &file.line_end);
  if (units.size() > static_cast<std::size_t>(model::kMaxStoryLength)) {
    throw IoError(name, 0, Msg("text too long for one story"));
  }
  file.document = std::make_unique<model::Document>(name);
  model::Document& document = *file.document;
  document.AddSpread(1);
  model::BoxId box = document.AddBox(model::BoxKind::kText, 1, 1);
  document.story(document.StoryOfBox(box))->Insert(0, units, model::CharAttributes{});
  document.SetCurrentBox(box);
  return file;
}

TextFile ReadTextFile(const std::string& path) { return ParseText(ReadFileBytes(path), path); }

std::string RenderStory(const model::Story& story, TextFlavor flavor, LineEnd line_end,
                        std::string_view title) {
  std::string body = Renderer(story, flavor, line_end).Body();
  if (flavor != TextFlavor::kHtml) return body;
  const std::string eol(LineEndText(line_end));
  return "<!DOCTYPE html>" + eol + "<html lang=\"pl\">" + eol + "<head>" + eol +
         "<meta charset=\"utf-8\">" + eol + "<title>" + HtmlEscaped(title) + "</title>" + eol +
         "</head>" + eol + "<body>" + eol + body + "</body>" + eol + "</html>" + eol;
}

}  // namespace wirsel::io

// Document files in and out of the workspace.
#include "host/document_files.h"

#include <md4c-html.h>

#include "host/cmd_registry.h"
#include "host/io/files.h"
#include "host/io/io_error.h"
#include "host/io/json_format.h"
#include "host/messages/messages.h"
#include "host/session.h"
#include "platform/ini.h"

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The readers' settings: section "Zrodla" of the plug-in's settings file.
wirsel::source::ReaderSettings SourceSettings() {
  wirsel::source::ReaderSettings settings;
  const std::string file = XTensionsFolder() + "/Wirsel13.ini";
  char value[4096];
  platform::IniRead(file.c_str(), "Zrodla", "KomendyProzy", "", value, sizeof value);
  settings.tex_prose_commands = value;
  return settings;
}

std::string Normalized(const std::string& format) {
  if (format == "txt") return "text";
  if (format == "md") return "markdown";
  return format;
}

}  // namespace

bool ValidInputFormat(const std::string& format) {
  const std::string f = Normalized(format);
  return f.empty() || f == "text" || f == "json" || f == "tex" || f == "html" || f == "markdown";
}

bool OpenDocumentFile(const std::string& path, OpenedDocument& opened, std::string& error,
                      const std::string& input_format) {
  opened.path = path;
  const std::string format = Normalized(input_format);
  if (!ValidInputFormat(format)) {
    error =
        Msg("--input-format must be txt, json, tex, html or markdown, not \"{1}\"", input_format);
    return false;
  }
  wirsel::source::SourceKind kind{};
  const bool source = format.empty() ? wirsel::source::SourceKindOfPath(path, kind)
                                     : wirsel::source::SourceKindFromName(format, kind);
  try {
    std::unique_ptr<wirsel::model::Document> document;
    if (source) {
      opened.format = DocumentFormat::kSource;
      opened.source = std::make_shared<wirsel::source::SourceDocument>(
          kind, wirsel::io::ReadFileBytes(path), path, SourceSettings());
      document = opened.source->TakeDocument();
    } else if (format == "json" || (format.empty() && EndsWith(path, ".json"))) {
      wirsel::io::JsonDocument json = wirsel::io::ReadJsonFile(path);
      opened.format = DocumentFormat::kJson;
      document = std::move(json.document);
      Session().workspace.SetTool(json.tool);
    } else {
      wirsel::io::TextFile text = wirsel::io::ReadTextFile(path);
      opened.format = DocumentFormat::kText;
      opened.line_end = text.line_end;
      document = std::move(text.document);
    }
    // No command of this program undoes: a kept journal would only grow with
    // every edit of a pass (a million hyphens, a million steps' worth).
    document->SetUndoKept(false);
    if (document->current_box() == wirsel::model::kNoBox) {
      document->SetCurrentBox(document->FirstTextBox());
    }
    Session().workspace.Open(std::move(document));
  } catch (const wirsel::io::IoError& e) {
    error = e.what();
    return false;
  }
  return true;
}

bool ValidOutputFormat(const std::string& format) {
  const std::string f = Normalized(format);
  return f.empty() || f == "text" || f == "tex" || f == "html" || f == "json" || f == "markdown";
}

namespace {

// A source written in its own kind, as its prose alone, or (Markdown) as
// the HTML that Markdown stands for.
bool RenderSource(const OpenedDocument& opened, const std::string& format, std::string& bytes,
                  std::string& error) {
  const wirsel::model::Document* document = FrontDocument();
  const wirsel::source::SourceKind kind = opened.source->source().kind;
  const std::string own = wirsel::source::SourceKindName(kind);
  if (format.empty() || format == own) {
    bytes = opened.source->Write(*document);
    return true;
  }
  if (format == "text") {
    bytes = opened.source->Write(*document, true);
    return true;
  }
  if (format == "json") {
    bytes = wirsel::io::RenderJson(*document, Session().workspace.tool());
    return true;
  }
  if (format == "html" && kind == wirsel::source::SourceKind::kMarkdown) {
    std::string markdown = opened.source->Write(*document);
    // YAML front matter is no part of the page.
    if (markdown.rfind("---\n", 0) == 0) {
      for (const char* end : {"\n---\n", "\n...\n"}) {
        const size_t at = markdown.find(end, 3);
        if (at != std::string::npos) {
          markdown.erase(0, at + 5);
          break;
        }
      }
    }
    bytes.clear();
    md_html(markdown.data(), static_cast<MD_SIZE>(markdown.size()),
            [](const MD_CHAR* text, MD_SIZE size, void* out) {
              static_cast<std::string*>(out)->append(text, size);
            },
            &bytes, MD_FLAG_TABLES | MD_FLAG_STRIKETHROUGH | MD_FLAG_PERMISSIVEAUTOLINKS, 0);
    return true;
  }
  error =
      kind == wirsel::source::SourceKind::kMarkdown
          ? Msg("{1}: a {2} source cannot be written as {3} (use --format {2}, txt, json or html)",
                opened.path, own, format)
          : Msg("{1}: a {2} source cannot be written as {3} (use --format {2}, txt or json)",
                opened.path, own, format);
  return false;
}

}  // namespace

bool RenderFrontDocument(const OpenedDocument& opened, const std::string& requested,
                         std::string& bytes, std::string& error) {
  const wirsel::model::Document* document = FrontDocument();
  const std::string format = Normalized(requested);
  if (opened.format == DocumentFormat::kSource && opened.source) {
    return RenderSource(opened, format, bytes, error);
  }
  const std::string chosen =
      !format.empty() ? format : opened.format == DocumentFormat::kJson ? "json" : "text";
  if (chosen == "markdown") {
    error = Msg("{1}: only a Markdown source can be written as markdown", opened.path);
    return false;
  }
  if (chosen == "json") {
    bytes = wirsel::io::RenderJson(*document, Session().workspace.tool());
    return true;
  }
  const wirsel::model::Story* story = document->story(document->StoryOfBox(document->FirstTextBox()));
  if (!story) {
    error = Msg("{1}: the document has no text box to write as {2}", opened.path, chosen);
    return false;
  }
  const auto flavor = chosen == "tex"    ? wirsel::io::TextFlavor::kTex
                      : chosen == "html" ? wirsel::io::TextFlavor::kHtml
                                         : wirsel::io::TextFlavor::kText;
  bytes = wirsel::io::RenderStory(*story, flavor, opened.line_end, document->name());
  return true;
}

// Opening a document file (UTF-8 text, JSON, or a LaTeX, HTML or Markdown
// source) into the host's workspace and writing it back in its own format or
// as TeX or HTML.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "host/io/text_format.h"
#include "host/source/source_document.h"

enum class DocumentFormat { kText, kJson, kSource };

struct OpenedDocument {
  std::string path;
  DocumentFormat format = DocumentFormat::kText;
  wirsel::io::LineEnd line_end = wirsel::io::LineEnd::kLf;
  // A LaTeX, HTML or Markdown source: its map back into the file.
  std::shared_ptr<wirsel::source::SourceDocument> source;
};

// Input formats: "" (by the file name), "txt" (or "text"), "json", "tex",
// "html", "markdown" (or "md").
bool ValidInputFormat(const std::string& format);

// Reads the file as `input_format` (by default: ".json" is JSON, ".tex" LaTeX,
// ".html"/".htm" HTML, ".md"/".markdown" Markdown, anything else text), opens
// it in front, takes over a JSON document's tool and makes the first text box
// current unless the document names its current box. The document keeps no
// undo journal: no command of this program undoes. False with `error` (file,
// line, reason) when the file cannot be read.
bool OpenDocumentFile(const std::string& path, OpenedDocument& opened, std::string& error,
                      const std::string& input_format = "");

// Output formats: "" (the input's own), "text" (or "txt"), "tex", "html",
// "markdown" (or "md"), "json".
bool ValidOutputFormat(const std::string& format);
// The front document in `format`; false with `error` when that format cannot
// hold it (a document without text boxes as text).
bool RenderFrontDocument(const OpenedDocument& opened, const std::string& format,
                         std::string& bytes, std::string& error);

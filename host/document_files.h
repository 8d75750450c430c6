// Opening a document file (UTF-8 text or JSON) into the host's workspace and
// writing it back in its own format or as TeX or HTML.
#pragma once

#include <cstdint>
#include <string>

#include "host/io/text_format.h"

enum class DocumentFormat { kText, kJson };

struct OpenedDocument {
  std::string path;
  DocumentFormat format = DocumentFormat::kText;
  wirsel::io::LineEnd line_end = wirsel::io::LineEnd::kLf;
};

// Reads the file (".json" is JSON, anything else text), opens it in front,
// takes over a JSON document's tool and makes the first text box current
// unless the document names its current box. The document keeps no undo
// journal: no command of this program undoes. False with `error` (file, line,
// reason) when the file cannot be read.
bool OpenDocumentFile(const std::string& path, OpenedDocument& opened, std::string& error);

// Output formats: "" (the input's own), "text", "tex", "html", "json".
bool ValidOutputFormat(const std::string& format);
// The front document in `format`; false with `error` when that format cannot
// hold it (a document without text boxes as text).
bool RenderFrontDocument(const OpenedDocument& opened, const std::string& format,
                         std::string& bytes, std::string& error);
